#pragma once
// "Change Environment Variables": the list of variables whose values are recorded with each
// session. It works on a copy (EnvVarEditor); OK saves the copy and makes it the program's list,
// Cancel forgets it.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace velkor {

class EnvList;
class EnvVarEditor;
class IniFile;
class Prompt;

/// The input box of New and Modify: one variable name of at most 127 bytes.
class EnvNameDialog : public QDialog
{
public:
    EnvNameDialog(const QString& title, const QString& text, QWidget* parent = nullptr);
    QString text() const;

private:
    QLineEdit* my_edit;
};

class EnvVarDialog : public QDialog
{
public:
    /// program_wide, settings and prompt must outlive the dialog.
    EnvVarDialog(EnvList& program_wide, IniFile& settings, Prompt& prompt, QWidget* parent = nullptr);
    ~EnvVarDialog() override;

    /// OK: the copy is saved to the settings and replaces the program's list.
    void accept() override;

private:
    std::optional<std::string> ask_name(const std::string& title, const std::string& text);
    /// Brings the list box and the check box in line with the editor.
    void show_list();
    /// Runs an editor command, then shows the outcome.
    template <typename Command> void run(Command command);

    EnvList& my_program_wide;
    IniFile& my_settings;
    std::unique_ptr<EnvVarEditor> my_editor;
    QListWidget* my_names = nullptr;
    QCheckBox* my_required = nullptr;
};

} // namespace velkor
