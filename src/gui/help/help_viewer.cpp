#include "gui/help/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vexa {

namespace {

constexpr int kTopicIdRole = Qt::UserRole;

const char kStyleSheet[] = R"(
h1 { font-size: x-large; color: #1f3d6b; }
h2 { font-size: large; color: #1f3d6b; }
h3 { color: #1f3d6b; }
table { border-collapse: collapse; }
th { background-color: #e4e9f1; }
pre { background-color: #f3f3f3; }
code { background-color: #f3f3f3; }
)";

QString topicHtml(const HelpTopic& topic)
{
    return QStringLiteral("<h1>%1</h1>\n%2").arg(topic.title.toHtmlEscaped(), topic.body);
}

QString hitText(const HelpSearchHit& hit)
{
    if (hit.entry == hit.topicTitle)
        return hit.entry;
    return hit.entry + QStringLiteral(" \u2013 ") + hit.topicTitle;
}

} // namespace

QString helpFileBesideExecutable()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kHelpFileName));
}

bool HelpViewer::Place::sameAs(const Place& other) const
{
    if (view != other.view)
        return false;
    return view == View::Search || (topicId == other.topicId && anchor == other.anchor);
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Vexa Build Help"));
    buildWidgets();
    resize(720, 560);
    resetView();
}

void HelpViewer::buildWidgets()
{
    contentsButton_ = new QPushButton(tr("&Contents"), this);
    contentsButton_->setObjectName(QStringLiteral("helpContentsButton"));
    searchButton_ = new QPushButton(tr("&Search"), this);
    searchButton_->setObjectName(QStringLiteral("helpSearchButton"));
    backButton_ = new QPushButton(tr("&Back"), this);
    backButton_->setObjectName(QStringLiteral("helpBackButton"));
    backButton_->setEnabled(false);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(contentsButton_);
    buttonRow->addWidget(searchButton_);
    buttonRow->addWidget(backButton_);
    buttonRow->addStretch();

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(false);
    browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kStyleSheet));

    searchPage_ = new QWidget(this);
    searchPage_->setObjectName(QStringLiteral("helpSearchPage"));
    searchEdit_ = new QLineEdit(searchPage_);
    searchEdit_->setObjectName(QStringLiteral("helpSearchEdit"));
    searchEdit_->installEventFilter(this);
    auto* searchLabel = new QLabel(tr("&Type a word, or the first letters of it:"), searchPage_);
    searchLabel->setBuddy(searchEdit_);
    searchList_ = new QListWidget(searchPage_);
    searchList_->setObjectName(QStringLiteral("helpSearchList"));
    auto* listLabel = new QLabel(tr("Then choose an entry and press Display, Enter or double-click it:"), searchPage_);
    displayButton_ = new QPushButton(tr("&Display"), searchPage_);
    displayButton_->setObjectName(QStringLiteral("helpDisplayButton"));

    auto* displayRow = new QHBoxLayout;
    displayRow->addStretch();
    displayRow->addWidget(displayButton_);
    auto* searchLayout = new QVBoxLayout(searchPage_);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(searchEdit_);
    searchLayout->addWidget(listLabel);
    searchLayout->addWidget(searchList_, 1);
    searchLayout->addLayout(displayRow);

    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("helpStack"));
    stack_->addWidget(browser_);
    stack_->addWidget(searchPage_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addWidget(stack_, 1);

    connect(contentsButton_, &QPushButton::clicked, this, [this] { runCommand(kHelpContents); });
    connect(searchButton_, &QPushButton::clicked, this, [this] { runCommand(kHelpPartialKey); });
    connect(backButton_, &QPushButton::clicked, this, &HelpViewer::goBack);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::openLink);
    connect(searchEdit_, &QLineEdit::textChanged, this, &HelpViewer::updateSearchList);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpViewer::openSearchHit);
    connect(searchList_, &QListWidget::itemActivated, this, &HelpViewer::openSearchHit);
    connect(displayButton_, &QPushButton::clicked, this, &HelpViewer::openSearchHit);

    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, this, &HelpViewer::goBack);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool HelpViewer::loadFile(const QString& path)
{
    // The Help menu loads the file before every command; while the file is unchanged the
    // window keeps its place and its Back history.
    const QFileInfo info(path);
    const FileStamp stamp{info.absoluteFilePath(), info.lastModified(), info.size()};
    if (!document_.topics.isEmpty() && stamp == loadedFile_ && info.isFile())
        return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !loadText(QString::fromUtf8(bytes)))
        return false;
    loadedFile_ = stamp;
    return true;
}

bool HelpViewer::loadText(const QString& text)
{
    HelpDocument document = parseHelpText(text);
    if (document.topics.isEmpty())
        return false;
    document_ = std::move(document);
    loadedFile_ = FileStamp();
    history_.clear();
    updateSearchList();
    resetView();
    return true;
}

void HelpViewer::runCommand(int command)
{
    switch (command) {
    case kHelpContents:
        if (!showTopic(QLatin1String(kContentsTopicId)) && !document_.topics.isEmpty())
            showTopic(document_.topics.first().id);
        break;
    case kHelpPartialKey:
        showSearch();
        break;
    case kHelpOnHelp:
        if (!showTopic(QLatin1String(kUsingHelpTopicId)))
            runCommand(kHelpContents);
        break;
    default:
        return;
    }
    bringToFront();
}

bool HelpViewer::showTopic(const QString& id, const QString& anchor)
{
    if (!document_.find(id))
        return false;
    navigate({View::Topic, id, anchor, -1});
    return true;
}

void HelpViewer::showSearch()
{
    updateSearchList();
    navigate({View::Search, QString(), QString(), -1});
    searchEdit_->selectAll();
    searchEdit_->setFocus();
}

void HelpViewer::goBack()
{
    if (history_.isEmpty())
        return;
    place_ = history_.takeLast();
    display(place_);
}

HelpViewer::View HelpViewer::currentView() const
{
    return stack_->currentWidget() == searchPage_ ? View::Search : View::Topic;
}

void HelpViewer::openLink(const QUrl& url)
{
    if (const auto link = parseTopicLink(url)) {
        showTopic(link->topicId, link->anchor);
    } else if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()
               && place_.view == View::Topic && !place_.topicId.isEmpty()) {
        showTopic(place_.topicId, url.fragment());
    }
}

void HelpViewer::openSearchHit()
{
    QListWidgetItem* item = searchList_->currentItem();
    if (!item && searchList_->count() > 0)
        item = searchList_->item(0);
    if (item)
        showTopic(item->data(kTopicIdRole).toString());
}

void HelpViewer::updateSearchList()
{
    searchList_->clear();
    for (const HelpSearchHit& hit : searchHelp(document_, searchEdit_->text())) {
        auto* item = new QListWidgetItem(hitText(hit), searchList_);
        item->setData(kTopicIdRole, hit.topicId);
    }
    if (searchList_->count() > 0)
        searchList_->setCurrentRow(0);
    displayButton_->setEnabled(searchList_->count() > 0);
}

void HelpViewer::navigate(const Place& place)
{
    const bool somethingShown = place_.view == View::Search || !place_.topicId.isEmpty();
    if (somethingShown && !place.sameAs(place_)) {
        if (place_.view == View::Topic)
            place_.scroll = browser_->verticalScrollBar()->value();
        history_.append(place_);
    }
    place_ = place;
    display(place_);
}

void HelpViewer::display(const Place& place)
{
    if (place.view == View::Search) {
        stack_->setCurrentWidget(searchPage_);
    } else if (const HelpTopic* topic = document_.find(place.topicId)) {
        browser_->setHtml(topicHtml(*topic));
        if (place.scroll >= 0)
            browser_->verticalScrollBar()->setValue(place.scroll);
        else if (!place.anchor.isEmpty())
            browser_->scrollToAnchor(place.anchor);
        stack_->setCurrentWidget(browser_);
    }
    backButton_->setEnabled(canGoBack());
}

void HelpViewer::resetView()
{
    place_ = Place();
    history_.clear();
    browser_->setHtml(document_.topics.isEmpty() ? tr("<p>No help file is loaded.</p>") : QString());
    stack_->setCurrentWidget(browser_);
    backButton_->setEnabled(false);
}

void HelpViewer::bringToFront()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down in the search field move through the list, so that the hands can stay
    // on the keyboard.
    if (watched == searchEdit_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(searchList_, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexa
