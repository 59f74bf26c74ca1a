#pragma once

namespace velkor {

/// A rectangle with exclusive right and bottom edges, as monitors, windows and grid cells are described.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

} // namespace velkor
