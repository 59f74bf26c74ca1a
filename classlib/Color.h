#pragma once
// An RGB colour packed with red in the low byte, then green, then blue.

#include <cstdint>

namespace velkor {

using Color = std::uint32_t;

constexpr Color make_rgb(int red, int green, int blue)
{
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
           (static_cast<Color>(blue & 0xFF) << 16);
}
constexpr int red_of(Color c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int green_of(Color c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue_of(Color c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color kBlack = make_rgb(0, 0, 0);

} // namespace velkor
