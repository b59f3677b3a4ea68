#pragma once

#include <QString>
#include <QStyledItemDelegate>

class QAbstractItemModel;
class QFontMetrics;

namespace vexa {

// A list item of the form key, blanks, "; " and a description, taken apart: the key
// without the blanks after it, and the description from its ";" on.
struct DescribedText {
    QString key;
    QString description;  // empty when the text has no ";"

    bool operator==(const DescribedText&) const = default;
};

DescribedText splitDescribedText(const QString& text);

// Draws such items with every description in one column, just right of the widest key
// of the list, which blanks cannot do in a proportional font. Only the drawing changes:
// the item text, which is what goes into the field and the file, stays as it is.
class DescribedItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the descriptions start, from the left of the text: the widest key and a gap.
    static int descriptionColumn(const QFontMetrics& metrics, const QAbstractItemModel& model);
};

} // namespace vexa
