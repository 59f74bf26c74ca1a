#include "core/DazezUrureRecord.h"

#include "base/Utf8Text.h"
#include "core/LogWriter.h"
#include "core/MemoList.h"
#include "platform/DurableFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace velkor {

namespace {

// Bounds for a record read back: a damaged length must never make the reader allocate or read
// without end. Names and the environment string are far below these in any real record.
constexpr std::int32_t kMaxNameBytes = 64 * 1024;
constexpr std::int32_t kMaxEnvironmentBytes = 1024 * 1024;
constexpr std::size_t kReadPiece = 256;

void put_int32(std::string& out, std::int32_t value)
{
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void put_time(std::string& out, const TimeRec& t)
{
    out.push_back(static_cast<char>(t.minute));
    out.push_back(static_cast<char>(t.hour));
    out.push_back(static_cast<char>(t.hundredths));
    out.push_back(static_cast<char>(t.second));
}

void put_date(std::string& out, const DateRec& d)
{
    put_int32(out, d.year);
    out.push_back(static_cast<char>(d.day));
    out.push_back(static_cast<char>(d.month));
}

void put_string(std::string& out, std::string_view s)
{
    s = s.substr(0, s.find('\0')); // the record keeps C strings
    put_int32(out, static_cast<std::int32_t>(s.size() + 1));
    out.append(s);
    out.push_back('\0');
}

// As in the log: CR LF becomes "\/", any other CR or LF a blank (same length).
std::string transformed_memo(std::string_view memo)
{
    std::string out(memo.size(), '\0');
    transform_memo(memo, out.data());
    return out;
}

// A check-in moment that no clock could have produced marks the record as damaged.
bool plausible(const TimeRec& t, const DateRec& d)
{
    return t.hour < 24 && t.minute < 60 && t.second < 60 && d.year >= 1900 && d.year <= 9999 && d.month >= 1 &&
           d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.month, d.year);
}

class Reader
{
public:
    explicit Reader(RecordStore& store) : my_store(store) {}

    bool bytes(char* buffer, std::size_t n)
    {
        long got = my_store.read_at(my_offset, buffer, n);
        if (got < 0 || static_cast<std::size_t>(got) != n)
            return false;
        my_offset += n;
        return true;
    }

    bool int32(std::int32_t& value)
    {
        unsigned char b[4];
        if (!bytes(reinterpret_cast<char*>(b), 4))
            return false;
        std::uint32_t u = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        value = static_cast<std::int32_t>(u);
        return true;
    }

    // A length n (including the NUL) then n bytes, read in pieces so that only bytes that are
    // really there are ever held; a length outside 1..max or a missing NUL is damage.
    bool string(std::string& out, std::int32_t max)
    {
        std::int32_t n = 0;
        if (!int32(n) || n < 1 || n > max)
            return false;
        out.clear();
        char piece[kReadPiece];
        for (auto left = static_cast<std::size_t>(n); left > 0;) {
            std::size_t k = std::min(left, kReadPiece);
            if (!bytes(piece, k))
                return false;
            out.append(piece, k);
            left -= k;
        }
        if (out.back() != '\0')
            return false;
        out.resize(out.find('\0'));
        return true;
    }

private:
    RecordStore& my_store;
    std::uint64_t my_offset = 0;
};

} // namespace

std::string EncodeLckRecord(const DazezUrureData& data)
{
    std::string out;
    out.reserve(40 + data.category.size() + data.project.size() + data.memo.size() + data.environment.size());
    put_int32(out, 1);
    put_time(out, data.check_in_time);
    put_date(out, data.check_in_date);
    put_string(out, data.category);
    put_string(out, data.project);
    // Never write a memo the reader would refuse as damaged.
    put_string(out, cut_utf8(data.memo, kMemoMaxBytes));
    put_string(out, data.environment);
    return out;
}

std::string EncodeClgMirror(const DazezUrureData& data, int rate)
{
    std::string out;
    put_time(out, data.check_in_time);
    put_date(out, data.check_in_date);
    out += data.category + '\n';
    out += data.project + '\n';
    out += std::to_string(rate) + '\n';
    out += transformed_memo(data.memo) + '\n';
    out += data.environment + '\n';
    return out;
}

bool DecodeLckRecord(RecordStore& store, DazezUrureData& data)
{
    Reader in(store);
    std::int32_t state = 0;
    if (!in.int32(state) || state != 1)
        return false;
    char raw[10];
    if (!in.bytes(raw, sizeof raw))
        return false;
    auto byte = [&](int i) { return static_cast<std::uint8_t>(raw[i]); };
    data.check_in_time.minute = byte(0);
    data.check_in_time.hour = byte(1);
    data.check_in_time.hundredths = byte(2);
    data.check_in_time.second = byte(3);
    std::uint32_t year = byte(4) | (byte(5) << 8) | (byte(6) << 16) | (static_cast<std::uint32_t>(byte(7)) << 24);
    data.check_in_date.year = static_cast<std::int32_t>(year);
    data.check_in_date.day = static_cast<std::int8_t>(byte(8));
    data.check_in_date.month = static_cast<std::int8_t>(byte(9));
    return plausible(data.check_in_time, data.check_in_date) && in.string(data.category, kMaxNameBytes) &&
           in.string(data.project, kMaxNameBytes) &&
           in.string(data.memo, static_cast<std::int32_t>(kMemoBufferBytes)) &&
           in.string(data.environment, kMaxEnvironmentBytes);
}

RecordWriteResult DazezUrureRecord::WriteDazezUrureRecord(int state, const TimeRec& check_in_time,
                                                          const DateRec& check_in_date, const std::string& category,
                                                          const std::string& project, int rate, const std::string& memo,
                                                          const std::string& environment)
{
    if (!my_store)
        return RecordWriteResult::NoRecordFile;
    if (state == 0) {
        std::string bytes;
        put_int32(bytes, 0);
        if (!my_store->write_at_start(bytes))
            return RecordWriteResult::RecordFailed;
        // A mirror that is not there is as good as a deleted one.
        if (!my_clg_path.empty() && std::remove(my_clg_path.c_str()) != 0 && errno != ENOENT)
            return RecordWriteResult::MirrorFailed;
        return RecordWriteResult::Written;
    }
    DazezUrureData data{check_in_time, check_in_date, category, project, memo, environment};
    if (!my_store->write_at_start(EncodeLckRecord(data)))
        return RecordWriteResult::RecordFailed;
    // Never through a planted link.
    if (!my_clg_path.empty() && write_file_atomically(my_clg_path, EncodeClgMirror(data, rate), Links::Replace) != 0)
        return RecordWriteResult::MirrorFailed;
    return RecordWriteResult::Written;
}

bool DazezUrureRecord::ReadDazezUrureRecord(DazezUrureData& data)
{
    return my_store && DecodeLckRecord(*my_store, data);
}

} // namespace velkor
