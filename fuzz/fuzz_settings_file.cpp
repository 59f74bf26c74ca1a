// Arbitrary bytes as a settings file: parse, look keys up through the cache, decode the values,
// put a value, serialise and read the result back.
#include "classlib/ColorText.h"
#include "classlib/IniFile.h"
#include "classlib/ProfileFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using namespace velkor;

// The cache in front of a parsed file in memory.
class FuzzIni : public IniFile
{
public:
    explicit FuzzIni(ProfileFile& file) : my_file(file) {}

protected:
    int read(const std::string& section, const std::string& key, const char* def, char* buffer, int size) override
    {
        std::optional<std::string> value = my_file.get(section, key);
        std::string_view text = value ? std::string_view(*value) : std::string_view(def);
        std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<int>(n);
    }
    void write(const std::string& section, const std::string& key, const std::string& value) override
    {
        my_file.set(section, key, value);
    }

private:
    ProfileFile& my_file;
};

class SilentPrompt : public Prompt
{
public:
    using Prompt::message;
    Answer message(const Message&) override { return Answer::Ok; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileFile file = ProfileFile::parse(bytes);
    if (file.serialise() != bytes)
        std::abort(); // untouched files must come back byte for byte

    FuzzIni ini(file);
    SilentPrompt prompt;
    FontDescription font;
    parse_font(get(ini, kFont), font);
    read_bk_color(ini, make_rgb(240, 240, 240), prompt);
    parse_window_size(get(ini, kWindowSize));
    parse_window_position(get(ini, kWindowPosition));
    get_yes_no(ini, kWindowMaximized);
    get_int(ini, kDateFormat);
    get(ini, indexed(kEnvVar, 1));

    std::string value = get(ini, kWindowTitle) + "x";
    put(ini, kLogFile, value);
    put_int(ini, kMargin, 7);
    ini.flush();

    ProfileFile reread = ProfileFile::parse(file.serialise());
    std::optional<std::string> stored = reread.get(kSettingsSection, "LogFile");
    if (!stored || stored->back() != 'x' || reread.get("VELKORS", "margin") != "7")
        std::abort(); // a put value must read back
    return 0;
}
