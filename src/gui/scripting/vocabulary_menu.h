#pragma once

#include "core/scripting/vocabulary.h"

#include <QMetaType>
#include <QString>

#include <functional>
#include <string_view>

class QAction;
class QMenu;
class QWidget;

Q_DECLARE_METATYPE(vexa::VocabularyEntry)

namespace vexa {

// Called with the action the user chose; its data() carries the entry.
using VocabularyChoice = std::function<void(const QAction& chosen)>;

// Builds a menu of a dialog's menu bar from its table: one submenu per submenu of the
// table, then the menu's own entries. Each action carries its entry as data and is named
// from its caption with `entrySuffix` appended ("No event" in T2 -> "Noevent2"); a
// submenu is named the same way ("0 - 16" -> "N0161"). Every choice goes to `onChoice`.
QMenu* buildVocabularyMenu(const VocabularyMenu& menu, const QString& objectName, int entrySuffix,
                           QWidget* parent, const VocabularyChoice& onChoice);

// The entry an action of such a menu carries.
VocabularyEntry chosenEntry(const QAction& action);

// The name a control gets from its caption: letters and digits only, "N" in front when
// that would start with a digit or be empty, and the suffix behind.
QString nameFromCaption(std::string_view caption, int suffix);

} // namespace vexa
