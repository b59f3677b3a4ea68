#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace vexa {

// Quiet colours for a pane: comments softer, keys set apart from their values and, in the
// panes that hold whole sections, section headers standing out. Only the look changes,
// never the text.
class ScenarioHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    enum class Headers { Plain, Marked };
    ScenarioHighlighter(QTextDocument* document, Headers headers);

protected:
    void highlightBlock(const QString& text) override;

private:
    Headers headers_;
    QTextCharFormat comment_;
    QTextCharFormat key_;
    QTextCharFormat header_;
};

} // namespace vexa
