#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace vexa {

// The help file, VexaBuild.hlp, is UTF-8 text made of topics:
//
//   %% A line that begins with "%%" is a comment, wherever it stands.
//   @topic cell-numbers
//   @title Cell numbers and the position calculator
//   @keywords cell number; position; Calculate
//   <p>Body text in HTML, as the help window shows it. A link to another topic is
//   <a href="topic:buildings">written like this</a>, to a place in a topic
//   <a href="topic:trigger-events#event-7">like this</a>; a place is marked with
//   <a name="event-7"></a>.</p>
//
// "@topic <id>" starts a topic; an id is letters, digits, "-" and "_". Inside a topic,
// "@title <text>" gives its title (plain text) and "@keywords" its index words (plain
// text, separated by ";"; the line may be repeated). Every other line up to the next
// "@topic" belongs to the body, so a body line must not begin with "@" or "%%". Lines
// before the first "@topic" are ignored. The topic "contents" is the contents page and
// "using-help" tells how to use the help window.

inline constexpr char kContentsTopicId[] = "contents";
inline constexpr char kUsingHelpTopicId[] = "using-help";

struct HelpTopic {
    QString id;
    QString title;
    QStringList keywords;
    QString body;  // HTML
    int line = 0;  // of its "@topic" line, from 1
};

// Something in the file that a reader of the help would trip over: a broken link, a
// topic without a title, a directive that is not known.
struct HelpProblem {
    int line = 0;
    QString message;
};

struct HelpDocument {
    QList<HelpTopic> topics;
    QList<HelpProblem> problems;

    const HelpTopic* find(const QString& id) const;
};

HelpDocument parseHelpText(const QString& text);

// Where a link in a topic body leads: a topic and, optionally, a place in it.
struct HelpLink {
    QString topicId;
    QString anchor;
};

// The target of a "topic:" link, or nothing for any other link.
std::optional<HelpLink> parseTopicLink(const QUrl& url);

// The href texts of the links in a body, in order.
QStringList linksIn(const QString& html);

// The places marked in a body with name="..." or id="...".
QStringList anchorsIn(const QString& html);

// One line of the search list: an index word (or a title) and the topic it opens.
struct HelpSearchHit {
    QString entry;
    QString topicId;
    QString topicTitle;

    bool operator==(const HelpSearchHit&) const = default;
};

// The index entries that contain the query, ignoring letter case: entries that begin
// with it first, then those with a word that begins with it, then the rest, each group
// in alphabetical order. An empty query lists the whole index alphabetically. Every
// topic's title is an entry of the index, besides its keywords.
QList<HelpSearchHit> searchHelp(const HelpDocument& document, const QString& query);

} // namespace vexa
