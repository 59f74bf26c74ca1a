#pragma once
// A project's remembered memos: an owned, ordered list, most recently used first.

#include <cstddef>
#include <deque>
#include <string>

namespace velkor {

/// Index value meaning "none"; what the find operations return when nothing matches.
inline constexpr std::size_t NPOS = static_cast<std::size_t>(-1);

/// Longest memo or note in bytes of UTF-8, wherever it is typed, kept or read back.
inline constexpr std::size_t kMemoMaxBytes = 1009;
/// The classic memo buffer: the longest memo and its terminating NUL. Files cut memos read back
/// to this many bytes, and the crash record counts its memo length in it.
inline constexpr std::size_t kMemoBufferBytes = kMemoMaxBytes + 1;

class MemoList
{
public:
    using const_iterator = std::deque<std::string>::const_iterator;

    bool empty() const { return my_memos.empty(); }
    std::size_t size() const { return my_memos.size(); }
    const_iterator begin() const { return my_memos.begin(); }
    const_iterator end() const { return my_memos.end(); }

    /// The n-th memo, 0 = first; n must lie inside the list.
    const std::string& at(std::size_t n) const;
    /// Position of the first memo equal to text (case-sensitive), else NPOS.
    std::size_t find(const std::string& text) const;

    void push_front(std::string memo) { my_memos.push_front(std::move(memo)); }
    void push_back(std::string memo) { my_memos.push_back(std::move(memo)); }
    /// Replaces the text of the n-th memo in place.
    void replace(std::size_t n, std::string memo);
    /// Removes the n-th memo.
    void erase(std::size_t n);
    /// Puts memo first: moved there when already present, else added; an empty memo is ignored.
    void remember(const std::string& memo);
    void clear() { my_memos.clear(); }

    bool operator==(const MemoList&) const = default;

private:
    std::deque<std::string> my_memos;
};

} // namespace velkor
