#pragma once
// Names and memos are UTF-8 byte strings; their limits count bytes, and a cut never splits a
// character.

#include <cstddef>
#include <string>
#include <string_view>

namespace velkor {

/// text cut to at most max_bytes bytes, ending before a character rather than inside it.
std::string cut_utf8(std::string_view text, std::size_t max_bytes);

/// Most bytes of a user's text (a name, a path, a line of a file) that a message shows.
inline constexpr std::size_t kMessageExcerptBytes = 300;

/// The part of a user's text that goes into a message: all of it when it is short, else its
/// first kMessageExcerptBytes bytes, cut before a character, followed by "...".
std::string message_excerpt(std::string_view text);

} // namespace velkor
