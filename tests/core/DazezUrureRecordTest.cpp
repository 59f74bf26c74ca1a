#include "tests/core/SessionFixture.h"

namespace velkor::test {
namespace {

using namespace std::string_literals;

DazezUrureData sample()
{
    return {TimeRec{5, 9, 7, 0}, DateRec{2024, 7, 3}, "Work", "Report", "a\r\nb", "X\tY"};
}

// state 1; minute, hour, hundredths, second; year LE, day, month; then length-prefixed C strings.
const std::string kSampleLck = "\x01\x00\x00\x00"
                               "\x05\x09\x07\x00"
                               "\xE8\x07\x00\x00\x07\x03"
                               "\x05\x00\x00\x00"
                               "Work\0"
                               "\x07\x00\x00\x00"
                               "Report\0"
                               "\x05\x00\x00\x00"
                               "a\r\nb\0"
                               "\x04\x00\x00\x00"
                               "X\tY\0"s;

RecordWriteResult write_sample(DazezUrureRecord& record)
{
    const DazezUrureData d = sample();
    return record.WriteDazezUrureRecord(1, d.check_in_time, d.check_in_date, d.category, d.project, 2550, d.memo,
                                        d.environment);
}

TEST(DazezUrureRecordTest, BytesOfTheLockRecordAndTheMirror)
{
    TempDir dir;
    MemoryStore store;
    store.bytes = std::string(100, '#'); // an older, longer record
    DazezUrureRecord record(&store, dir.file("velkors.clg"));
    ASSERT_EQ(write_sample(record), RecordWriteResult::Written);

    EXPECT_EQ(store.bytes.substr(0, kSampleLck.size()), kSampleLck);
    EXPECT_EQ(store.bytes.substr(kSampleLck.size()), std::string(100 - kSampleLck.size(), '#')); // never truncated
    EXPECT_EQ(read_file(dir.file("velkors.clg")), "\x05\x09\x07\x00\xE8\x07\x00\x00\x07\x03"
                                                  "Work\nReport\n2550\na\\/b\nX\tY\n"s);
}

TEST(DazezUrureRecordTest, ReadBackKeepsTheMemoAsTypedAndCutsAnOverLongOne)
{
    MemoryStore store;
    DazezUrureRecord record(&store, "");
    ASSERT_EQ(write_sample(record), RecordWriteResult::Written);
    DazezUrureData back;
    ASSERT_TRUE(record.ReadDazezUrureRecord(back));
    EXPECT_EQ(back.memo, "a\r\nb");
    EXPECT_EQ(EncodeLckRecord(back), kSampleLck);

    // Long strings are read in pieces and joined; an over-long memo is cut to the 1009 bytes kept.
    DazezUrureData d = sample();
    d.category = std::string(700, 'c');
    d.memo = std::string(1060, 'm');
    store.bytes = EncodeLckRecord(d);
    ASSERT_TRUE(DecodeLckRecord(store, back));
    EXPECT_EQ(back.category, d.category);
    EXPECT_EQ(back.memo, std::string(1009, 'm'));
}

TEST(DazezUrureRecordTest, ClearingOverwritesOnlyTheStateAndRemovesTheMirror)
{
    TempDir dir;
    MemoryStore store;
    DazezUrureRecord record(&store, dir.file("velkors.clg"));
    ASSERT_EQ(write_sample(record), RecordWriteResult::Written);
    EXPECT_EQ(record.clear(), RecordWriteResult::Written);
    EXPECT_EQ(store.bytes.substr(0, 8), "\x00\x00\x00\x00\x05\x09\x07\x00"s);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.clg")));
    DazezUrureData back;
    EXPECT_FALSE(record.ReadDazezUrureRecord(back));
    EXPECT_EQ(record.clear(), RecordWriteResult::Written) << "a mirror already gone is no failure";
}

TEST(DazezUrureRecordTest, WriteFailuresAreReturned)
{
    TempDir dir;
    MemoryStore store;
    DazezUrureRecord none;
    EXPECT_EQ(write_sample(none), RecordWriteResult::NoRecordFile);
    EXPECT_EQ(none.clear(), RecordWriteResult::NoRecordFile);

    // The lock file refuses: the record is not kept, and the mirror is not touched.
    store.fail_writes = true;
    DazezUrureRecord refused(&store, dir.file("velkors.clg"));
    EXPECT_EQ(write_sample(refused), RecordWriteResult::RecordFailed);
    EXPECT_EQ(refused.clear(), RecordWriteResult::RecordFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.clg")));

    // The record is kept but its mirror cannot be written, or (a folder in its place) not deleted.
    store.fail_writes = false;
    DazezUrureRecord no_mirror(&store, dir.file("missing/velkors.clg"));
    EXPECT_EQ(write_sample(no_mirror), RecordWriteResult::MirrorFailed);
    EXPECT_EQ(store.bytes.substr(0, kSampleLck.size()), kSampleLck);
    std::filesystem::create_directories(dir.file("velkors.clg/inside"));
    DazezUrureRecord stuck(&store, dir.file("velkors.clg"));
    EXPECT_EQ(stuck.clear(), RecordWriteResult::MirrorFailed);
    EXPECT_EQ(store.bytes.substr(0, 4), "\x00\x00\x00\x00"s);
}

TEST(DazezUrureRecordTest, ALinkPlantedInTheMirrorsPlaceIsReplacedNeverWrittenThrough)
{
    TempDir dir;
    MemoryStore store;
    DazezUrureRecord record(&store, dir.file("velkors.clg"));
    write_file(dir.file("other.txt"), "someone's file");
    std::filesystem::create_symlink("other.txt", dir.file("velkors.clg"));
    ASSERT_EQ(write_sample(record), RecordWriteResult::Written);
    EXPECT_EQ(read_file(dir.file("other.txt")), "someone's file");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("velkors.clg")));
}

// Damaged records count as no session: no crash, no huge allocation, no endless read.
TEST(DazezUrureRecordTest, DamagedRecordsAreNoSession)
{
    auto patched = [](std::size_t at, std::string bytes) {
        std::string r = kSampleLck;
        r.replace(at, bytes.size(), bytes);
        return r;
    };
    std::vector<std::string> damaged = {
        patched(20, "\xFF\xFF\xFF\x7F"s), // category length far beyond the end
        patched(20, "\x00\x00\x00\x80"s), // negative length
        patched(20, "\x00\x00\x00\x00"s), // zero: not even the NUL
        patched(24, "Work!"),             // no terminating NUL
        patched(0, "\x02\x00\x00\x00"s),  // unknown state
        patched(13, "\x0D"s),             // month 13
        patched(5, "\x18"s),              // hour 24
        kSampleLck.substr(0, 3),          // state cut short
    };
    // A memo length over 1010 bytes, with the bytes really there.
    damaged.push_back(kSampleLck.substr(0, 34) + "\xF3\x03\x00\x00"s + std::string(1010, 'm') + '\0' +
                      kSampleLck.substr(43));
    // Every proper prefix of a good record.
    for (std::size_t n = 0; n < kSampleLck.size(); ++n)
        damaged.push_back(kSampleLck.substr(0, n));

    for (const std::string& bytes : damaged) {
        MemoryStore store;
        store.bytes = bytes;
        DazezUrureData out;
        EXPECT_FALSE(DecodeLckRecord(store, out)) << testing::PrintToString(bytes);
    }
}

} // namespace
} // namespace velkor::test
