#include "gui/forms/menu_builder.h"

#include "gui/forms/form_widgets.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace vexa {

namespace {

struct MenuBuilder {
    QWidget& owner;
    const MenuChoice& chosen;
    QStringList taken;
    std::size_t nextEntry = 0;  // counts entries in the order menuEntries() lists them

    void addItems(QWidget& menu, const MenuTable& items, std::size_t topMenu)
    {
        for (const MenuItem& item : items) {
            if (item.isSubmenu())
                addItems(addSubmenu(menu, item, {}), item.children, topMenu);
            else
                addEntry(menu, item, topMenu);
        }
    }

    QMenu& addSubmenu(QWidget& parent, const MenuItem& item, const QString& name)
    {
        const QString caption = widgetText(item.caption);
        auto* submenu = new QMenu(caption, &parent);
        submenu->setObjectName(name.isEmpty() ? menuItemName(caption, taken) : name);
        parent.addAction(submenu->menuAction());
        return *submenu;
    }

    void addEntry(QWidget& menu, const MenuItem& item, std::size_t topMenu)
    {
        const QString caption = widgetText(item.caption);
        auto* action = new QAction(caption, &menu);
        action->setObjectName(menuItemName(caption, taken));
        action->setData(QVariant::fromValue(nextEntry++));
        QObject::connect(action, &QAction::triggered, &owner,
                         [handler = chosen, topMenu, &item] { handler(topMenu, item); });
        menu.addAction(action);
    }
};

} // namespace

QMenuBar* buildMenuBar(const MenuTable& bar, QWidget& owner, const MenuChoice& chosen,
                       std::initializer_list<const char*> menuNames)
{
    auto* menuBar = new QMenuBar(&owner);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder builder{owner, chosen, {}};
    for (const char* name : menuNames)
        builder.taken << QLatin1String(name);
    for (std::size_t menu = 0; menu < bar.size(); ++menu) {
        const QString name = menu < menuNames.size() ? QLatin1String(menuNames.begin()[menu]) : QString();
        builder.addItems(builder.addSubmenu(*menuBar, bar[menu], name), bar[menu].children, menu);
    }
    return menuBar;
}

const MenuItem* chosenEntry(const MenuTable& bar, const QAction& action)
{
    bool isIndex = false;
    const qulonglong index = action.data().toULongLong(&isIndex);
    return isIndex ? menuEntryAt(bar, static_cast<std::size_t>(index)) : nullptr;
}

QString menuItemName(const QString& caption, QStringList& taken)
{
    QString stem;
    for (const QChar c : caption) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            stem += c;
    }
    if (stem.isEmpty() || stem.front().isDigit())
        stem.prepend(QLatin1Char('N'));
    for (int number = 1;; ++number) {
        const QString name = stem + QString::number(number);
        if (!taken.contains(name)) {
            taken << name;
            return name;
        }
    }
}

int widestEntryCaption(const QFontMetrics& metrics, const MenuTable& table)
{
    int widest = 0;
    for (const MenuItem* entry : menuEntries(table))
        widest = std::max(widest, metrics.horizontalAdvance(widgetText(entry->caption)));
    return widest;
}

} // namespace vexa
