#include "classlib/IniFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

using namespace velkor;

namespace {

// A backing store in memory that records how the cache uses it.
class MemoryIni : public IniFile
{
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<int> read_sizes;
    std::vector<std::string> writes;
    int batches = 0;

protected:
    int read(const std::string& section, const std::string& key, const char* def, char* buffer, int size) override
    {
        read_sizes.push_back(size);
        auto it = values.find({section, key});
        std::string text = it == values.end() ? def : it->second;
        int n = std::min(static_cast<int>(text.size()), size - 1);
        std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
        buffer[n] = '\0';
        return n;
    }
    void write(const std::string& section, const std::string& key, const std::string& value) override
    {
        writes.push_back(section + "/" + key + "=" + value);
    }
    int end_writes() override
    {
        ++batches;
        return 0;
    }
};

} // namespace

TEST(IniFile, AbsentAndEmptyValuesAreDistinctAndEachKeyIsReadOnce)
{
    MemoryIni ini;
    ini.values[{"velkors", "Empty"}] = "";
    ini.values[{"velkors", "Title"}] = "Mine";

    EXPECT_EQ(ini.get_text("velkors", "Empty", "default"), "");
    EXPECT_EQ(ini.get_text("velkors", "Missing", "default"), "default");
    EXPECT_EQ(ini.get_text("velkors", "Missing", "other"), "other"); // absence is cached, default is per call
    EXPECT_EQ(ini.get_text("velkors", "Title", ""), "Mine");
    EXPECT_EQ(ini.read_sizes.size(), 3u);

    // A later change in the file is not seen: the cache answers.
    ini.values[{"velkors", "Title"}] = "Changed";
    ini.values[{"velkors", "Missing"}] = "now here";
    EXPECT_EQ(ini.get_text("VELKORS", "title", ""), "Mine"); // names ignore case
    EXPECT_EQ(ini.get_text("velkors", "Missing", "d"), "d");
    EXPECT_EQ(ini.read_sizes.size(), 3u);

    ini.clear();
    EXPECT_EQ(ini.get_text("velkors", "Title", ""), "Changed");
}

TEST(IniFile, LongValuesAreReadWholeByDoublingTheBuffer)
{
    MemoryIni ini;
    std::string long_value(300, 'a');
    std::string exact(255, 'b'); // fills a 256 buffer exactly, so it needs a second read to be sure
    ini.values[{"s", "Long"}] = long_value;
    ini.values[{"s", "Exact"}] = exact;
    ini.values[{"s", "Huge"}] = std::string(5000, 'c');

    EXPECT_EQ(ini.get_text("s", "Long", ""), long_value);
    EXPECT_EQ(ini.read_sizes, (std::vector<int>{256, 512}));
    EXPECT_EQ(ini.get_text("s", "Exact", ""), exact);
    EXPECT_EQ(ini.get_text("s", "Huge", "").size(), 5000u);

    char small[8];
    EXPECT_EQ(ini.get_text("s", "Long", "", small, sizeof small), 7);
    EXPECT_STREQ(small, "aaaaaaa");
    EXPECT_EQ(ini.get_text("s", "Nothing", "0123456789", small, sizeof small), 7);
    EXPECT_STREQ(small, "0123456");
}

TEST(IniFile, GetIntTakesTheLeadingNumberOnlyAfterADigitOrMinusDigit)
{
    MemoryIni ini;
    const std::pair<const char*, int> cases[] = {{"-5", -5},
                                                 {"- 5", 42},
                                                 {"x5", 42},
                                                 {"12abc", 12},
                                                 {"", 42},
                                                 {" 7", 42},
                                                 {"+7", 42},
                                                 {"0", 0},
                                                 {"99999999999", 2147483647},
                                                 {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, expected] : cases) {
        ini.values[{"s", text}] = text; // the text doubles as the key name
        EXPECT_EQ(ini.get_int("s", text, 42), expected) << '"' << text << '"';
    }
    EXPECT_EQ(ini.get_int("s", "absent", 42), 42);
}

TEST(IniFile, PutMarksDirtyOnlyOnChangeAndFlushWritesNewestFirst)
{
    MemoryIni ini;
    ini.values[{"velkors", "Margin"}] = "4";
    EXPECT_EQ(ini.get_int("velkors", "Margin", 0), 4);
    ini.put_int("velkors", "margin", 4); // same value, other case: not dirty
    ini.flush();
    EXPECT_TRUE(ini.writes.empty());
    EXPECT_EQ(ini.batches, 0); // nothing to write: the backing file is not touched

    ini.put_text("velkors", "A", "1");
    ini.put_text("Reporter", "DateFormat", "2");
    ini.put_text("velkors", "B", "2");
    ini.put_text("velkors", "Margin", "5");
    ini.put_text("velkors", "Empty", ""); // absent before: an empty value is still a change
    ini.flush();
    EXPECT_EQ(ini.writes, (std::vector<std::string>{"Reporter/DateFormat=2", "velkors/Empty=", "velkors/B=2",
                                                    "velkors/A=1", "velkors/Margin=5"}));
    EXPECT_EQ(ini.batches, 1);

    ini.writes.clear();
    ini.flush(); // everything is clean now
    EXPECT_TRUE(ini.writes.empty());
    ini.flush(true); // write_all writes every known value
    EXPECT_EQ(ini.writes.size(), 5u);

    // A read-only store keeps its changes dirty until it may write again.
    ini.set_read_only(true);
    ini.writes.clear();
    ini.put_text("s", "k", "v");
    ini.flush();
    EXPECT_TRUE(ini.writes.empty());
    ini.set_read_only(false);
    ini.flush();
    EXPECT_EQ(ini.writes, std::vector<std::string>{"s/k=v"});
}
