#include "core/MemoList.h"

#include "core/Assert.h"

#include <utility>

namespace velkor {

const std::string& MemoList::at(std::size_t n) const
{
    VELKOR_ASSERT(n < my_memos.size(), "cur != NULL");
    return my_memos[n];
}

std::size_t MemoList::find(const std::string& text) const
{
    for (std::size_t i = 0; i < my_memos.size(); ++i) {
        if (my_memos[i] == text)
            return i;
    }
    return NPOS;
}

void MemoList::replace(std::size_t n, std::string memo)
{
    VELKOR_ASSERT(n < my_memos.size(), "cur != NULL");
    my_memos[n] = std::move(memo);
}

void MemoList::erase(std::size_t n)
{
    VELKOR_ASSERT(n < my_memos.size(), "cur != NULL");
    my_memos.erase(my_memos.begin() + static_cast<std::ptrdiff_t>(n));
}

void MemoList::remember(const std::string& memo)
{
    if (memo.empty())
        return;
    std::size_t found = find(memo);
    if (found == 0)
        return;
    if (found != NPOS)
        erase(found);
    my_memos.push_front(memo);
}

} // namespace velkor
