#pragma once

#include "core/document/layout.h"
#include "core/document/pane_change.h"

#include <QString>

#include <cstddef>
#include <vector>

class QPlainTextEdit;

namespace vexa {

class ScenarioView;

// A field of the Basic or Map page that a map edit writes: what it held and what it gets.
struct FieldChange {
    FieldId field = FieldId::X;
    QString before;
    QString after;
};

// The map's own undo. Each edit made on the map is one undo step in every pane it
// touches; the map can undo the last of them while that edit is still the newest undo
// step of each of those panes, and redo it while its undo is still the newest change.
// An edit of fields (the playable area) is undone while the fields still hold what it
// wrote.
// The edits of scripts that change several panes keep their steps the same way; the
// edit's name ("map edit") goes into what undo and redo say.
class MapHistory {
public:
    explicit MapHistory(ScenarioView& document, QString editName = QStringLiteral("map edit"));

    // Makes the changes, each one undo step of its pane, as one map edit.
    void apply(const std::vector<PaneChange>& changes);
    // Writes the fields as one map edit.
    void applyFields(const std::vector<FieldChange>& changes);

    // Each gives why it did nothing, or an empty text when it undid or redid an edit.
    QString undo();
    QString redo();

    // Forgets every edit: another document is open.
    void clear();

    // Whether the newest undo (redo) step of the pane is the last edit's (undo's) here.
    bool undoesNextIn(PaneId pane) const;
    bool redoesNextIn(PaneId pane) const;

private:
    // What a pane held right after an edit (or after its undo): the number of its undo
    // steps and a fingerprint of its text.
    struct PaneMark {
        PaneId pane = PaneId::Rules;
        int undoSteps = 0;
        std::size_t fingerprint = 0;
    };
    struct Step {
        std::vector<PaneMark> panes;
        std::vector<FieldChange> fields;  // undone, before and after swap places
    };

    PaneMark markOf(PaneId pane) const;
    Step marksOf(const Step& step) const;
    void push(Step step);
    // Why the panes no longer stand as the step left them; empty when they do.
    QString changedSince(const Step& step) const;
    QString replay(std::vector<Step>& from, std::vector<Step>& to, void (QPlainTextEdit::*action)());

    static bool isNextIn(const std::vector<Step>& steps, const PaneMark& now);

    ScenarioView& document_;
    QString editName_;
    std::vector<Step> undoable_;
    std::vector<Step> redoable_;
};

} // namespace vexa
