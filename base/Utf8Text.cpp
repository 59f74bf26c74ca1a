#include "base/Utf8Text.h"

namespace velkor {

std::string cut_utf8(std::string_view text, std::size_t max_bytes)
{
    if (text.size() <= max_bytes)
        return std::string(text);
    std::size_t end = max_bytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut character; a character
    // has at most three of them, so text that is not UTF-8 loses at most three more bytes.
    while (end > 0 && max_bytes - end < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

std::string message_excerpt(std::string_view text)
{
    // A file may hold a line of many megabytes; a message box laying it out would freeze the window.
    if (text.size() <= kMessageExcerptBytes)
        return std::string(text);
    return cut_utf8(text, kMessageExcerptBytes) + "...";
}

} // namespace velkor
