#include "help/qt/HelpViewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkor {
namespace {

// The folder the pages have inside the help file (velkors.qhp's virtualFolder).
constexpr const char* kVirtualFolder = "velkor";

} // namespace

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), my_engine(engine)
{
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return my_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpViewer::HelpViewer(const QString& help_file, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("helpViewer");
    setWindowTitle(QStringLiteral("Velkor Help"));
    // Closing the help must never end the program, also while the main window is hidden in the
    // notification area and the help is the only window shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 600);

    const QString collection = my_collection_folder.filePath(QStringLiteral("velkors.qhc"));
    my_engine = new QHelpEngine(collection, this);
    // Read-only is the default, which cannot create the collection's tables.
    my_engine->setReadOnly(false);
    my_engine->setUsesFilterEngine(true);
    my_namespace = QHelpEngineCore::namespaceName(help_file);
    my_open = my_collection_folder.isValid() && !my_namespace.isEmpty() && my_engine->setupData() &&
              my_engine->registerDocumentation(help_file) && my_engine->setupData();

    my_sides = new QTabWidget;
    my_sides->setObjectName("helpSides");
    QHelpContentWidget* contents = my_engine->contentWidget();
    my_sides->addTab(contents, QStringLiteral("&Contents"));
    auto* index_side = new QWidget;
    auto* index_layout = new QVBoxLayout(index_side);
    index_layout->setContentsMargins(0, 0, 0, 0);
    my_index_filter = new QLineEdit;
    my_index_filter->setObjectName("helpIndexFilter");
    my_index_filter->setPlaceholderText(QStringLiteral("Type a keyword"));
    QHelpIndexWidget* index = my_engine->indexWidget();
    index_layout->addWidget(my_index_filter);
    index_layout->addWidget(index);
    my_sides->addTab(index_side, QStringLiteral("&Index"));

    my_browser = new HelpBrowser(*my_engine, this);
    my_browser->setObjectName("helpPage");
    auto* back = new QPushButton(QStringLiteral("&Back"));
    auto* forward = new QPushButton(QStringLiteral("&Forward"));
    auto* home = new QPushButton(QStringLiteral("C&ontents page"));
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {back, forward, home})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* page_side = new QWidget;
    auto* page_layout = new QVBoxLayout(page_side);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->addLayout(buttons);
    page_layout->addWidget(my_browser);

    auto* splitter = new QSplitter;
    splitter->addWidget(my_sides);
    splitter->addWidget(page_side);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    // The contents are read in the background; once there, the chapters are shown open.
    connect(my_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(1); });
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpViewer::open_page);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { open_page(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty())
                    open_page(documents.front().url);
            });
    connect(my_index_filter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(my_index_filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(back, &QPushButton::clicked, my_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, my_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { open_page(contents_page()); });
    connect(my_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(my_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
}

HelpViewer::~HelpViewer() = default;

QUrl HelpViewer::contents_page() const
{
    return QUrl(QStringLiteral("qthelp://%1/%2/index.html").arg(my_namespace, QLatin1String(kVirtualFolder)));
}

void HelpViewer::open_page(const QUrl& url)
{
    if (url.isValid())
        my_browser->setSource(url);
}

void HelpViewer::show_topic(int topic)
{
    const QList<QHelpLink> links = my_engine->documentsForIdentifier(QString::number(topic));
    open_page(links.isEmpty() ? contents_page() : links.front().url);
    bring_up();
}

void HelpViewer::show_contents()
{
    my_sides->setCurrentIndex(0);
    open_page(contents_page());
    bring_up();
}

void HelpViewer::show_index()
{
    my_sides->setCurrentIndex(1);
    if (my_browser->source().isEmpty())
        open_page(contents_page());
    bring_up();
    my_index_filter->setFocus();
    my_index_filter->selectAll();
}

QUrl HelpViewer::page() const
{
    return my_browser->source();
}

int HelpViewer::side() const
{
    return my_sides->currentIndex();
}

// A dialog's Help button asks while that dialog is modal, and a modal dialog blocks every other
// window: the viewer is then modal itself, above the dialog, until it is closed. From the main
// window it is an ordinary window beside it.
void HelpViewer::bring_up()
{
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide(); // modality takes effect when a window is shown
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

} // namespace velkor
