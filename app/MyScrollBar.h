#pragma once
// A category's vertical scroll bar. It remembers what it was last told and only passes a change
// of place, range or page on to Qt when the value differs, so the grid does not flicker.

#include <QScrollBar>

namespace velkor {

class MyScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    /// Hidden, at position 0, named "id<id>".
    MyScrollBar(int id, QWidget* parent);

    int id() const { return my_id; }

    /// Moves the bar to (left, top) with the given height, keeping its own width; shows it the first time.
    void place(int left, int top, int height);
    /// The first and last item (the last position is maximum - page + 1 once the page is set).
    void set_range(int minimum, int maximum);
    void set_page(int page);

    /// How many requests reached Qt (moves, range and page changes), to see that nothing flickers.
    int changes() const { return my_changes; }

private:
    void apply_range();

    int my_id;
    int my_left = 0;
    int my_top = 0;
    int my_height = 100;
    int my_minimum = -1;
    int my_maximum = -2;
    int my_page = -1;
    int my_changes = 0;
};

} // namespace velkor
