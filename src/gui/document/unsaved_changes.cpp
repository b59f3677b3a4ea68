#include "gui/document/unsaved_changes.h"

#include "gui/document/scenario_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace vexa {

UnsavedChanges::UnsavedChanges(ScenarioView& document, QObject* parent)
    : QObject(parent)
{
    follow(document);
}

// A pane reports changes of its characters only: the highlighter's colours change no text.
void UnsavedChanges::follow(ScenarioView& document)
{
    for (const TabInfo& tab : kTabs) {
        if (tab.content != TabContent::Pane)
            continue;
        connect(document.paneEditor(tab.pane)->document(), &QTextDocument::contentsChange, this,
                [this](int, int removed, int added) {
                    if (removed > 0 || added > 0)
                        documentEdited();
                });
    }
    for (const FieldInfo& field : kFields)
        connect(document.fieldEdit(field.id), &QLineEdit::textChanged, this, &UnsavedChanges::documentEdited);
    for (const FlagInfo& flag : kFlags)
        connect(document.flagBox(flag.id), &QCheckBox::toggled, this, &UnsavedChanges::documentEdited);
    connect(&document, &ScenarioView::aboutToBeReplaced, this, [this] { replacing_ = true; });
    connect(&document, &ScenarioView::replaced, this, [this] {
        replacing_ = false;
        markSaved();
    });
}

void UnsavedChanges::documentEdited()
{
    if (replacing_)
        return;
    setModified(true);
    Q_EMIT edited();
}

void UnsavedChanges::markSaved()
{
    setModified(false);
}

void UnsavedChanges::markModified()
{
    setModified(true);
}

void UnsavedChanges::setModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

} // namespace vexa
