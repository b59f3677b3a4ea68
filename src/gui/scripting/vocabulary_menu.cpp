#include "gui/scripting/vocabulary_menu.h"

#include "gui/document/text_codec.h"

#include <QAction>
#include <QMenu>

namespace vexa {

namespace {

void addEntries(QMenu& menu, std::span<const VocabularyEntry> entries, int entrySuffix,
                const VocabularyChoice& onChoice)
{
    for (const VocabularyEntry& entry : entries) {
        QAction* action = menu.addAction(decodeText(entry.caption));
        action->setObjectName(nameFromCaption(entry.caption, entrySuffix));
        action->setData(QVariant::fromValue(entry));
        QObject::connect(action, &QAction::triggered, action, [onChoice, action] { onChoice(*action); });
    }
}

} // namespace

QString nameFromCaption(std::string_view caption, int suffix)
{
    QString name;
    for (const char c : caption) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            name += QLatin1Char(c);
    }
    if (name.isEmpty() || name.front().isDigit())
        name.prepend(QLatin1Char('N'));
    return name + QString::number(suffix);
}

QMenu* buildVocabularyMenu(const VocabularyMenu& menu, const QString& objectName, int entrySuffix,
                           QWidget* parent, const VocabularyChoice& onChoice)
{
    auto* top = new QMenu(decodeText(menu.caption), parent);
    top->setObjectName(objectName);
    for (const VocabularySubmenu& submenu : menu.submenus) {
        QMenu* sub = top->addMenu(decodeText(submenu.caption));
        sub->setObjectName(nameFromCaption(submenu.caption, entrySuffix));
        addEntries(*sub, submenu.entries, entrySuffix, onChoice);
    }
    addEntries(*top, menu.entries, entrySuffix, onChoice);
    return top;
}

VocabularyEntry chosenEntry(const QAction& action)
{
    return action.data().value<VocabularyEntry>();
}

} // namespace vexa
