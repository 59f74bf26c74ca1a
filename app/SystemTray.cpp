#include "app/SystemTray.h"

#include "app/AppIcons.h"
#include "core/MemoRequest.h"

#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace velkor {
namespace {

int g_last_id = 0;
int g_icons_shown = 0;

std::function<bool()>& tray_available()
{
    static std::function<bool()> available = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return available;
}

} // namespace

std::string CutTip(std::string_view text)
{
    return cut_utf8(text, kTipMaxBytes);
}

SystemTray::SystemTray(QObject* parent) : QObject(parent), my_id(++g_last_id)
{
    my_icon_object = new QSystemTrayIcon(this);
    connect(my_icon_object, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
            reason == QSystemTrayIcon::DoubleClick)
            emit clicked();
    });
}

SystemTray::~SystemTray()
{
    remove();
}

bool SystemTray::add(int icon, const std::string& tip)
{
    if (my_shown || !tray_available()())
        return false;
    apply(icon, tip);
    my_icon_object->show();
    my_shown = true;
    ++g_icons_shown;
    return true;
}

bool SystemTray::modify(int icon, const std::string& tip)
{
    if (!my_shown)
        return false;
    apply(icon, tip);
    return true;
}

bool SystemTray::remove()
{
    if (!my_shown)
        return false;
    my_icon_object->hide();
    my_shown = false;
    if (g_icons_shown > 0)
        --g_icons_shown;
    return true;
}

void SystemTray::apply(int icon, const std::string& tip)
{
    my_icon = icon;
    my_tip = CutTip(tip);
    my_icon_object->setIcon(icon >= 1 ? velkor_icon(static_cast<IconKind>(icon)) : QIcon());
    my_icon_object->setToolTip(QString::fromStdString(my_tip));
}

void SystemTray::hide_frame_on_minimize(QWidget* frame)
{
    if (my_frame)
        my_frame->removeEventFilter(this);
    my_frame = frame;
    if (frame)
        frame->installEventFilter(this);
}

bool SystemTray::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == my_frame && event->type() == QEvent::WindowStateChange && my_frame->isMinimized() && my_shown) {
        // Hide once the minimizing is done, not inside the state change.
        QTimer::singleShot(0, my_frame, [frame = my_frame] {
            if (frame->isMinimized())
                frame->hide();
        });
    }
    return QObject::eventFilter(watched, event);
}

int SystemTray::last_id()
{
    return g_last_id;
}

int SystemTray::icons_shown()
{
    return g_icons_shown;
}

void SystemTray::reset_counters()
{
    g_last_id = 0;
    g_icons_shown = 0;
}

void SystemTray::set_tray_available(std::function<bool()> available)
{
    tray_available() = std::move(available);
}

} // namespace velkor
