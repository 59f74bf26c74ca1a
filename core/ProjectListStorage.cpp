// Loading a ProjectList from its three files and writing them back.

#include "classlib/Utf8Text.h"
#include "core/Assert.h"
#include "core/HiddenList.h"
#include "core/LineReader.h"
#include "core/ProjectFile.h"
#include "core/ProjectList.h"
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

void ProjectList::load(const std::string& path)
{
    my_project_file = path;
    Prompt& prompt = my_host->prompt();
    std::string bytes;
    if (int error = read_whole_file(path, bytes); error != 0) {
        if (error != ENOENT)
            prompt.message(with_reason("Cannot read from " + message_excerpt(path), error), "Error", Buttons::Ok,
                           Icon::Stop);
        return;
    }
    ProjectFileResult result = read_project_file(bytes, *this, prompt);
    // While loading, this list is not yet the program-wide one (a reload still holds the old
    // list), so these rewrites leave the hidden list alone. A failed rewrite asks for no reload:
    // reloading would run this same load again, and again fail, without end.
    if (result.old_format)
        write_project_file(false);

    if (read_whole_file(kHiddenListFile, bytes) == 0)
        read_hidden_list(bytes, *this);
    my_memo_file = memo_file_name(path);
    if (read_whole_file(my_memo_file, bytes) == 0)
        read_remembered_memos(bytes, *this);

    if (result.errors && prompt.message("There were errors found in your project list.\n"
                                        "Would you like these errors to be removed?",
                                        "Error", Buttons::YesNo, Icon::Question) == Answer::Yes)
        write_project_file(false);
}

void ProjectList::save()
{
    VELKOR_ASSERT(my_host != nullptr, "my_main_window != NULL");
    if (const ProjectList* program_wide = my_host->program_wide_list())
        program_wide->save_hidden_list();
    write_project_file(true);
}

void ProjectList::write_project_file(bool reload_on_failure)
{
    VELKOR_ASSERT(my_host != nullptr, "my_main_window != NULL");
    if (int error = write_file_atomically(my_project_file, format_project_file(*this)); error != 0) {
        my_host->prompt().message(with_reason("Cannot write to " + message_excerpt(my_project_file), error), "Error",
                                  Buttons::Ok, Icon::Stop);
        if (reload_on_failure)
            my_host->request_reload();
        return;
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
}

void ProjectList::save_hidden_list() const
{
    write_file_atomically(kHiddenListFile, format_hidden_list(*this));
}

void ProjectList::save_remembered_memos()
{
    if (my_memo_file.empty())
        return;
    int error = write_file_atomically(my_memo_file, format_remembered_memos(*this));
    if (error != 0 && my_host != nullptr)
        my_host->prompt().message(
            with_reason("Cannot write remembered memos to " + message_excerpt(my_memo_file), error), "Error",
            Buttons::Ok, Icon::Stop);
}

} // namespace velkor
