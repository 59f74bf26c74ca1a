#include "help/qt/AboutDlg.h"

#include "dialogs/PlainLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

AboutDlg::AboutDlg(const VersionInfo& version, bool shift_held, const QIcon& icon, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Velkor"));
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(64, 64));
    auto* name = plain_label(QStringLiteral("Velkor"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    // The template texts stay when the program carries no version values.
    auto* version_line = plain_label(QStringLiteral("Desktop time clock"), this);
    version_line->setObjectName(QStringLiteral("id108"));
    auto* second_line = plain_label(QStringLiteral("Checks you in and out of your projects"), this);
    second_line->setObjectName(QStringLiteral("id109"));
    const AboutLines lines = about_lines(version, shift_held);
    if (lines.version_line)
        version_line->setText(QString::fromStdString(*lines.version_line));
    if (lines.second_line)
        second_line->setText(QString::fromStdString(*lines.second_line));

    auto* texts = new QVBoxLayout;
    for (QLabel* label : {name, version_line, second_line})
        texts->addWidget(label);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velkor
