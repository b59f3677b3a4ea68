#include "gui/placement/type_menu_bar.h"

#include "gui/forms/form_widgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace vexa {

namespace {

struct MenuBuilder {
    QWidget* owner;
    const std::function<void(QAction*)>& chosen;
    QStringList taken;
    int nextEntry = 0;  // counts entries in the order typeEntries() lists them

    void addItems(QWidget* menu, const std::vector<TypeMenuItem>& items)
    {
        for (const TypeMenuItem& item : items) {
            const QString caption = widgetText(item.caption);
            if (item.isSubmenu()) {
                auto* submenu = new QMenu(caption, menu);
                submenu->setObjectName(menuItemName(caption, taken));
                menu->addAction(submenu->menuAction());
                addItems(submenu, item.items);
            } else {
                auto* action = new QAction(caption, menu);
                action->setObjectName(menuItemName(caption, taken));
                action->setData(nextEntry++);
                QObject::connect(action, &QAction::triggered, owner, [handler = chosen, action] { handler(action); });
                menu->addAction(action);
            }
        }
    }
};

} // namespace

QMenuBar* createTypeMenuBar(const TypeMenuBar& bar, QWidget* owner, const std::function<void(QAction*)>& chosen)
{
    auto* menuBar = new QMenuBar(owner);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder builder{owner, chosen, {}};
    builder.addItems(menuBar, bar);
    return menuBar;
}

const TypeMenuItem* typeEntryOf(const TypeMenuBar& bar, const QAction& action)
{
    bool isIndex = false;
    const int index = action.data().toInt(&isIndex);
    const std::vector<const TypeMenuItem*> entries = typeEntries(bar);
    if (!isIndex || index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return nullptr;
    return entries[static_cast<std::size_t>(index)];
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

void fitTypeCaption(QLabel& label, const TypeMenuBar& bar)
{
    int widest = 0;
    for (const TypeMenuItem* entry : typeEntries(bar))
        widest = std::max(widest, label.fontMetrics().horizontalAdvance(widgetText(entry->caption)));
    label.setMinimumWidth(widest + 4);
}

} // namespace vexa
