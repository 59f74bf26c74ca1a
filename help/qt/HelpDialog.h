#pragma once
// "Configure Online Help": where the help file is looked for (the `HelpPath` setting): the
// program folder, the current folder or a folder of the user's choosing. OK checks the folder,
// fetching the help file from the program folder when the folder lacks it.

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace velkor {

class Help;
class IniFile;
class Prompt;

class HelpDialog : public QDialog
{
    // No Q_OBJECT: nothing here needs it.
public:
    HelpDialog(IniFile& settings, Help& help, Prompt& prompt, QWidget* parent = nullptr);

    void accept() override;

private:
    void follow_radios();

    IniFile& my_settings;
    Help& my_help;
    Prompt& my_prompt;
    QRadioButton* my_program_folder = nullptr;
    QRadioButton* my_current_folder = nullptr;
    QRadioButton* my_other_folder = nullptr;
    QLineEdit* my_folder = nullptr;
};

} // namespace velkor
