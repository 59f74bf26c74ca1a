#pragma once
// Text limits counted in UTF-8 bytes, the unit the files and buffers use. A cut never splits a
// character (a surrogate pair stays whole).

#include <QString>
#include <QValidator>

namespace velkor {

/// UTF-8 size of text; each line break (LF, U+2028, U+2029) counts line_break_bytes, so that a
/// multi-line edit can count the CR LF pair its text becomes.
int utf8_bytes(QStringView text, int line_break_bytes = 1);

/// The longest prefix of text whose size (counted as utf8_bytes does) is at most max_bytes.
QString cut_to_bytes(const QString& text, int max_bytes, int line_break_bytes = 1);

/// Refuses any input to a QLineEdit that would make it longer than max_bytes of UTF-8.
class Utf8LimitValidator : public QValidator
{
    Q_OBJECT
public:
    explicit Utf8LimitValidator(int max_bytes, QObject* parent = nullptr) : QValidator(parent), my_max_bytes(max_bytes)
    {
    }
    State validate(QString& input, int& pos) const override;

private:
    int my_max_bytes;
};

} // namespace velkor
