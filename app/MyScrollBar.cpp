#include "app/MyScrollBar.h"

namespace velkor {

MyScrollBar::MyScrollBar(int id, QWidget* parent) : QScrollBar(Qt::Vertical, parent), my_id(id)
{
    setObjectName(QString("id%1").arg(id));
    setValue(0);
    hide();
}

void MyScrollBar::place(int left, int top, int height)
{
    if (left == my_left && top == my_top && height == my_height)
        return;
    my_left = left;
    my_top = top;
    my_height = height;
    setGeometry(left, top, sizeHint().width(), height);
    show();
    ++my_changes;
}

void MyScrollBar::set_range(int minimum, int maximum)
{
    if (minimum == my_minimum && maximum == my_maximum)
        return;
    my_minimum = minimum;
    my_maximum = maximum;
    setRange(minimum, maximum);
    ++my_changes;
}

void MyScrollBar::set_page(int page)
{
    if (page == my_page)
        return;
    my_page = page;
    setPageStep(page);
    ++my_changes;
}

} // namespace velkor
