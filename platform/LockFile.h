#pragma once
// The lock file that keeps a second running copy off the same log: opened (created if missing,
// never truncated), locked exclusively without waiting, and kept open for the life of the lock.
// Its content is written and read by others through write_at_start and read_at.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

class LockFile
{
public:
    LockFile() = default;
    /// Closes the file, which releases the lock; the file itself stays.
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    /// Opens and locks path. Returns 0, or the errno of the failure (EWOULDBLOCK when another
    /// open of the file holds the lock, ELOOP for a symbolic link in its place, EISDIR or EINVAL
    /// for anything but a regular file); on failure nothing is kept open.
    int open(const std::string& path);
    void close();
    bool is_open() const { return my_fd >= 0; }
    const std::string& path() const { return my_path; }
    /// True when path names the file this object holds open (the same file under another name too).
    bool is_same_file(const std::string& path) const;

    /// Writes bytes at offset 0 in one piece and flushes them to disk; false on failure.
    bool write_at_start(std::string_view bytes);
    /// Reads up to n bytes at offset; the number read (0 at the end), or -1 on error.
    long read_at(std::uint64_t offset, char* buffer, std::size_t n);

private:
    int my_fd = -1;
    std::string my_path;
};

/// The system's text for an errno value.
std::string system_error_text(int code);

} // namespace velkor
