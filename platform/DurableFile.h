#pragma once
// Files that must survive a crash or a full disk: whole-file replacement through a temporary
// file and rename, and appends that are flushed to disk or undone.

#include <string>
#include <string_view>

namespace velkor {

/// Creates the temporary file of a rewrite from a mkstemp template (the trailing X's are
/// replaced): the open descriptor, or -1 with errno set. Tests pass one that fails.
using TempFileMaker = int (*)(char* name_template);

/// What a rewrite does with a symbolic link in the place of the file.
enum class Links
{
    Follow,  ///< the link's target is replaced (files the user names and may have linked)
    Replace, ///< the link itself is replaced (the program's own files beside the log)
};

/// Replaces the file with bytes: a temporary file in the same folder is written, flushed to disk
/// and renamed over the old one; a followed link has its target replaced in the target's folder.
/// Only where the folder forbids new files (EACCES, EPERM, EROFS) is the file written in place;
/// after any other failure the old file is left exactly as it was. A new file gets the mode the
/// umask gives, a replaced one keeps its mode. Anything but a regular file is refused (EISDIR,
/// EINVAL). Returns 0 on success, else the errno value of the failure.
int write_file_atomically(const std::string& path, std::string_view bytes, Links links = Links::Follow,
                          TempFileMaker make_temp = nullptr);

/// A file replaced by content that arrives in pieces (a copy of another file): the pieces go to a
/// temporary file beside it, which commit() flushes to disk and renames over the file. Until then
/// the file stays exactly as it was, whatever fails; a ReplacingFile destroyed without a commit
/// removes its temporary file. Links are treated as by write_file_atomically, and the temporary
/// file takes over the old file's owner and mode. Unlike write_file_atomically it never writes in
/// place: a folder that forbids new files is a failure.
class ReplacingFile
{
public:
    explicit ReplacingFile(std::string path, Links links = Links::Follow, TempFileMaker make_temp = nullptr);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Makes the temporary file: 0, or the errno value of the failure.
    [[nodiscard]] int open();
    /// Appends bytes to the temporary file: 0, or the errno value of the failure.
    [[nodiscard]] int write(std::string_view bytes);
    /// Flushes the temporary file to disk and renames it over the file: 0, or the errno value of
    /// the failure (the file is then untouched).
    [[nodiscard]] int commit();

private:
    void discard();

    std::string my_path;
    Links my_links;
    TempFileMaker my_make_temp;
    std::string my_target;
    std::string my_temp;
    int my_fd = -1;
};

/// Removes the temporary files that rewrites of path left behind when they were cut short (the
/// program killed before its rename). A temporary file that a running rewrite, of this or of
/// another copy of the program, is still writing is left alone.
void remove_interrupted_rewrites(const std::string& path);

} // namespace velkor
