#include "tests/support/TempDir.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velkor::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velkor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    my_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(my_path, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(my_path, ec);
}

ScopedWorkingDir::ScopedWorkingDir(const std::filesystem::path& dir) : my_previous(std::filesystem::current_path())
{
    std::filesystem::current_path(dir);
}

ScopedWorkingDir::~ScopedWorkingDir()
{
    std::error_code ec;
    std::filesystem::current_path(my_previous, ec);
}

ScopedTimeZone::ScopedTimeZone(const char* zone)
{
    if (const char* old = std::getenv("TZ")) {
        my_previous = old;
        my_had_previous = true;
    }
    setenv("TZ", zone, 1);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone()
{
    if (my_had_previous)
        setenv("TZ", my_previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace velkor::test
