#pragma once
// "New Category", "Rename Category", "New Project", "Rename Project": asks for one name.

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;

namespace velkor {

class AddCatProjDialog : public QDialog
{
public:
    /// Longest name in bytes of UTF-8.
    static constexpr int kMaxNameBytes = 256;

    /// name holds the initial text and receives the entered one on OK. add_to_all (shown only
    /// for a new project, may be null otherwise) gives the check box state and receives it on OK.
    AddCatProjDialog(bool is_new, bool* add_to_all, std::string& name, bool is_project, QWidget* parent = nullptr);

    void accept() override;

private:
    bool* my_add_to_all;
    bool my_offers_all;
    std::string& my_name;
    QLineEdit* my_edit = nullptr;
    QCheckBox* my_check = nullptr;
};

} // namespace velkor
