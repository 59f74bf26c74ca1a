#include "dialogs/EditSavedMemoDlg.h"

#include "dialogs/HelpButton.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/PlainLabel.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

EditSavedMemoDlg::EditSavedMemoDlg(const QString& title, std::string& text, const QString& instruction,
                                   bool want_return, QWidget* parent)
    : QDialog(parent), my_text(text), my_edit(new MemoEdit(this))
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    my_edit->setObjectName(QStringLiteral("id101"));
    my_edit->set_want_return(want_return);
    my_edit->set_memo(text);
    layout->addWidget(my_edit);

    auto* hint = plain_label(instruction, this);
    hint->setObjectName(QStringLiteral("id102"));
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("id1"));
    cancel->setObjectName(QStringLiteral("id2"));
    help->setObjectName(QStringLiteral("id9"));
    connect_help_button(help, 1075);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    my_edit->setFocus();
}

void EditSavedMemoDlg::accept()
{
    my_text = my_edit->memo();
    QDialog::accept();
}

} // namespace velkor
