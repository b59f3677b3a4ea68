#include "gui/map/terrain_palette.h"

#include "core/ground/ground_look.h"
#include "gui/document/text_codec.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

// The index of an item's template in the palette's list, kept in its first column.
constexpr int kTemplateRole = Qt::UserRole;
constexpr int kPictureSide = 24;

// The template's tiles, one square per cell, in the colours the map draws them in,
// centred in a square picture so that the names line up.
QIcon templatePicture(const PaletteTemplate& stamp, Theater theater)
{
    const int cellSide = std::max(2, kPictureSide / std::max(stamp.width, stamp.height));
    QImage picture(kPictureSide, kPictureSide, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const QPoint corner((kPictureSide - stamp.width * cellSide) / 2, (kPictureSide - stamp.height * cellSide) / 2);
    QPainter painter(&picture);
    for (int r = 0; r < stamp.height; ++r) {
        for (int c = 0; c < stamp.width; ++c) {
            const auto tile = static_cast<std::uint8_t>(c + stamp.width * r);
            const GroundCell cell{stamp.number, tile, groundKindOf(stamp.number, tile), kNoOverlay};
            painter.fillRect(QRect(corner + QPoint(c, r) * cellSide, QSize(cellSide, cellSide)),
                             QColor::fromRgb(groundColour(cell, theater)));
        }
    }
    return QIcon(QPixmap::fromImage(picture));
}

} // namespace

TerrainPalette::TerrainPalette(QWidget* parent)
    : QWidget(parent)
    , filter_(new QLineEdit(this))
    , list_(new QTreeWidget(this))
    , note_(new QLabel(this))
{
    setObjectName(QStringLiteral("TerrainPalette"));
    filter_->setObjectName(QStringLiteral("TemplateFilter"));
    filter_->setPlaceholderText(QStringLiteral("Filter templates (Enter picks the first)"));
    filter_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("TemplateList"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Template"), QStringLiteral("Size")});
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);
    list_->setIconSize(QSize(kPictureSide, kPictureSide));
    list_->setRootIsDecorated(true);
    note_->setObjectName(QStringLiteral("TemplateTheater"));
    note_->setWordWrap(true);
    note_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter_);
    layout->addWidget(note_);
    layout->addWidget(list_, 1);
    setMinimumWidth(220);

    connect(filter_, &QLineEdit::textChanged, this, &TerrainPalette::narrow);
    connect(filter_, &QLineEdit::returnPressed, this, &TerrainPalette::pickFirstShown);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { itemChosen(item); });
    showTheater(QString());
}

void TerrainPalette::showTheater(const QString& theaterValue)
{
    const std::optional<Theater> known = knownTheater(encodeTextReplacing(theaterValue.trimmed(), '?'));
    note_->setVisible(!known);
    if (!known) {
        note_->setText(theaterValue.trimmed().isEmpty()
                           ? QStringLiteral("The scenario names no theater: the outdoor templates are shown")
                           : QStringLiteral("Theater=%1 is no theater known here: the outdoor templates are shown")
                                 .arg(theaterValue.trimmed()));
    }
    const Theater theater = known.value_or(Theater::Temperate);
    if (listed_ == theater)
        return;
    listed_ = theater;
    fill(theater);
}

// One branch per group, in the palette's order.
void TerrainPalette::fill(Theater theater)
{
    const PaletteTemplate wasChosen = chosen_;
    templates_ = paletteTemplates(theater);
    const QSignalBlocker quiet(list_);
    list_->clear();
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* chosenItem = nullptr;
    for (std::size_t i = 0; i < templates_.size(); ++i) {
        const PaletteTemplate& stamp = templates_[i];
        if (!group || group->text(0) != decodeText(stamp.group)) {
            group = new QTreeWidgetItem(list_, {decodeText(stamp.group)});
            group->setFlags(Qt::ItemIsEnabled);
            group->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(group, {decodeText(stamp.name), QStringLiteral("%1\u00d7%2").arg(stamp.width).arg(stamp.height)});
        item->setData(0, kTemplateRole, static_cast<int>(i));
        item->setIcon(0, templatePicture(stamp, theater));
        item->setToolTip(0, QStringLiteral("Template %1").arg(stamp.number));
        if (stamp == wasChosen)
            chosenItem = item;
    }
    list_->expandAll();
    narrow(filter_->text());
    if (!chosenItem)
        chosenItem = list_->topLevelItem(0)->child(0);  // Clear
    list_->setCurrentItem(chosenItem);
    itemChosen(chosenItem);
}

// A template shows when its name or its group holds the text, whatever the case.
void TerrainPalette::narrow(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int g = 0; g < list_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = list_->topLevelItem(g);
        const bool groupMatches = group->text(0).contains(wanted, Qt::CaseInsensitive);
        bool anyShown = false;
        for (int t = 0; t < group->childCount(); ++t) {
            QTreeWidgetItem* item = group->child(t);
            const bool shown = groupMatches || item->text(0).contains(wanted, Qt::CaseInsensitive);
            item->setHidden(!shown);
            anyShown = anyShown || shown;
        }
        group->setHidden(!anyShown);
    }
}

void TerrainPalette::pickFirstShown()
{
    for (int g = 0; g < list_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = list_->topLevelItem(g);
        for (int t = 0; !group->isHidden() && t < group->childCount(); ++t) {
            if (!group->child(t)->isHidden()) {
                list_->setCurrentItem(group->child(t));
                return;
            }
        }
    }
}

void TerrainPalette::itemChosen(QTreeWidgetItem* item)
{
    if (!item || !item->data(0, kTemplateRole).isValid())
        return;
    chosen_ = templates_[static_cast<std::size_t>(item->data(0, kTemplateRole).toInt())];
    Q_EMIT templateChosen(chosen_);
}

} // namespace vexa
