#pragma once
// The progress window of a long past-time scan: a gauge that only moves forward and a Cancel
// button that the scan notices because each update lets the window handle its events.

#include "core/PastTimeScan.h"

#include <QDialog>

#include <cstdint>

class QProgressBar;

namespace velkor {

class TProgress : public QDialog, public ScanProgress
{
    Q_OBJECT
public:
    explicit TProgress(QWidget* parent = nullptr);

    /// Shows the window for a log of total_bytes.
    void begin(std::uint64_t total_bytes) override;
    /// Moves the gauge to position and handles pending events; false once Cancel was pressed.
    bool update(std::uint64_t position) override;
    /// Closes the window.
    void end() override;

    bool cancelled() const { return my_cancelled; }
    int percent() const { return my_percent; }

protected:
    void reject() override;

private:
    QProgressBar* my_gauge;
    std::uint64_t my_total = 0;
    int my_percent = 0;
    bool my_cancelled = false;
};

} // namespace velkor
