#pragma once
// The main window's frame: title, menu bar, icon and placement, with the client MainVKWindow as
// its central widget. It stores its geometry in the settings whenever it moves or changes size.

#include <QMainWindow>

#include <optional>
#include <string>

namespace velkor {

class Application;
class MainMenu;
class MainVKWindow;

class FrameWindow : public QMainWindow
{
    Q_OBJECT
public:
    /// Creates the client and the menu bar of its commands; the window is not shown yet.
    FrameWindow(Application& app, const QString& title);
    ~FrameWindow() override;

    MainVKWindow* client() const { return my_client; }
    MainMenu* menu() const { return my_menu; }

    /// Places the frame from `WindowSize` and `WindowPosition` (with these defaults when absent),
    /// fitted to the screens. Start-up passes "600x400" and "100 100"; the tutorial its own.
    void place_window(const std::string& default_size, const std::string& default_position);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void store_size();
    void adopt_frame_margins();

    Application& my_app;
    MainVKWindow* my_client;
    MainMenu* my_menu;
    // The outer size asked for, until the window manager's frame is known and can be taken off.
    std::optional<QSize> my_pending_outer_size;
};

} // namespace velkor
