#pragma once
// The numbered copies of the log in the backup folder, and the two steps that free copy 1 for a
// new copy: making room (plain, or with the Smart Backup check that a copy's content is still in
// the next newer one before it is thrown away) and shifting the copies one number up.

#include "backup/BackupNames.h"

#include <string>

namespace velkor {

class Prompt;

/// Whether the older file of a pair is the beginning of the newer one.
enum class PrefixMatch
{
    Match,
    Differs,
    OlderUnreadable,
    NewerUnreadable
};

/// Every byte of older equals the byte at the same position of newer (newer may be longer; an
/// empty older file matches).
PrefixMatch starts_with_file(const std::string& older, const std::string& newer);

class BackupRotation
{
public:
    /// Copy 0 is log_file itself; messages go through prompt.
    BackupRotation(BackupCopyNames names, std::string log_file, Prompt& prompt);

    /// Ends with one of copies 1..copies missing. Without smart the oldest copy is deleted; with
    /// it the pairs are compared from the oldest and the older file of the first matching one is
    /// deleted, and when none matches copies is raised by one. False when the run must stop (the
    /// user has been told).
    bool make_room(int& copies, bool smart);
    /// Gives copies 1..k-1 the names of copies 2..k, k the first missing copy. False when the run
    /// must stop (told).
    bool shift(int copies);

    /// The name of copy i; copy 0 is the log file.
    std::string name(int i) const;

private:
    bool exists(int i) const;
    /// The first copy among 1..copies that does not exist, or 0 when all do.
    int first_missing(int copies) const;
    bool remove(int i);
    bool pair_matches(int older);
    void tell(const std::string& text);
    bool fail(const std::string& text);

    BackupCopyNames my_names;
    std::string my_log_file;
    Prompt& my_prompt;
};

} // namespace velkor
