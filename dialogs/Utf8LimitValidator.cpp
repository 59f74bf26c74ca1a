#include "dialogs/Utf8LimitValidator.h"

namespace velkor {
namespace {

bool is_line_break(QChar c)
{
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Bytes of the character starting at text[i]; step receives its length in UTF-16 units.
int char_bytes(QStringView text, qsizetype i, int line_break_bytes, qsizetype& step)
{
    const QChar c = text[i];
    step = 1;
    if (is_line_break(c))
        return line_break_bytes;
    const char16_t u = c.unicode();
    if (u < 0x80)
        return 1;
    if (u < 0x800)
        return 2;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        step = 2;
        return 4;
    }
    return 3; // BMP character, or a lone surrogate that UTF-8 writes as a 3-byte replacement
}

} // namespace

int utf8_bytes(QStringView text, int line_break_bytes)
{
    int total = 0;
    qsizetype step = 1;
    for (qsizetype i = 0; i < text.size(); i += step)
        total += char_bytes(text, i, line_break_bytes, step);
    return total;
}

QString cut_to_bytes(const QString& text, int max_bytes, int line_break_bytes)
{
    int total = 0;
    qsizetype step = 1;
    for (qsizetype i = 0; i < text.size(); i += step) {
        const int size = char_bytes(text, i, line_break_bytes, step);
        if (total + size > max_bytes)
            return text.left(i);
        total += size;
    }
    return text;
}

QValidator::State Utf8LimitValidator::validate(QString& input, int&) const
{
    return utf8_bytes(input) <= my_max_bytes ? Acceptable : Invalid;
}

} // namespace velkor
