#pragma once
// The DazezUrure record: a copy of the open session kept in the lock file (binary, read back at
// the next start) and a readable mirror in the .clg file (written only, for the user's eyes).

#include "core/TimeValues.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

/// Where the binary record lives: the lock file in the program, a file or memory in tests.
class RecordStore
{
public:
    virtual ~RecordStore() = default;
    /// Writes bytes at offset 0 in one piece and flushes them to disk; false on failure.
    virtual bool write_at_start(std::string_view bytes) = 0;
    /// Reads up to n bytes at offset into buffer; returns the number read (0 at the end), -1 on error.
    virtual long read_at(std::uint64_t offset, char* buffer, std::size_t n) = 0;
};

/// The fields of an open session as the record keeps them.
struct DazezUrureData
{
    TimeRec check_in_time{};
    DateRec check_in_date{};
    std::string category;
    std::string project;
    std::string memo;
    std::string environment;
};

/// The .lck bytes of an open session (state 1), little-endian whatever the machine.
std::string EncodeLckRecord(const DazezUrureData& data);
/// The .clg mirror bytes: raw time and date, then one LF-ended line per field.
std::string EncodeClgMirror(const DazezUrureData& data, int rate);
/// Reads an open session from the store; false when there is none, or the record is short or damaged.
bool DecodeLckRecord(RecordStore& store, DazezUrureData& data);

/// What writing the record achieved. The binary record in the lock file is what the next start
/// reads; the mirror is only for the user's eyes, so its failure is told apart.
enum class RecordWriteResult
{
    Written,
    NoRecordFile, ///< no lock file is open: nothing was written
    RecordFailed, ///< the lock file could not be written or synced
    MirrorFailed, ///< the record was written, the .clg mirror could not be written or deleted
};

/// The record of one program run: the lock file's store (none when the lock file is not open)
/// and the name of the .clg mirror beside it.
class DazezUrureRecord
{
public:
    DazezUrureRecord() = default;
    DazezUrureRecord(RecordStore* store, std::string clg_path) : my_store(store), my_clg_path(std::move(clg_path)) {}

    /// Points the record at another lock file (a new log file); null when no lock file is open.
    void attach(RecordStore* store, std::string clg_path)
    {
        my_store = store;
        my_clg_path = std::move(clg_path);
    }
    bool is_open() const { return my_store != nullptr; }

    /// State 1 stores the open session and rewrites .clg; state 0 stores only the state and deletes .clg.
    [[nodiscard]] RecordWriteResult WriteDazezUrureRecord(int state, const TimeRec& check_in_time,
                                                          const DateRec& check_in_date, const std::string& category,
                                                          const std::string& project, int rate, const std::string& memo,
                                                          const std::string& environment);
    /// Clears the record: no session open.
    [[nodiscard]] RecordWriteResult clear() { return WriteDazezUrureRecord(0, {}, {}, {}, {}, 0, {}, {}); }
    /// Reads the open session; false when there is none or the record cannot be read whole.
    bool ReadDazezUrureRecord(DazezUrureData& data);

private:
    RecordStore* my_store = nullptr;
    std::string my_clg_path;
};

} // namespace velkor
