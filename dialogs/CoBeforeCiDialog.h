#pragma once
// "Velkor": asked when a check-out would be dated before its own check-in.

#include "core/SessionUi.h"

#include <QDialog>

#include <string>

class QGridLayout;

namespace velkor {

class CoBeforeCiDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// prompt_text is the question the session engine built from the shortfall.
    explicit CoBeforeCiDialog(const std::string& prompt_text, QWidget* parent = nullptr);

    /// The button that ended the dialog; Escape and closing the window count as Cancel.
    CoBeforeCiChoice choice() const { return my_choice; }

    void done(int result) override;

private:
    void add_choice(QGridLayout* grid, int row, CoBeforeCiChoice choice, const QString& caption,
                    const QString& explanation);

    CoBeforeCiChoice my_choice = CoBeforeCiChoice::Cancel;
};

} // namespace velkor
