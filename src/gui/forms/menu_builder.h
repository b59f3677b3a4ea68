#pragma once

#include "core/forms/menu_table.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <initializer_list>

class QAction;
class QFontMetrics;
class QMenuBar;
class QWidget;

namespace vexa {

// A form's handler for one menu bar: the index of the menu the entry stands in, and the
// entry.
using MenuChoice = std::function<void(std::size_t menu, const MenuItem& entry)>;

// Builds a form's menu bar ("MainMenu1") from its table: one menu per top-level item, with
// its submenus and entries in table order. Every menu, submenu and entry is named by
// menuItemName() in that order, except the top-level menus given a name in menuNames.
// Each entry's action carries the entry's index in menuEntries(bar) as data.
QMenuBar* buildMenuBar(const MenuTable& bar, QWidget& owner, const MenuChoice& chosen,
                       std::initializer_list<const char*> menuNames = {});

// The entry an action of a menu bar built from bar stands for; null for any other action.
const MenuItem* chosenEntry(const MenuTable& bar, const QAction& action);

// A menu item's objectName: the letters and digits of its caption, "N" in front when
// that would start with a digit or be empty, and "1", or the first higher number that is
// still free among taken (which it is then added to). "Flame turret" -> Flameturret1,
// "0 - 16" -> N0161, and a second "No event" -> Noevent2.
QString menuItemName(const QString& caption, QStringList& taken);

// The width of the widest entry caption of a table, so that a label showing the chosen
// caption keeps the form's size whatever entry is chosen.
int widestEntryCaption(const QFontMetrics& metrics, const MenuTable& table);

} // namespace vexa
