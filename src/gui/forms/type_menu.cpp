#include "gui/forms/type_menu.h"

#include "core/placement/integers.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/menu_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace vexa {

TypeMenu::TypeMenu(const MenuTable& table, QWidget& form, QLineEdit* typeField, const char* captionName,
                   QLineEdit* spacingField)
    : typeField_(typeField)
    , spacingField_(spacingField)
    , caption_(new QLabel(&form))
    , bar_(buildMenuBar(table, form, [this](std::size_t, const MenuItem& entry) { choose(entry); }))
{
    caption_->setObjectName(QLatin1String(captionName));
    caption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for every caption, so that the form keeps its size whatever is chosen.
    caption_->setMinimumWidth(widestEntryCaption(caption_->fontMetrics(), table) + 4);
}

void TypeMenu::choose(const MenuItem& entry)
{
    writeField(typeField_, widgetText(entry.code));
    caption_->setText(widgetText(entry.caption));
    if (spacingField_ && entry.spacing)
        writeField(spacingField_, widgetText(decimalText(*entry.spacing)));
}

} // namespace vexa
