#pragma once
// The notification-area icon of the main window: icon 1 with the project's name while checked
// in, icon 2 with "(idle)" otherwise. A press on it asks for the window to come back.

#include <QObject>

#include <functional>
#include <string>
#include <string_view>

class QSystemTrayIcon;
class QWidget;

namespace velkor {

/// Longest tip in bytes of UTF-8 (the platform's tip field holds 64 with its NUL).
inline constexpr std::size_t kTipMaxBytes = 63;

/// The tip as the icon shows it: cut to 63 bytes without splitting a character.
std::string CutTip(std::string_view text);

class SystemTray : public QObject
{
    Q_OBJECT
public:
    explicit SystemTray(QObject* parent = nullptr);
    /// Removes the icon when it is shown.
    ~SystemTray() override;

    /// Shows the icon (resource number, none below 1) with tip; only when it is not yet shown.
    bool add(int icon, const std::string& tip);
    /// Changes icon and tip; only while shown.
    bool modify(int icon, const std::string& tip);
    /// Takes the icon away; only while shown.
    bool remove();

    bool is_shown() const { return my_shown; }
    int id() const { return my_id; }
    int icon_number() const { return my_icon; }
    const std::string& tip() const { return my_tip; }

    /// After the user minimizes frame, it is hidden while the icon is shown, so only the icon remains.
    void hide_frame_on_minimize(QWidget* frame);

    /// Icons handed out and icons shown, program-wide; both start again at 0 when the tray restarts.
    static int last_id();
    static int icons_shown();
    static void reset_counters();
    /// Whether the desktop has a notification area; tests replace the check. Without one no icon
    /// is added, so that a window is never hidden with nothing left to bring it back.
    static void set_tray_available(std::function<bool()> available);

signals:
    /// A left or right button press on the icon.
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(int icon, const std::string& tip);

    QSystemTrayIcon* my_icon_object = nullptr;
    QWidget* my_frame = nullptr;
    int my_id = 0;
    int my_icon = 0;
    std::string my_tip;
    bool my_shown = false;
};

} // namespace velkor
