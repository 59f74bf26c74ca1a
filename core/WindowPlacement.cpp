#include "core/WindowPlacement.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace velkor {
namespace {

constexpr long kLargestCoordinate = 1000000;

void skip_blanks(const std::string& text, std::size_t& pos)
{
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
}

// Reads an optionally signed decimal number after blanks, as scanf's %d would; fails on no digits
// or a value so large that later arithmetic could overflow.
bool read_number(const std::string& text, std::size_t& pos, int& value)
{
    skip_blanks(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::size_t start = pos;
    long number = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        number = number * 10 + (text[pos++] - '0');
        if (number > kLargestCoordinate)
            return false;
    }
    if (pos == start)
        return false;
    value = static_cast<int>(negative ? -number : number);
    return true;
}

bool read_size(const std::string& text, int& width, int& height)
{
    std::size_t pos = 0;
    if (!read_number(text, pos, width) || pos >= text.size())
        return false;
    ++pos; // one separator character of any kind
    return read_number(text, pos, height);
}

bool read_position(const std::string& text, int& left, int& top)
{
    std::size_t pos = 0;
    return read_number(text, pos, left) && read_number(text, pos, top);
}

bool contains(const Rect& outer, const Rect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::int64_t intersection_area(const Rect& a, const Rect& b)
{
    std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

void move_to(Rect& r, int left, int top)
{
    int w = r.width();
    int h = r.height();
    r = {left, top, left + w, top + h};
}

// Negative dx/dy shrink the rectangle by half of it on each side (halves truncated toward zero).
void shrink_to_fit(Rect& window, const Rect& monitor)
{
    int dx = window.width() > monitor.width() ? monitor.width() * 9 / 10 - window.width() : 0;
    int dy = window.height() > monitor.height() ? monitor.height() * 9 / 10 - window.height() : 0;
    if (dx < 0 || dy < 0) {
        window.left -= dx / 2;
        window.right += dx / 2;
        window.top -= dy / 2;
        window.bottom += dy / 2;
    }
}

} // namespace

Rect read_window_rect(const std::string& size_text, const std::string& position_text)
{
    int width = 0;
    int height = 0;
    if (!read_size(size_text, width, height))
        width = height = 0;
    if (width < 11)
        width = 400;
    if (height < 11)
        height = 300;

    int left = 0;
    int top = 0;
    if (!read_position(position_text, left, top) || left == kMinimizedPosition || top == kMinimizedPosition)
        left = top = 50;
    return {left, top, left + width, top + height};
}

Rect fit_to_monitors(Rect window, const std::vector<Rect>& all_monitors)
{
    std::vector<Rect> monitors(all_monitors.begin(),
                               all_monitors.begin() + std::min(all_monitors.size(), kMaxMonitors));
    if (monitors.empty())
        return window;
    for (const Rect& m : monitors)
        if (contains(m, window))
            return window;

    std::size_t best = 0;
    std::int64_t best_area = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        std::int64_t area = intersection_area(window, monitors[i]);
        if (area > best_area) {
            best = i;
            best_area = area;
        }
    }
    const Rect& monitor = monitors[best];
    shrink_to_fit(window, monitor);

    if (best_area == 0) {
        move_to(window, monitor.left + (monitor.width() - window.width()) / 2,
                monitor.top + (monitor.height() - window.height()) / 2);
        return window;
    }
    int left = window.left;
    int top = window.top;
    if (window.left < monitor.left)
        left = monitor.left;
    else if (window.right > monitor.right)
        left = monitor.right - window.width();
    if (window.top < monitor.top)
        top = monitor.top;
    else if (window.bottom > monitor.bottom)
        top = monitor.bottom - window.height();
    move_to(window, left, top);
    return window;
}

ShowState startup_show_state(ShowRequest request, bool use_system_tray, const std::string& window_maximized)
{
    switch (request) {
    case ShowRequest::Hide:
    case ShowRequest::Minimize:
        return use_system_tray ? ShowState::Hidden : ShowState::Minimized;
    case ShowRequest::Maximize:
        return ShowState::Maximized;
    case ShowRequest::Default:
        break;
    }
    // Compared without lower-casing: only a small "y" counts.
    return !window_maximized.empty() && window_maximized[0] == 'y' ? ShowState::Maximized : ShowState::Normal;
}

} // namespace velkor
