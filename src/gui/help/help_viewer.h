#pragma once

#include "gui/help/help_file.h"

#include <QDateTime>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QUrl;

namespace vexa {

// The commands of the Help menu's first three entries.
inline constexpr int kHelpContents = 3;
inline constexpr int kHelpPartialKey = 261;
inline constexpr int kHelpOnHelp = 4;

// The help file's name; the editor looks for it beside its executable.
inline constexpr char kHelpFileName[] = "VexaBuild.hlp";
QString helpFileBesideExecutable();

// The help window: a top-level window of its own that shows the topics of a help file,
// follows the links between them, keeps a Back history and searches the index.
//
// Child widgets by objectName: helpContentsButton, helpSearchButton, helpBackButton (the
// button row); helpStack (topic page or search page); helpBrowser (the topic page);
// helpSearchPage, helpSearchEdit, helpSearchList, helpDisplayButton (the search page).
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    enum class View { Topic, Search };

    explicit HelpViewer(QWidget* parent = nullptr);

    // Reads a help file. A file that cannot be read or holds no topic leaves the window
    // as it was and gives false. Loading the file that is shown again, unchanged, keeps
    // the window where it is.
    bool loadFile(const QString& path);
    // The same for a help file's text (the screenshot script and tests use it).
    bool loadText(const QString& text);

    const HelpDocument& document() const { return document_; }

    // Shows the window with kHelpContents (the contents page), kHelpPartialKey (the
    // search) or kHelpOnHelp (how to use help). Any other number does nothing.
    void runCommand(int command);

    // Shows a topic, scrolled to a place in it when one is given; false when there is no
    // such topic.
    bool showTopic(const QString& id, const QString& anchor = QString());
    void showSearch();
    void goBack();

    View currentView() const;
    QString currentTopicId() const { return place_.topicId; }
    bool canGoBack() const { return !history_.isEmpty(); }

private:
    struct Place {
        View view = View::Topic;
        QString topicId;  // empty on the topic page: nothing shown yet
        QString anchor;
        int scroll = -1;  // where the page stood when it was left

        bool sameAs(const Place& other) const;
    };

    void buildWidgets();
    void openLink(const QUrl& url);
    void openSearchHit();
    void updateSearchList();
    void navigate(const Place& place);
    void display(const Place& place);
    void resetView();
    void bringToFront();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Which file the shown document came from, to tell when it has changed.
    struct FileStamp {
        QString path;
        QDateTime modified;
        qint64 size = -1;

        bool operator==(const FileStamp&) const = default;
    };

    HelpDocument document_;
    FileStamp loadedFile_;
    Place place_;
    QList<Place> history_;

    QPushButton* contentsButton_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QWidget* searchPage_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QListWidget* searchList_ = nullptr;
    QPushButton* displayButton_ = nullptr;
};

} // namespace vexa
