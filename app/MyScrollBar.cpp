#include "app/MyScrollBar.h"

#include <algorithm>

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
    apply_range();
    ++my_changes;
}

void MyScrollBar::set_page(int page)
{
    if (page == my_page)
        return;
    my_page = page;
    setPageStep(page);
    apply_range();
    ++my_changes;
}

// The range names the first and last item; a full page at the end leaves the last position at
// maximum - page + 1, so that scrolling stops once the last item reaches the bottom.
void MyScrollBar::apply_range()
{
    if (my_maximum < my_minimum)
        return;
    setRange(my_minimum, std::max(my_minimum, my_maximum - std::max(my_page - 1, 0)));
}

} // namespace velkor
