#include "gui/map/place_tool.h"

#include "core/document/scenario.h"
#include "core/placement/integers.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"
#include "gui/map/map_canvas.h"
#include "gui/map/map_document.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QToolBar>

namespace vexa {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kCodeRole = Qt::UserRole + 1;

// A menu caption as it reads: "&" marks an access key, "&&" shows "&".
QString plainCaption(std::string_view caption)
{
    QString text = widgetText(caption);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

} // namespace

PlaceTool::PlaceTool(MapDocument& map, MapCanvas& canvas, QToolBar& bar, QActionGroup& tools)
    : QObject(&bar)
    , map_(map)
    , canvas_(canvas)
    , action_(bar.addAction(QStringLiteral("Place")))
    , type_(new QComboBox(&bar))
{
    action_->setObjectName(QStringLiteral("PlaceTool"));
    action_->setCheckable(true);
    action_->setToolTip(QStringLiteral("Place the chosen thing with a click, as its Create dialog would; Esc stops"));
    tools.addAction(action_);
    type_->setObjectName(QStringLiteral("PlaceType"));
    type_->setToolTip(QStringLiteral("What a click of the Place tool places"));
    fillChooser();
    bar.addWidget(type_);
    connect(action_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            canvas_.setTool(MapCanvas::Tool::Select);
            resume();
        } else if (canvas_.stampOwner() == this) {
            canvas_.clearStamp();
        }
    });
    // Choosing what to place picks the tool.
    connect(type_, &QComboBox::activated, action_, [this] { action_->setChecked(true); });
    connect(&canvas_, &MapCanvas::stampClicked, this, [this](std::int32_t cell) {
        if (canvas_.stampOwner() == this)
            placeAt(cell);
    });
    connect(&canvas_, &MapCanvas::stampDropped, this, [this](const void* owner) {
        if (owner == this)
            Q_EMIT dropped();
    });
}

// Every entry of the Create dialogs' type menus, kind by kind.
void PlaceTool::fillChooser()
{
    for (std::size_t k = 0; k < kThingKindCount; ++k) {
        const auto kind = static_cast<ThingKind>(k);
        const MenuTable* menus = typeMenus(kind);
        if (!menus)
            continue;
        if (type_->count() > 0)
            type_->insertSeparator(type_->count());
        for (const MenuItem* entry : menuEntries(*menus)) {
            type_->addItem(QStringLiteral("%1: %2 (%3)")
                               .arg(widgetText(kindName(kind)), plainCaption(entry->caption), widgetText(entry->code)));
            type_->setItemData(type_->count() - 1, static_cast<int>(k), kKindRole);
            type_->setItemData(type_->count() - 1, widgetText(entry->code), kCodeRole);
        }
    }
}

bool PlaceTool::choose(ThingKind kind, const QString& code)
{
    for (int i = 0; i < type_->count(); ++i) {
        if (type_->itemData(i, kKindRole) == static_cast<int>(kind) && type_->itemData(i, kCodeRole) == code) {
            type_->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void PlaceTool::remember(ThingField field, const std::string& value)
{
    lastUsed_[index(field)] = value;
}

void PlaceTool::resume()
{
    if (action_->isChecked())
        canvas_.setStamp(this, {CellPlace{0, 0}});
}

void PlaceTool::placeAt(std::int32_t cell)
{
    const auto kind = static_cast<ThingKind>(type_->currentData(kKindRole).toInt());
    const std::string code = fieldBytes(type_->currentData(kCodeRole).toString());
    map_.refreshIfStale();
    const Scenario& scenario = map_.snapshot();
    const PaneId pane = paneOfKind(kind);
    const std::size_t line = scenario.pane(pane).lineCount();
    const MapEdit edit = placedThing(scenario, kind, code, cell, placeChoices(scenario, lastUsed_));
    const QString done = QStringLiteral("Placed %1 %2 at cell %3").arg(widgetText(kindName(kind)), widgetText(code)).arg(cell);
    Q_EMIT said(map_.applyEdit(edit, done));
    if (!edit.refused())
        map_.selectLines({{pane, line}});
}

} // namespace vexa
