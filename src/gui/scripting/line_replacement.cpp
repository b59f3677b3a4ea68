#include "gui/scripting/line_replacement.h"

#include "core/document/pane_change.h"
#include "gui/document/pane_changes.h"
#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace vexa {

LineReplacement::LineReplacement(ScenarioView& document, PaneId pane, QWidget& form)
    : QObject(&form)
    , document_(document)
    , pane_(pane)
    , form_(form)
    , button_(makeButton("ReplaceLine", QString(), &form))
    , refusal_(new QLabel(&form))
{
    refusal_->setObjectName(QStringLiteral("ReplaceRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setTextFormat(Qt::PlainText);
    end();
}

void LineReplacement::begin(std::size_t line, const QString& text)
{
    line_ = line;
    filledFrom_ = text;
    button_->setText(QStringLiteral("Replace line %1").arg(line));
    button_->show();
    refusal_->hide();
    form_.show();
    form_.raise();
    form_.activateWindow();
}

void LineReplacement::end()
{
    button_->hide();
    refusal_->clear();
    refusal_->hide();
}

void LineReplacement::refuse(const QString& reason)
{
    refusal_->setText(reason);
    refusal_->show();
}

bool LineReplacement::replace(const std::optional<std::string>& composed)
{
    if (!composed) {
        refuse(QStringLiteral("Fill every field first: nothing was replaced."));
        return false;
    }
    QPlainTextEdit& editor = *document_.paneEditor(pane_);
    const QTextBlock block = editor.document()->findBlockByNumber(static_cast<int>(line_));
    if (line_ >= editorLineCount(editor) || block.text() != filledFrom_) {
        refuse(QStringLiteral("Line %1 of %2 no longer holds the line this composer was filled from: nothing was "
                              "replaced.")
                   .arg(line_)
                   .arg(decodeText(paneHeader(pane_))));
        return false;
    }
    PaneChange change{pane_, {LineEdit{line_, 0, static_cast<std::size_t>(filledFrom_.size()), *composed}}, {}, {}};
    applyPaneChange(editor, change);
    end();
    return true;
}

} // namespace vexa
