#pragma once
// Appending one record to the log so that it is either wholly on disk or not there at all.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velkor {

/// Where the log writer puts a record. One append is open, write, flush, close; a failed step is
/// followed by roll_back, which returns the file to the size it had before open.
class LogSink
{
public:
    virtual ~LogSink() = default;
    /// Opens path for appending, creating it when missing; false on failure (also for anything
    /// but a regular file).
    virtual bool open(const std::string& path) = 0;
    /// Appends all bytes; false when not all of them were written.
    virtual bool write(std::string_view bytes) = 0;
    /// Forces the written bytes to disk; false on failure.
    virtual bool flush() = 0;
    /// Closes the file; false on failure.
    virtual bool close() = 0;
    /// Undoes the append after a failed step (open or already closed); a file that open created
    /// is removed again. False when the file could not be restored.
    virtual bool roll_back() = 0;
};

/// The POSIX log sink: O_APPEND writes, fsync, ftruncate back on failure.
class LogAppend : public LogSink
{
public:
    /// Forces a descriptor's data to disk: 0 on success, else -1 with errno set (fsync's contract).
    using SyncCall = std::function<int(int fd)>;

    /// sync is ::fsync unless a test watches it.
    explicit LogAppend(SyncCall sync = nullptr);
    ~LogAppend() override;
    LogAppend(const LogAppend&) = delete;
    LogAppend& operator=(const LogAppend&) = delete;

    bool open(const std::string& path) override;
    bool write(std::string_view bytes) override;
    bool flush() override;
    bool close() override;
    bool roll_back() override;

    /// errno of the last failed step, 0 when none failed.
    int error() const { return my_error; }

private:
    bool fail();

    SyncCall my_sync;
    std::string my_path;
    int my_fd = -1;
    std::int64_t my_start_size = 0;
    bool my_created = false;
    bool my_opened = false;
    int my_error = 0;
};

} // namespace velkor
