#include "dialogs/AddCatProjDialog.h"

#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

AddCatProjDialog::AddCatProjDialog(bool is_new, bool* add_to_all, std::string& name, bool is_project, QWidget* parent)
    : QDialog(parent), my_add_to_all(add_to_all), my_offers_all(is_new && is_project && add_to_all != nullptr),
      my_name(name)
{
    setWindowTitle(QString::fromLatin1(is_new ? "New " : "Rename ") +
                   QString::fromLatin1(is_project ? "Project" : "Category"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(plain_label(QStringLiteral("Name:"), this));
    my_edit = new QLineEdit(QString::fromStdString(name), this);
    my_edit->setObjectName(QStringLiteral("id102"));
    my_edit->setValidator(new Utf8LimitValidator(kMaxNameBytes, my_edit));
    my_edit->setMinimumWidth(300);
    my_edit->selectAll();
    row->addWidget(my_edit);
    layout->addLayout(row);

    my_check = new QCheckBox(QStringLiteral("Add this project to all categories"), this);
    my_check->setObjectName(QStringLiteral("id103"));
    my_check->setChecked(my_offers_all && *add_to_all);
    my_check->setVisible(my_offers_all);
    layout->addWidget(my_check);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("id2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &AddCatProjDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &AddCatProjDialog::reject);
}

void AddCatProjDialog::accept()
{
    my_name = my_edit->text().toStdString();
    if (my_offers_all)
        *my_add_to_all = my_check->isChecked();
    QDialog::accept();
}

} // namespace velkor
