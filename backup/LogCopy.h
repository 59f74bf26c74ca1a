#pragma once
// The File menu's Backup and Restore of the log: a copy made by hand, in blocks of 4096 bytes,
// whose every outcome is told in a message box.

#include <string>

namespace velkor {

class Prompt;

/// Copies log_file to target ("Backup status:"). A failed copy leaves no partial target behind:
/// a target this call created is removed, one it was writing is deleted. True when completed.
bool BackupLogFile(const std::string& log_file, const std::string& target, Prompt& prompt);

/// Copies source over log_file ("Restore status:"), asking first when the log exists. The copy
/// goes to a temporary file beside the log, which replaces the log only once it is complete, so
/// a failure leaves the log exactly as it was. True when completed.
bool RestoreLogFile(const std::string& log_file, const std::string& source, Prompt& prompt);

} // namespace velkor
