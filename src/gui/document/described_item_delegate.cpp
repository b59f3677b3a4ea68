#include "gui/document/described_item_delegate.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace vexa {

DescribedText splitDescribedText(const QString& text)
{
    const qsizetype note = text.indexOf(QLatin1Char(';'));
    if (note < 0)
        return {text, QString()};
    QString key = text.left(note);
    while (key.endsWith(QLatin1Char(' ')))
        key.chop(1);
    return {key, text.mid(note)};
}

namespace {

QStyle* styleOf(const QStyleOptionViewItem& item)
{
    return item.widget ? item.widget->style() : QApplication::style();
}

// The blank the style leaves on each side of an item's text.
int textMargin(const QStyleOptionViewItem& item)
{
    return styleOf(item)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
}

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& item)
{
    if (!(item.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return item.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

} // namespace

int DescribedItemDelegate::descriptionColumn(const QFontMetrics& metrics, const QAbstractItemModel& model)
{
    int widest = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString text = model.index(row, 0).data(Qt::DisplayRole).toString();
        widest = std::max(widest, metrics.horizontalAdvance(splitDescribedText(text).key));
    }
    return widest + metrics.horizontalAdvance(QStringLiteral("  "));
}

void DescribedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const DescribedText parts = splitDescribedText(item.text);
    if (parts.description.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    // Background, selection and focus as the style draws them; the text is ours.
    item.text.clear();
    styleOf(item)->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const int margin = textMargin(item);
    const QRect text = styleOf(item)->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                           .adjusted(margin, 0, -margin, 0);
    const int column = descriptionColumn(item.fontMetrics, *index.model());
    const QRect description = text.adjusted(column, 0, 0, 0);

    painter->save();
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(colorGroup(item), selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts.key);
    painter->drawText(description, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      item.fontMetrics.elidedText(parts.description, Qt::ElideRight, description.width()));
    painter->restore();
}

QSize DescribedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const DescribedText parts = splitDescribedText(index.data(Qt::DisplayRole).toString());
    if (!parts.description.isEmpty()) {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const int width = 2 * textMargin(item) + descriptionColumn(item.fontMetrics, *index.model()) +
                          item.fontMetrics.horizontalAdvance(parts.description);
        size.setWidth(std::max(size.width(), width));
    }
    return size;
}

} // namespace vexa
