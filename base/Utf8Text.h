#pragma once
// Names and memos are UTF-8 byte strings; their limits count bytes, and a cut never splits a
// character.

#include <cstddef>
#include <string>
#include <string_view>

namespace velkor {

/// text cut to at most max_bytes bytes, ending before a character rather than inside it.
std::string cut_utf8(std::string_view text, std::size_t max_bytes);

} // namespace velkor
