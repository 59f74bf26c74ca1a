#include "core/ProgramWideList.h"

#include "core/Assert.h"

#include <utility>

namespace velkor {

ProgramWideList::ProgramWideList(ProjectListStore& store, std::function<std::string()> project_file)
    : my_store(store), my_project_file(std::move(project_file))
{
}

void ProgramWideList::replace(std::unique_ptr<ProjectList> list)
{
    my_list = std::move(list);
    ++my_generation;
}

void ProgramWideList::adopt(std::unique_ptr<ProjectList> list)
{
    replace(std::move(list));
}

ProjectList& ProgramWideList::reload()
{
    VELKOR_ASSERT(!editing(), "!editing()");
    if (my_list)
        (void)save_remembered_memos(); // the fresh list reads this file, so it is written first
    std::unique_ptr<ProjectList> old = std::move(my_list);
    replace(std::make_unique<ProjectList>(my_store.load(my_project_file())));
    if (old && my_follower)
        my_follower->list_reloaded(*old, *my_list);
    return *my_list;
}

void ProgramWideList::drop()
{
    VELKOR_ASSERT(!editing(), "!editing()");
    if (my_list)
        (void)save_remembered_memos();
    replace(nullptr);
}

void ProgramWideList::finish()
{
    VELKOR_ASSERT(!editing(), "!editing()");
    if (my_list)
        (void)my_store.save_changed_remembered_memos(*my_list);
    replace(nullptr);
}

StoreResult ProgramWideList::save_remembered_memos()
{
    return my_list ? my_store.save_remembered_memos(*my_list) : StoreResult::NotWritten;
}

StoreResult ProgramWideList::save()
{
    return my_list ? my_store.save(*my_list) : StoreResult::NotWritten;
}

StoreResult ProgramWideList::save_hidden_list()
{
    return my_list ? my_store.save_hidden_list(*my_list) : StoreResult::NotWritten;
}

ProjectList& ProgramWideList::begin_edit()
{
    VELKOR_ASSERT(!editing(), "!editing()");
    my_had_list_before_edit = my_list != nullptr;
    auto copy = my_list ? std::make_unique<ProjectList>(*my_list) : std::make_unique<ProjectList>();
    my_before_edit = my_list ? std::move(my_list) : std::make_unique<ProjectList>();
    replace(std::move(copy));
    return *my_list;
}

StoreResult ProgramWideList::keep_edit()
{
    VELKOR_ASSERT(editing(), "editing()");
    my_before_edit.reset();
    // A list that was never loaded has no file to write to.
    if (!my_had_list_before_edit)
        return StoreResult::NotWritten;
    StoreResult saved = my_store.save(*my_list);
    // After a failed save the reload that follows writes the memos before it reads the file.
    if (saved == StoreResult::Written)
        (void)my_store.save_remembered_memos(*my_list);
    return saved;
}

StoreResult ProgramWideList::keep_edit_hidden_list()
{
    VELKOR_ASSERT(editing(), "editing()");
    my_before_edit.reset();
    return my_had_list_before_edit ? my_store.save_hidden_list(*my_list) : StoreResult::NotWritten;
}

void ProgramWideList::cancel_edit()
{
    VELKOR_ASSERT(editing(), "editing()");
    replace(my_had_list_before_edit ? std::move(my_before_edit) : nullptr);
    my_before_edit.reset();
}

} // namespace velkor
