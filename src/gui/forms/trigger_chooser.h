#pragma once

#include "core/placement/trigger_names.h"

#include <QString>

class QComboBox;
class QPlainTextEdit;

namespace vexa {

// The text of a "Trigger:" chooser when no trigger is chosen; it is not one of the names.
inline const QString kNoTriggerText = QString::fromLatin1(kNoTrigger);

// A form's opening: the chooser's list becomes the names of the triggers in the trigger
// pane now, in pane order, and its text "None". The list is not refreshed until the next
// opening.
void rebuildTriggerList(QComboBox& chooser, QPlainTextEdit* triggerPane);

// After Create: the text "None" again; the list stays.
void resetTrigger(QComboBox& chooser);

} // namespace vexa
