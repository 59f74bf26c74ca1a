#pragma once
// Real files in a fresh temporary folder, removed at the end of the test.

#include <filesystem>
#include <string>

namespace velkor::test {

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return my_path; }
    std::string file(const std::string& name) const { return (my_path / name).string(); }

private:
    std::filesystem::path my_path;
};

/// Makes a temporary folder the working folder for the lifetime of the object.
class ScopedWorkingDir
{
public:
    explicit ScopedWorkingDir(const std::filesystem::path& dir);
    ~ScopedWorkingDir();

private:
    std::filesystem::path my_previous;
};

/// Sets TZ (and calls tzset) for the lifetime of the object.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();

private:
    std::string my_previous;
    bool my_had_previous = false;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

} // namespace velkor::test
