#pragma once
// The help viewer: one window with the help file's contents and index on the left and the page
// on the right. The help file is a Qt compressed help file; the viewer registers it in a help
// collection of its own in a temporary folder, so that the help file is the only file the
// program needs and any folder that holds it will do.

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace velkor {

/// The page side of the viewer: pages come out of the help file.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& my_engine;
};

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    /// Opens help_file; is_open() tells whether it could be read.
    explicit HelpViewer(const QString& help_file, QWidget* parent = nullptr);
    ~HelpViewer() override;

    bool is_open() const { return my_open; }
    /// Shows the page of a topic number (its keyword id); the contents page when none has it.
    void show_topic(int topic);
    /// Shows the contents and the contents page.
    void show_contents();
    /// Shows the index, ready for typing a keyword.
    void show_index();

    /// The page shown, and which side (0 contents, 1 index) is in front.
    QUrl page() const;
    int side() const;
    QHelpEngine& engine() { return *my_engine; }

private:
    void open_page(const QUrl& url);
    QUrl contents_page() const;
    void bring_up();

    QTemporaryDir my_collection_folder;
    QHelpEngine* my_engine = nullptr;
    QTabWidget* my_sides = nullptr;
    QLineEdit* my_index_filter = nullptr;
    HelpBrowser* my_browser = nullptr;
    QString my_namespace;
    bool my_open = false;
};

} // namespace velkor
