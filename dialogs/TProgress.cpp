#include "dialogs/TProgress.h"

#include "dialogs/PlainLabel.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TProgress::TProgress(QWidget* parent) : QDialog(parent), my_gauge(new QProgressBar(this))
{
    setObjectName("id3000");
    setWindowTitle("Velkor");
    setModal(false);
    auto* text = plain_label("Reading past project times from the log file ...", this);
    text->setObjectName("id100");
    my_gauge->setObjectName("gauge");
    my_gauge->setRange(0, 100);
    my_gauge->setValue(0);
    my_gauge->setFormat("%p%");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("id2");
    connect(cancel, &QPushButton::clicked, this, &TProgress::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(my_gauge);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
}

void TProgress::begin(std::uint64_t total_bytes)
{
    my_total = total_bytes;
    my_percent = 0;
    my_cancelled = false;
    my_gauge->setValue(0);
    show();
    QCoreApplication::processEvents();
}

bool TProgress::update(std::uint64_t position)
{
    int percent = progress_percent(position, my_total, my_percent);
    if (percent != my_percent) {
        my_percent = percent;
        my_gauge->setValue(percent);
    }
    QCoreApplication::processEvents();
    return !my_cancelled;
}

void TProgress::end()
{
    hide();
}

void TProgress::reject()
{
    // Escape and the close box cancel too; the scan closes the window itself when it stops.
    my_cancelled = true;
}

} // namespace velkor
