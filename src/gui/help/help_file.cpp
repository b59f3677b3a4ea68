#include "gui/help/help_file.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace vexa {

namespace {

const QString kTopicScheme = QStringLiteral("topic");

bool isValidId(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return pattern.match(id).hasMatch();
}

// Splits "@word rest" into the directive and the rest, trimmed.
std::pair<QString, QString> splitDirective(const QString& line)
{
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {line.trimmed(), QString()};
    return {line.left(space), line.mid(space + 1).trimmed()};
}

class Parser {
public:
    HelpDocument run(const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            handle(line, static_cast<int>(i + 1));
        }
        finishTopic();
        checkTopics();
        return std::move(document_);
    }

private:
    void handle(const QString& line, int number)
    {
        if (line.startsWith(QLatin1String("%%")))
            return;
        if (!line.startsWith(QLatin1Char('@'))) {
            if (inTopic_)
                body_.append(line);
            return;
        }
        const auto [directive, rest] = splitDirective(line);
        if (directive == QLatin1String("@topic")) {
            startTopic(rest, number);
            return;
        }
        if (!inTopic_) {
            if (!skippingTopic_)
                problem(number, QStringLiteral("%1 outside a topic").arg(directive));
            return;
        }
        HelpTopic& topic = document_.topics.last();
        if (directive == QLatin1String("@title")) {
            if (!topic.title.isEmpty())
                problem(number, QStringLiteral("topic \"%1\" has a second title").arg(topic.id));
            topic.title = rest;
        } else if (directive == QLatin1String("@keywords")) {
            for (const QString& word : rest.split(QLatin1Char(';'))) {
                const QString trimmed = word.trimmed();
                if (!trimmed.isEmpty())
                    topic.keywords.append(trimmed);
            }
        } else {
            problem(number, QStringLiteral("unknown directive %1").arg(directive));
        }
    }

    void startTopic(const QString& id, int number)
    {
        finishTopic();
        skippingTopic_ = true;
        if (!isValidId(id)) {
            problem(number, QStringLiteral("\"%1\" is not a topic id").arg(id));
            return;
        }
        if (document_.find(id)) {
            problem(number, QStringLiteral("topic \"%1\" is defined twice").arg(id));
            return;
        }
        skippingTopic_ = false;
        inTopic_ = true;
        HelpTopic topic;
        topic.id = id;
        topic.line = number;
        document_.topics.append(topic);
    }

    void finishTopic()
    {
        if (inTopic_) {
            // Blank lines around a body carry nothing.
            while (!body_.isEmpty() && body_.first().trimmed().isEmpty())
                body_.removeFirst();
            while (!body_.isEmpty() && body_.last().trimmed().isEmpty())
                body_.removeLast();
            document_.topics.last().body = body_.join(QLatin1Char('\n'));
        }
        body_.clear();
        inTopic_ = false;
    }

    void checkTopics()
    {
        for (HelpTopic& topic : document_.topics) {
            if (topic.title.isEmpty()) {
                problem(topic.line, QStringLiteral("topic \"%1\" has no title").arg(topic.id));
                topic.title = topic.id;
            }
        }
        for (const char* required : {kContentsTopicId, kUsingHelpTopicId}) {
            if (!document_.topics.isEmpty() && !document_.find(QLatin1String(required)))
                problem(0, QStringLiteral("there is no topic \"%1\"").arg(QLatin1String(required)));
        }
        for (const HelpTopic& topic : document_.topics) {
            for (const QString& href : linksIn(topic.body))
                checkLink(topic, href);
        }
    }

    void checkLink(const HelpTopic& from, const QString& href)
    {
        const QUrl url(href);
        const HelpTopic* target = nullptr;
        QString anchor;
        if (const auto link = parseTopicLink(url)) {
            target = document_.find(link->topicId);
            anchor = link->anchor;
        } else if (href.startsWith(QLatin1Char('#'))) {
            target = &from;
            anchor = href.mid(1);
        } else {
            problem(from.line, QStringLiteral("topic \"%1\" links to \"%2\", which the help window cannot open")
                                   .arg(from.id, href));
            return;
        }
        if (!target) {
            problem(from.line, QStringLiteral("topic \"%1\" links to a missing topic: \"%2\"").arg(from.id, href));
            return;
        }
        if (!anchor.isEmpty() && !anchorsIn(target->body).contains(anchor))
            problem(from.line, QStringLiteral("topic \"%1\" links to a missing place: \"%2\"").arg(from.id, href));
    }

    void problem(int line, const QString& message) { document_.problems.append({line, message}); }

    HelpDocument document_;
    QStringList body_;
    bool inTopic_ = false;
    bool skippingTopic_ = false;  // the lines of a topic that was refused
};

// How well an entry matches: 0 it begins with the query, 1 one of its words does,
// 2 the query stands inside a word; nothing when the entry lacks the query.
std::optional<int> matchRank(const QString& entry, const QString& query)
{
    if (query.isEmpty())
        return 0;
    qsizetype from = 0;
    int best = 3;
    while (true) {
        const qsizetype at = entry.indexOf(query, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        if (at == 0)
            return 0;
        if (!entry.at(at - 1).isLetterOrNumber())
            best = 1;
        else
            best = std::min(best, 2);
        from = at + 1;
    }
    if (best == 3)
        return std::nullopt;
    return best;
}

} // namespace

const HelpTopic* HelpDocument::find(const QString& id) const
{
    for (const HelpTopic& topic : topics) {
        if (topic.id == id)
            return &topic;
    }
    return nullptr;
}

HelpDocument parseHelpText(const QString& text)
{
    return Parser().run(text);
}

std::optional<HelpLink> parseTopicLink(const QUrl& url)
{
    if (url.scheme() != kTopicScheme || url.path().isEmpty())
        return std::nullopt;
    return HelpLink{url.path(), url.fragment()};
}

QStringList linksIn(const QString& html)
{
    static const QRegularExpression pattern(QStringLiteral(R"re(<a\s[^>]*?href\s*=\s*"([^"]*)")re"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(html))
        links.append(match.captured(1));
    return links;
}

QStringList anchorsIn(const QString& html)
{
    static const QRegularExpression pattern(QStringLiteral(R"re(<a\s[^>]*?name\s*=\s*"([^"]*)")re"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList anchors;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(html))
        anchors.append(match.captured(1));
    return anchors;
}

QList<HelpSearchHit> searchHelp(const HelpDocument& document, const QString& query)
{
    const QString wanted = query.simplified();
    struct Ranked {
        int rank;
        HelpSearchHit hit;
    };
    QList<Ranked> found;
    QSet<QString> seen;
    for (const HelpTopic& topic : document.topics) {
        QStringList entries{topic.title};
        entries += topic.keywords;
        for (const QString& entry : entries) {
            const QString key = entry.toCaseFolded() + QLatin1Char('\n') + topic.id;
            if (seen.contains(key))
                continue;
            if (const auto rank = matchRank(entry, wanted)) {
                seen.insert(key);
                found.append({*rank, {entry, topic.id, topic.title}});
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Ranked& a, const Ranked& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (const int byEntry = a.hit.entry.compare(b.hit.entry, Qt::CaseInsensitive))
            return byEntry < 0;
        return a.hit.topicTitle.compare(b.hit.topicTitle, Qt::CaseInsensitive) < 0;
    });
    QList<HelpSearchHit> hits;
    hits.reserve(found.size());
    for (const Ranked& ranked : found)
        hits.append(ranked.hit);
    return hits;
}

} // namespace vexa
