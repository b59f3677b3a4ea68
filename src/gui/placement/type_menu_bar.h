#pragma once

#include "core/placement/type_menu.h"

#include <QString>

#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace vexa {

// A form's type menu bar, built from its table. Every entry's action is named after its
// caption ("Flame turret" → Flameturret1) and carries the entry's index in
// typeEntries(bar) as data; choosing any entry calls the form's one menu handler with the
// action, and typeEntryOf() tells the handler which entry it was.
QMenuBar* createTypeMenuBar(const TypeMenuBar& bar, QWidget* owner, const std::function<void(QAction*)>& chosen);

// The entry an action of a menu bar built from bar stands for; null for any other action.
const TypeMenuItem* typeEntryOf(const TypeMenuBar& bar, const QAction& action);

// A menu item's objectName: the letters and digits of its caption and "1", or the first
// higher number that is still free among taken (which it is then added to).
QString menuItemName(const QString& caption, QStringList& taken);

// Makes a type caption label wide enough for the longest caption of the bar, so that the
// form keeps its size whatever entry is chosen.
void fitTypeCaption(QLabel& label, const TypeMenuBar& bar);

} // namespace vexa
