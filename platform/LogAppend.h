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
    /// Appends all bytes as a line of their own: when the file's last byte is not LF, a line end
    /// goes first (LF after a lone CR, else CR LF), in the same write. False when not all of
    /// them were written.
    virtual bool write(std::string_view bytes) = 0;
    /// Forces the written bytes to disk; false on failure.
    virtual bool flush() = 0;
    /// Closes the file; false on failure.
    virtual bool close() = 0;
    /// Undoes the append after a failed step (open or already closed); a file that open created
    /// is removed again. False when the file could not be restored.
    virtual bool roll_back() = 0;
    /// Reads the file of the last open back: true when it ends with bytes. False also when it
    /// cannot be read.
    virtual bool ends_with(std::string_view bytes) = 0;
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
    bool ends_with(std::string_view bytes) override;

    /// errno of the last failed step, 0 when none failed.
    int error() const { return my_error; }

private:
    bool fail();
    /// What the file needs before a record of its own, from its last byte (nothing when that
    /// cannot be read: a log opened for writing only).
    std::string_view missing_line_end() const;

    SyncCall my_sync;
    std::string my_path;
    int my_fd = -1;
    std::int64_t my_start_size = 0;
    std::string_view my_line_end; ///< still to be written before the next bytes
    bool my_created = false;
    bool my_opened = false;
    int my_error = 0;
};

} // namespace velkor
