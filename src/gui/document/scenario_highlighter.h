#pragma once

#include <QList>
#include <QTextCharFormat>
#include <QTextLayout>

class QTextBlock;
class QTextDocument;

namespace vexa {

// Quiet colours for a pane: comments softer, keys set apart from their values and, in the
// panes that hold whole sections, section headers standing out. Only the look changes,
// never the text.
//
// A pane can hold a hundred thousand lines, and loading or appending them must not cost a
// colouring of each. So the highlighter is no QSyntaxHighlighter, which colours every line
// that changes: it colours only the lines the pane shows (showBlocks), just before they
// are painted, and a line off screen keeps whatever colours it has until it is shown again.
class ScenarioHighlighter final {
public:
    enum class Headers { Plain, Marked };
    ScenarioHighlighter(QTextDocument* document, Headers headers);

    // The blocks from `first` to `last` are about to be painted: colours those whose
    // colours are not those of their present text.
    void showBlocks(const QTextBlock& first, const QTextBlock& last) const;
    // Whether the block carries the colours of its present text.
    static bool isHighlighted(const QTextBlock& block);
    // The colours of one line.
    QList<QTextLayout::FormatRange> coloursOfLine(const QString& text) const;

private:
    void colourBlock(QTextBlock block) const;

    QTextDocument* document_;
    Headers headers_;
    QTextCharFormat comment_;
    QTextCharFormat key_;
    QTextCharFormat header_;
};

} // namespace vexa
