#include "app/ScrollBarManager.h"

#include "app/MyScrollBar.h"

#include <algorithm>

namespace velkor {

ScrollBarManager::~ScrollBarManager()
{
    for (MyScrollBar* bar : my_bars)
        delete bar;
}

MyScrollBar* ScrollBarManager::find(int id) const
{
    const int slot = id - kFirstScrollBarId;
    if (slot < 0 || slot >= static_cast<int>(my_bars.size()))
        return nullptr;
    return my_bars[static_cast<std::size_t>(slot)];
}

MyScrollBar* ScrollBarManager::create(int id)
{
    const int slot = id - kFirstScrollBarId;
    if (slot < 0)
        return nullptr;
    destroy(id);
    if (slot >= static_cast<int>(my_bars.size()))
        my_bars.resize(static_cast<std::size_t>(slot) + 1, nullptr);
    auto* bar = new MyScrollBar(id, &my_owner);
    my_bars[static_cast<std::size_t>(slot)] = bar;
    return bar;
}

void ScrollBarManager::destroy(int id)
{
    const int slot = id - kFirstScrollBarId;
    if (slot < 0 || slot >= static_cast<int>(my_bars.size()))
        return;
    // A bar may be destroyed while its own signal runs (a scroll that repaints the grid), so Qt
    // deletes it later; until then it is hidden and nameless, and the window still owns it.
    if (MyScrollBar* bar = my_bars[static_cast<std::size_t>(slot)]) {
        bar->hide();
        bar->setObjectName(QString());
        bar->deleteLater();
    }
    my_bars[static_cast<std::size_t>(slot)] = nullptr;
}

void ScrollBarManager::destroy_from(int id)
{
    const int first = std::max(id, kFirstScrollBarId);
    for (int i = static_cast<int>(my_bars.size()) - 1 + kFirstScrollBarId; i >= first; --i)
        destroy(i);
    my_bars.resize(std::min(my_bars.size(), static_cast<std::size_t>(first - kFirstScrollBarId)));
}

int ScrollBarManager::count() const
{
    return static_cast<int>(std::count_if(my_bars.begin(), my_bars.end(), [](MyScrollBar* b) { return b != nullptr; }));
}

} // namespace velkor
