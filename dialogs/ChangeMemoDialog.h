#pragma once
// "Change Memo Preference": when to ask for a memo, for one category or project.

#include "core/ProjectAttributes.h"

#include <QDialog>

#include <string>

class QRadioButton;

namespace velkor {

/// The editor's text for a memo behaviour; values outside 0..3 read as 0.
std::string memo_behavior_text(MemoBehavior behavior, bool is_category);

class ChangeMemoDialog : public QDialog
{
public:
    /// value is shown and receives the choice on OK.
    ChangeMemoDialog(MemoBehavior& value, const std::string& name, bool is_category, QWidget* parent = nullptr);

    void accept() override;

private:
    MemoBehavior& my_value;
    QRadioButton* my_radios[4] = {};
};

} // namespace velkor
