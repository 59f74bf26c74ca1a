#include "core/ProjectListStore.h"

#include "base/Utf8Text.h"
#include "core/HiddenList.h"
#include "core/LineReader.h"
#include "core/ProjectFile.h"
#include "core/RememberedMemoFile.h"
#include "platform/DurableFile.h"

#include <cerrno>
#include <cstring>

namespace velkor {

namespace {

std::string with_reason(const std::string& text, int error)
{
    return text + "\n" + std::strerror(error);
}

} // namespace

ProjectList ProjectListStore::load(const std::string& path)
{
    my_project_file = path;
    my_memo_file.clear();
    ProjectList list;
    std::string bytes;
    if (int error = read_whole_file(path, bytes); error != 0) {
        if (error != ENOENT)
            my_prompt.message(with_reason("Cannot read from " + message_excerpt(path), error), "Error", Buttons::Ok,
                              Icon::Stop);
        return list;
    }
    ProjectFileResult result = read_project_file(bytes, list, my_prompt);
    // These rewrites leave the hidden list alone: the list being read is not the program's list
    // yet. A failed rewrite asks for no reload either: reloading would run this same load again,
    // and fail again, without end.
    if (result.old_format)
        (void)write_project_file(list);

    if (read_whole_file(kHiddenListFile, bytes) == 0)
        read_hidden_list(bytes, list);
    my_memo_file = memo_file_name(path);
    if (read_whole_file(my_memo_file, bytes) == 0)
        read_remembered_memos(bytes, list);

    if (result.errors && my_prompt.message("There were errors found in your project list.\n"
                                           "Would you like these errors to be removed?",
                                           "Error", Buttons::YesNo, Icon::Question) == Answer::Yes)
        (void)write_project_file(list);
    return list;
}

StoreResult ProjectListStore::save(const ProjectList& list)
{
    save_hidden_list(list);
    return write_project_file(list);
}

StoreResult ProjectListStore::write_project_file(const ProjectList& list)
{
    if (int error = write_file_atomically(my_project_file, format_project_file(list)); error != 0) {
        my_prompt.message(with_reason("Cannot write to " + message_excerpt(my_project_file), error), "Error",
                          Buttons::Ok, Icon::Stop);
        return StoreResult::Failed;
    }
    // A list that started without a project file has no remembered-memo file yet; once its
    // project file exists, memos remembered from now on must be kept too. An existing memo file
    // that this list never read is left alone.
    if (my_memo_file.empty()) {
        std::string memo_file = memo_file_name(my_project_file);
        std::string ignored;
        if (read_whole_file(memo_file, ignored) == ENOENT)
            my_memo_file = memo_file;
    }
    return StoreResult::Written;
}

StoreResult ProjectListStore::save_hidden_list(const ProjectList& list)
{
    return write_file_atomically(kHiddenListFile, format_hidden_list(list)) == 0 ? StoreResult::Written
                                                                                 : StoreResult::Failed;
}

StoreResult ProjectListStore::save_remembered_memos(const ProjectList& list)
{
    if (my_memo_file.empty())
        return StoreResult::NotWritten;
    if (int error = write_file_atomically(my_memo_file, format_remembered_memos(list)); error != 0) {
        my_prompt.message(with_reason("Cannot write remembered memos to " + message_excerpt(my_memo_file), error),
                          "Error", Buttons::Ok, Icon::Stop);
        return StoreResult::Failed;
    }
    return StoreResult::Written;
}

} // namespace velkor
