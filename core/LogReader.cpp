#include "core/LogReader.h"

#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <utility>

namespace velkor {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

bool is_space(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool is_digit(char ch)
{
    return static_cast<unsigned>(ch - '0') < 10u;
}

int two_digits(const char* p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

// A cursor over one line with the reads a record needs.
struct Cursor
{
    const char* p;
    const char* end;

    void skip_space()
    {
        while (p < end && is_space(*p))
            ++p;
    }

    // Signed decimal after optional white space; fails on no digits or overflow.
    bool number(int& out)
    {
        skip_space();
        bool negative = false;
        if (p < end && (*p == '+' || *p == '-'))
            negative = *p++ == '-';
        if (p == end || *p < '0' || *p > '9')
            return false;
        long long value = 0;
        while (p < end && *p >= '0' && *p <= '9') {
            value = value * 10 + (*p++ - '0');
            if (value > static_cast<long long>(INT_MAX) + 1)
                return false;
        }
        value = negative ? -value : value;
        if (value > INT_MAX || value < INT_MIN)
            return false;
        out = static_cast<int>(value);
        return true;
    }

    // Any one character after optional white space.
    bool separator()
    {
        skip_space();
        if (p == end)
            return false;
        ++p;
        return true;
    }

    // Three numbers with a separator after each of the first two. Written records have the
    // shape "dddd/dd/dd" and "dd:dd:dd", read here at fixed positions; anything else (blanks,
    // signs, other digit counts, a blank or digit as separator) takes the general reads.
    template <std::size_t Lead> bool triple(int (&out)[3])
    {
        skip_space();
        constexpr std::size_t length = Lead + 6;
        const auto left = static_cast<std::size_t>(end - p);
        if (left >= length && (left == length || !is_digit(p[length]))) {
            const char* q = p + Lead;
            bool fixed = is_digit(q[1]) && is_digit(q[2]) && is_digit(q[4]) && is_digit(q[5]) && !is_digit(q[0]) &&
                         !is_space(q[0]) && !is_digit(q[3]) && !is_space(q[3]);
            int lead = 0;
            for (std::size_t i = 0; i < Lead; ++i) {
                fixed = fixed && is_digit(p[i]);
                lead = lead * 10 + (p[i] - '0');
            }
            if (fixed) {
                out[0] = lead;
                out[1] = two_digits(q + 1);
                out[2] = two_digits(q + 4);
                p += length;
                return true;
            }
        }
        return number(out[0]) && separator() && number(out[1]) && separator() && number(out[2]);
    }
};

// The fields of a record as read from its line, before the moments are converted.
struct RawRecord
{
    int ci_date[3];
    int ci_time[3];
    int co_date[3];
    int co_time[3];
    std::string_view category;
    std::string_view project;
};

// The two moments as the program writes them, checked eight bytes at a time; "d" is a digit.
constexpr char kWrittenMoments[] = "dddd/dd/dd\tdd:dd:dd\tdddd/dd/dd\tdd:dd:dd\t";
constexpr std::size_t kWrittenLength = sizeof kWrittenMoments - 1;
static_assert(kWrittenLength % 8 == 0);

struct WordPattern
{
    std::uint64_t separator_mask = 0;
    std::uint64_t separators = 0;
    std::uint64_t digit_high = 0;  // 0xF0 at each digit
    std::uint64_t digit_three = 0; // 0x30 at each digit
    std::uint64_t digit_six = 0;   // 0x06 at each digit
};

constexpr std::array<WordPattern, kWrittenLength / 8> make_patterns()
{
    std::array<WordPattern, kWrittenLength / 8> patterns{};
    for (std::size_t i = 0; i < kWrittenLength; ++i) {
        WordPattern& w = patterns[i / 8];
        const unsigned shift = 8 * (i % 8);
        if (kWrittenMoments[i] == 'd') {
            w.digit_high |= std::uint64_t{0xF0} << shift;
            w.digit_three |= std::uint64_t{0x30} << shift;
            w.digit_six |= std::uint64_t{0x06} << shift;
        } else {
            w.separator_mask |= std::uint64_t{0xFF} << shift;
            w.separators |= std::uint64_t{static_cast<unsigned char>(kWrittenMoments[i])} << shift;
        }
    }
    return patterns;
}

constexpr std::array<WordPattern, kWrittenLength / 8> kWrittenPatterns = make_patterns();

// Non-zero where word w differs from the pattern: a byte is a digit when its high nibble is 3
// and adding 6 keeps it so.
std::uint64_t mismatch(std::uint64_t w, const WordPattern& m)
{
    return ((w & m.separator_mask) ^ m.separators) | ((w & m.digit_high) ^ m.digit_three) |
           (((w + m.digit_six) & m.digit_high) ^ m.digit_three);
}

// True when the line starts with the moments exactly as written; the general reads give the same
// numbers for them, so this only saves time.
bool read_written_moments(const char* p, std::size_t length, RawRecord& raw)
{
    if constexpr (std::endian::native != std::endian::little)
        return false;
    if (length < kWrittenLength)
        return false;
    const auto& m = kWrittenPatterns;
    std::uint64_t w[kWrittenLength / 8];
    std::memcpy(w, p, sizeof w);
    if ((mismatch(w[0], m[0]) | mismatch(w[1], m[1]) | mismatch(w[2], m[2]) | mismatch(w[3], m[3]) |
         mismatch(w[4], m[4])) != 0)
        return false;
    const auto two = [p](std::size_t at) { return p[at] * 10 + p[at + 1] - '0' * 11; };
    const auto moment = [&](std::size_t at, int(&date)[3], int(&time)[3]) {
        date[0] = two(at) * 100 + two(at + 2);
        date[1] = two(at + 5);
        date[2] = two(at + 8);
        time[0] = two(at + 11);
        time[1] = two(at + 14);
        time[2] = two(at + 17);
    };
    moment(0, raw.ci_date, raw.ci_time);
    moment(20, raw.co_date, raw.co_time);
    return true;
}

// The first two TABs in [p, end), end for each missing one: where the category and the project
// names end. Names are short, so eight bytes are looked at a time instead of calling the library:
// a zero byte of w ^ TABs marks a TAB, and the borrow trick below finds the lowest one exactly;
// the bytes up to it are then made non-zero to find the next.
std::pair<const char*, const char*> name_ends(const char* p, const char* end)
{
    const char* tabs[2] = {end, end};
    int found = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t ones = 0x0101010101010101ull;
        for (; end - p >= 8; p += 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            std::uint64_t x = w ^ (ones * '\t');
            for (std::uint64_t zero = (x - ones) & ~x & (ones * 0x80); zero; zero = (x - ones) & ~x & (ones * 0x80)) {
                const int byte = std::countr_zero(zero) / 8;
                tabs[found++] = p + byte;
                if (found == 2)
                    return {tabs[0], tabs[1]};
                x |= byte == 7 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * byte + 8)) - 1;
            }
        }
    }
    for (; p < end && found < 2; ++p)
        if (*p == '\t')
            tabs[found++] = p;
    return {tabs[0], tabs[1]};
}

bool read_fields(std::string_view line, RawRecord& raw)
{
    Cursor in{line.data(), line.data() + line.size()};
    if (read_written_moments(line.data(), line.size(), raw))
        in.p += kWrittenLength;
    else if (!in.triple<4>(raw.ci_date) || !in.triple<2>(raw.ci_time) || !in.triple<4>(raw.co_date) ||
             !in.triple<2>(raw.co_time))
        return false;
    in.skip_space();
    const auto [tab, project_end] = name_ends(in.p, in.end);
    if (tab >= in.end - 1)
        return false;
    const char* project = tab + 1;
    raw.category = std::string_view(in.p, static_cast<std::size_t>(tab - in.p));
    raw.project = std::string_view(project, static_cast<std::size_t>(project_end - project));
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------

LogLineReader::LogLineReader(std::FILE* file) : my_file(file), my_storage(kChunk)
{
    my_data = my_storage.data();
}

LogLineReader::LogLineReader(std::string_view data) : my_data(data.data()), my_end(data.size()), my_eof(true) {}

bool LogLineReader::read_more()
{
    if (my_eof)
        return false;
    std::size_t n = std::fread(my_storage.data() + my_end, 1, my_storage.size() - my_end, my_file);
    if (n == 0)
        my_eof = true;
    my_end += n;
    return n > 0;
}

std::string_view LogLineReader::take_long_line()
{
    // The buffer is full without a line end: keep the head, drop everything up to the next LF.
    my_long_line.assign(my_data, kMaxLogLineLength);
    do {
        my_taken += my_end;
        my_begin = my_end = 0;
        if (!read_more())
            break;
        const void* lf = std::memchr(my_data, '\n', my_end);
        if (lf)
            my_begin = static_cast<std::size_t>(static_cast<const char*>(lf) - my_data) + 1;
    } while (my_begin == 0);
    return my_long_line;
}

// No LF between my_begin and my_end: more is read until one comes, the buffer fills or the file ends.
bool LogLineReader::next_from_more(std::string_view& line)
{
    for (;;) {
        const char* base = my_data + my_begin;
        const std::size_t avail = my_end - my_begin;
        if (my_eof) {
            if (avail == 0)
                return false;
            my_begin = my_end;
            line = finish(base, avail);
            return true;
        }
        if (my_begin > 0) {
            std::memmove(my_storage.data(), base, avail);
            my_taken += my_begin;
            my_begin = 0;
            my_end = avail;
        }
        if (my_end == my_storage.size()) {
            line = take_long_line();
            return true;
        }
        const std::size_t scanned = my_end;
        read_more();
        if (const void* lf = std::memchr(my_data + scanned, '\n', my_end - scanned)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - my_data);
            my_begin = length + 1;
            line = finish(my_data, length);
            return true;
        }
    }
}

// ---------------------------------------------------------------------------------------------

LogRecordParser::LogRecordParser(UtcOffsetSource offset_at) : my_times(std::move(offset_at)) {}

bool LogRecordParser::parse(std::string_view line, LogRecordView& record)
{
    RawRecord raw;
    if (!read_fields(line, raw))
        return false;
    const int(&d)[3] = raw.ci_date;
    const int(&t)[3] = raw.ci_time;
    const TimeStamp ci = my_times.to_moment(d[0], d[1], d[2], t[0], t[1], t[2]);
    const int(&e)[3] = raw.co_date;
    const int(&u)[3] = raw.co_time;
    const TimeStamp co = my_times.to_moment(e[0], e[1], e[2], u[0], u[1], u[2]);
    if (ci == -1 || co == -1 || co < ci)
        return false;
    record.ci = ci;
    record.co = co;
    record.duration = co - ci;
    record.category = raw.category;
    record.project = raw.project;
    return true;
}

bool LogRecordParser::parse(std::string_view line, LogRecord& record)
{
    LogRecordView view;
    if (!parse(line, view))
        return false;
    record.ci = view.ci;
    record.co = view.co;
    record.duration = view.duration;
    record.category.assign(view.category);
    record.project.assign(view.project);
    record.names_end = static_cast<std::size_t>(view.project.data() + view.project.size() - line.data());
    return true;
}

} // namespace velkor
