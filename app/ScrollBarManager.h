#pragma once
// The per-category scroll bars of the main window, indexed by id (300 + the ordinal of the
// visible category). Destroying a bar deletes its window.

#include <vector>

class QWidget;

namespace velkor {

class MyScrollBar;

/// The id of the first visible category's scroll bar.
inline constexpr int kFirstScrollBarId = 300;

class ScrollBarManager
{
public:
    explicit ScrollBarManager(QWidget& owner) : my_owner(owner) {}
    ~ScrollBarManager();
    ScrollBarManager(const ScrollBarManager&) = delete;
    ScrollBarManager& operator=(const ScrollBarManager&) = delete;

    /// The bar with that id, or null.
    MyScrollBar* find(int id) const;
    /// Makes a hidden vertical bar with that id (replacing one that exists) and returns it.
    MyScrollBar* create(int id);
    void destroy(int id);
    /// Destroys every bar with that id or higher.
    void destroy_from(int id);
    void clear() { destroy_from(kFirstScrollBarId); }
    /// How many bars exist.
    int count() const;

private:
    QWidget& my_owner;
    std::vector<MyScrollBar*> my_bars; ///< slot id - 300; null where there is none
};

} // namespace velkor
