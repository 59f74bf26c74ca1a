#include "backup/BackupRotation.h"

#include "backup/BlockCopy.h"
#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "platform/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {
namespace {

constexpr const char* kCaption = "Velkor AutoBackup";

std::string quoted(const std::string& path)
{
    return "\"" + message_excerpt(path) + "\"";
}

// Reads up to n bytes, fewer only at the end of the file; -1 on a read error.
long read_fully(int fd, char* buffer, std::size_t n)
{
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd, buffer + got, n - got);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        got += static_cast<std::size_t>(r);
    }
    return static_cast<long>(got);
}

struct ReadOnlyFile
{
    explicit ReadOnlyFile(const std::string& path) : fd(open_regular(path, O_RDONLY)) {}
    ~ReadOnlyFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    int fd;
};

} // namespace

PrefixMatch starts_with_file(const std::string& older, const std::string& newer)
{
    ReadOnlyFile old_file(older);
    if (old_file.fd < 0)
        return PrefixMatch::OlderUnreadable;
    ReadOnlyFile new_file(newer);
    if (new_file.fd < 0)
        return PrefixMatch::NewerUnreadable;
    char old_block[kCopyBlockBytes];
    char new_block[kCopyBlockBytes];
    for (;;) {
        const long got = read_fully(old_file.fd, old_block, sizeof old_block);
        if (got < 0)
            return PrefixMatch::OlderUnreadable;
        if (got == 0)
            return PrefixMatch::Match;
        const auto wanted = static_cast<std::size_t>(got);
        const long have = read_fully(new_file.fd, new_block, wanted);
        if (have < 0)
            return PrefixMatch::NewerUnreadable;
        if (static_cast<std::size_t>(have) != wanted || std::memcmp(old_block, new_block, wanted) != 0)
            return PrefixMatch::Differs;
    }
}

BackupRotation::BackupRotation(BackupCopyNames names, std::string log_file, Prompt& prompt)
    : my_names(std::move(names)), my_log_file(std::move(log_file)), my_prompt(prompt)
{
}

std::string BackupRotation::name(int i) const
{
    return i == 0 ? my_log_file : my_names.name(i);
}

bool BackupRotation::exists(int i) const
{
    struct stat info
    {
    };
    return ::lstat(name(i).c_str(), &info) == 0;
}

int BackupRotation::first_missing(int copies) const
{
    for (int i = 1; i <= copies; ++i) {
        if (!exists(i))
            return i;
    }
    return 0;
}

void BackupRotation::tell(const std::string& text)
{
    my_prompt.message(text, kCaption, Buttons::Ok, Icon::Exclamation);
}

bool BackupRotation::fail(const std::string& text)
{
    my_prompt.message("AutoBackup failed!\n\n" + text, kCaption, Buttons::Ok, Icon::Stop);
    return false;
}

bool BackupRotation::remove(int i)
{
    if (::unlink(name(i).c_str()) == 0)
        return true;
    return fail("The backup file " + quoted(name(i)) + "\ncannot be removed.");
}

bool BackupRotation::make_room(int& copies, bool smart)
{
    if (first_missing(copies) != 0)
        return true;
    if (!smart)
        return remove(copies);
    for (int older = copies; older >= 1; --older) {
        if (pair_matches(older))
            return remove(older);
    }
    tell("WARNING!\n\nEach of your backup log files contains information\nthat is not in the next newer backup log "
         "file, so\nnone can be deleted without the risk of losing data.\nTherefore, an additional backup log will be "
         "created.\n\nIt is highly recommend that you examine the backup logs\nto resolve this situation.  See the "
         "online help for tips.");
    ++copies;
    ::unlink(name(copies).c_str()); // whatever is in the new copy's place; shift tells if it stayed
    return true;
}

bool BackupRotation::pair_matches(int older)
{
    const std::string older_name = name(older);
    const std::string newer_name = name(older - 1);
    switch (starts_with_file(older_name, newer_name)) {
    case PrefixMatch::Match:
        return true;
    case PrefixMatch::Differs:
        break;
    case PrefixMatch::OlderUnreadable:
        tell("Could not read " + quoted(older_name) + "\nto compare it with " + quoted(newer_name) +
             "\n\nI must assume that they are different.");
        break;
    case PrefixMatch::NewerUnreadable:
        tell("Could not read \"" + message_excerpt(newer_name) + "\nto compare it with " + quoted(older_name) +
             "\nI must assume that they are different.");
        break;
    }
    tell("WARNING!\n\nThe older backup log file\n" + quoted(older_name) +
         "\ndoes not match the beginning of the newer file\n" + quoted(newer_name) +
         ".\n\nYour current log file may be missing some of the data\nin " + quoted(older_name) + ".");
    return false;
}

bool BackupRotation::shift(int copies)
{
    const int k = first_missing(copies);
    if (k == 0) // the place made for a raised count could not be cleared
        return fail("The backup file " + quoted(name(copies)) + "\ncannot be removed.");
    for (int i = k - 1; i >= 1; --i) {
        if (::rename(name(i).c_str(), name(i + 1).c_str()) != 0)
            return fail("The backup file " + quoted(name(i)) + "\ncould not be renamed to \"" +
                        message_excerpt(name(i + 1)));
    }
    return true;
}

} // namespace velkor
