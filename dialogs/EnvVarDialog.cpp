#include "dialogs/EnvVarDialog.h"

#include "classlib/IniFile.h"
#include "core/EnvList.h"
#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"
#include "presentation/EnvVarEditor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkor {
namespace {

QPushButton* named_button(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

EnvNameDialog::EnvNameDialog(const QString& title, const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plain_label(QStringLiteral("Variable name:"), this));
    my_edit = new QLineEdit(text, this);
    my_edit->setObjectName(QStringLiteral("variableName"));
    my_edit->setMaxLength(static_cast<int>(EnvList::kMaxNameLength));
    my_edit->setValidator(new Utf8LimitValidator(static_cast<int>(EnvList::kMaxNameLength), my_edit));
    my_edit->setMinimumWidth(250);
    my_edit->selectAll();
    layout->addWidget(my_edit);
    auto* ok = named_button(QStringLiteral("OK"), "ok", this);
    auto* cancel = named_button(QStringLiteral("Cancel"), "cancel", this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString EnvNameDialog::text() const
{
    return my_edit->text();
}

EnvVarDialog::EnvVarDialog(EnvList& program_wide, IniFile& settings, Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_program_wide(program_wide), my_settings(settings),
      my_editor(std::make_unique<EnvVarEditor>(
          program_wide, prompt,
          [this](const std::string& title, const std::string& text) { return ask_name(title, text); }))
{
    setWindowTitle(QStringLiteral("Change Environment Variables"));
    my_names = new QListWidget(this);
    my_names->setObjectName(QStringLiteral("names"));
    my_required = new QCheckBox(QStringLiteral("Current selection is a required value"), this);
    my_required->setObjectName(QStringLiteral("required"));

    auto* commands = new QVBoxLayout;
    auto add = [this, commands](const char* text, const char* name, auto command) {
        auto* button = named_button(QString::fromLatin1(text), name, this);
        connect(button, &QPushButton::clicked, this, [this, command] { run(command); });
        commands->addWidget(button);
    };
    add("New", "new", [](EnvVarEditor& e) { e.add(); });
    add("Modify", "modify", [](EnvVarEditor& e) { e.modify(); });
    add("Delete", "delete", [](EnvVarEditor& e) { e.remove(); });
    add("Move Up", "moveUp", [](EnvVarEditor& e) { e.move_up(); });
    add("Move Down", "moveDown", [](EnvVarEditor& e) { e.move_down(); });
    commands->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(my_names);
    top->addLayout(commands);

    auto* ok = named_button(QStringLiteral("OK"), "ok", this);
    auto* cancel = named_button(QStringLiteral("Cancel"), "cancel", this);
    auto* help = named_button(QStringLiteral("Help"), "help", this);
    ok->setDefault(true);
    connect_help_button(help, 1000);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(my_required);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &EnvVarDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &EnvVarDialog::reject);
    connect(my_names, &QListWidget::currentRowChanged, this, [this](int row) {
        my_editor->select(row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)));
        my_required->setChecked(my_editor->selection_required());
    });
    connect(my_required, &QCheckBox::clicked, this, [this](bool on) {
        my_editor->set_required(on);
        my_required->setChecked(my_editor->selection_required()); // no selection: unchecked again
    });
    show_list();
}

EnvVarDialog::~EnvVarDialog()
{
    // The list box and the check box outlive the editor; what they signal while going away is not heard.
    my_names->blockSignals(true);
    my_required->blockSignals(true);
}

template <typename Command> void EnvVarDialog::run(Command command)
{
    command(*my_editor);
    show_list();
}

void EnvVarDialog::show_list()
{
    const QSignalBlocker blocker(my_names);
    const EnvList& list = my_editor->list();
    my_names->clear();
    for (std::size_t e = 0; e < list.count(); ++e)
        my_names->addItem(QString::fromStdString(list.entry(e).name));
    const std::optional<std::size_t> selected = my_editor->selection();
    my_names->setCurrentRow(selected ? static_cast<int>(*selected) : -1);
    my_required->setChecked(my_editor->selection_required());
}

std::optional<std::string> EnvVarDialog::ask_name(const std::string& title, const std::string& text)
{
    EnvNameDialog input(QString::fromStdString(title), QString::fromStdString(text), this);
    if (input.exec() != QDialog::Accepted)
        return std::nullopt;
    return input.text().toStdString();
}

void EnvVarDialog::accept()
{
    my_editor->save(my_settings, my_program_wide);
    QDialog::accept();
}

} // namespace velkor
