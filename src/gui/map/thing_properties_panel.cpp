#include "gui/map/thing_properties_panel.h"

#include "core/document/countries.h"
#include "core/document/scenario.h"
#include "core/map/thing_lines.h"
#include "core/map/thing_placing.h"
#include "core/placement/placement_values.h"
#include "core/placement/trigger_names.h"
#include "core/placement/unit_types.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/health_field.h"
#include "gui/forms/trigger_chooser.h"
#include "gui/map/map_document.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace vexa {

namespace {

constexpr std::array<std::string_view, 5> kSubPositionItems = {"0", "1", "2", "3", "4"};

// The one kind all the things are of, if they are of one.
std::optional<ThingKind> commonKind(const std::vector<PlacedThing>& things)
{
    if (things.empty())
        return std::nullopt;
    const ThingKind kind = things.front().kind;
    const bool same = std::all_of(things.begin(), things.end(), [kind](const PlacedThing& t) { return t.kind == kind; });
    return same ? std::optional(kind) : std::nullopt;
}

bool hasKind(const std::vector<PlacedThing>& things, ThingKind kind)
{
    return std::any_of(things.begin(), things.end(), [kind](const PlacedThing& t) { return t.kind == kind; });
}

// The order list of the dialog of the first unit, ship or soldier among the things.
QStringList orderItems(const std::vector<PlacedThing>& things)
{
    if (hasKind(things, ThingKind::Unit))
        return itemList(kUnitOrderItems);
    if (hasKind(things, ThingKind::Ship))
        return itemList(kShipOrderItems);
    return itemList(kInfantryOrderItems);
}

QStringList itemsOf(const QComboBox* chooser)
{
    QStringList items;
    for (int i = 0; i < chooser->count(); ++i)
        items << chooser->itemText(i);
    return items;
}

// A chooser's list is laid out anew on every change: an unchanged list stays as it is.
void setItems(QComboBox* chooser, const QStringList& items)
{
    if (itemsOf(chooser) == items)
        return;
    const QSignalBlocker quiet(chooser);
    const QString text = chooser->currentText();
    chooser->clear();
    chooser->addItems(items);
    chooser->setCurrentIndex(-1);
    chooser->setEditText(text);
}

} // namespace

ThingPropertiesPanel::ThingPropertiesPanel(MapDocument& map, QWidget* parent)
    : QDockWidget(QStringLiteral("Properties"), parent)
    , map_(map)
{
    setObjectName(QStringLiteral("ThingProperties"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* body = new QWidget(this);
    form_ = new QFormLayout(body);
    nothing_ = new QLabel(QStringLiteral("Select things on the map to see their fields."), body);
    nothing_->setWordWrap(true);
    form_->addRow(nothing_);
    addChooserRow(ThingField::Country, "ThingCountry");
    addChooserRow(ThingField::Type, "ThingType");
    health_ = new HealthField("ThingHealth", "ThingHealthTrack", body);
    auto* healthBox = new QWidget(body);
    auto* healthRow = new QVBoxLayout(healthBox);
    healthRow->setContentsMargins(0, 0, 0, 0);
    healthRow->addWidget(health_->edit());
    healthRow->addWidget(health_->trackBar());
    addRow(ThingField::Health, healthBox, health_->edit());
    connect(health_->trackBar(), &QSlider::sliderReleased, this, [this] { write(ThingField::Health); });
    addChooserRow(ThingField::Direction, "ThingDirection");
    addChooserRow(ThingField::Order, "ThingOrder");
    addChooserRow(ThingField::Trigger, "ThingTrigger");
    addChooserRow(ThingField::SubPosition, "ThingSubPosition");
    setItems(static_cast<QComboBox*>(rows_[index(ThingField::Country)].editor), itemList(kCountries));
    setItems(static_cast<QComboBox*>(rows_[index(ThingField::SubPosition)].editor), itemList(kSubPositionItems));
    number_ = makeEdit("ThingNumber", body);
    number_->setReadOnly(true);
    number_->setToolTip(QStringLiteral("Other lines refer to a waypoint by its number: move or delete it instead"));
    numberLabel_ = new QLabel(QStringLiteral("Number"), body);
    form_->addRow(numberLabel_, number_);
    setWidget(body);
    setMinimumWidth(220);

    connect(&map_, &MapDocument::selectionChanged, this, &ThingPropertiesPanel::showMapChange);
    connect(&map_, &MapDocument::contentsChanged, this, &ThingPropertiesPanel::showMapChange);
    showSelection();
}

ThingPropertiesPanel::~ThingPropertiesPanel()
{
    delete health_;
}

void ThingPropertiesPanel::addRow(ThingField field, QWidget* editor, QLineEdit* text)
{
    Row& row = rows_[index(field)];
    row.editor = editor;
    row.text = text;
    row.label = new QLabel(widgetText(fieldName(field)), editor->parentWidget());
    row.reason = new QLabel(editor->parentWidget());
    row.reason->setObjectName((editor->objectName().isEmpty() ? text->objectName() : editor->objectName())
                              + QStringLiteral("Reason"));
    row.reason->setWordWrap(true);
    row.reason->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* box = new QWidget(editor->parentWidget());
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(editor);
    column->addWidget(row.reason);
    form_->addRow(row.label, box);
    connect(text, &QLineEdit::editingFinished, this, [this, field] { write(field); });
}

void ThingPropertiesPanel::addChooserRow(ThingField field, const char* name)
{
    QComboBox* chooser = makeChooser(name, {}, nothing_->parentWidget());
    addRow(field, chooser, chooser->lineEdit());
    // A pick from the list is written at once; a typed text when the field is left.
    connect(chooser, &QComboBox::activated, this, [this, field] { write(field); });
}

// A write shows its outcome once, when it is done.
void ThingPropertiesPanel::showMapChange()
{
    if (!writing_)
        showSelection();
}

// The fields of the selection as its lines read now; a selection whose lines changed is
// read again by the map first.
void ThingPropertiesPanel::showSelection()
{
    things_ = map_.selectedThings();
    auto shared = sharedFields(map_.snapshot(), things_);
    if (!shared)
        shared.emplace();
    fillLists();
    bool any = false;
    for (std::size_t i = 0; i < kThingFieldCount; ++i) {
        Row& row = rows_[i];
        const SharedField& field = (*shared)[i];
        row.label->setVisible(field.present);
        row.editor->parentWidget()->setVisible(field.present);
        row.shown = field.value ? decodeText(*field.value) : QString();
        row.text->setText(row.shown);
        row.text->setPlaceholderText(field.present && !field.value ? QStringLiteral("(mixed)") : QString());
        row.reason->clear();
        row.reason->hide();
        any = any || field.present;
    }
    showNumber();
    nothing_->setVisible(!any && !number_->isVisible());
}

// The lists the Create dialogs offer for the kinds selected.
void ThingPropertiesPanel::fillLists()
{
    const auto kind = commonKind(things_);
    QStringList types;
    if (const MenuTable* menus = kind ? typeMenus(*kind) : nullptr) {
        for (const MenuItem* entry : menuEntries(*menus)) {
            if (!types.contains(widgetText(entry->code)))
                types << widgetText(entry->code);
        }
    }
    const auto chooser = [this](ThingField field) { return static_cast<QComboBox*>(rows_[index(field)].editor); };
    setItems(chooser(ThingField::Type), types);
    setItems(chooser(ThingField::Direction), kind == ThingKind::Infantry ? itemList(kInfantryDirectionItems)
                                                                          : itemList(kDirectionItems));
    setItems(chooser(ThingField::Order), orderItems(things_));
    QStringList triggers{kNoTriggerText};
    for (const std::string& name : triggerNames(map_.snapshot().pane(PaneId::Trigs)))
        triggers << decodeText(name);
    setItems(chooser(ThingField::Trigger), triggers);
}

// A single waypoint shows its number, which is not edited here.
void ThingPropertiesPanel::showNumber()
{
    const bool waypoint = things_.size() == 1 && things_.front().kind == ThingKind::Waypoint;
    number_->setText(waypoint ? decodeText(things_.front().type) : QString());
    number_->setVisible(waypoint);
    numberLabel_->setVisible(waypoint);
}

void ThingPropertiesPanel::refuse(ThingField field, const QString& reason)
{
    Row& row = rows_[index(field)];
    row.reason->setText(reason);
    row.reason->show();
    Q_EMIT said(reason);
}

// Writes a changed field into the selected things; an empty mixed field changes nothing.
void ThingPropertiesPanel::write(ThingField field)
{
    Row& row = rows_[index(field)];
    const QString text = row.text->text();
    if (text == row.shown || things_.empty())
        return;
    const auto bytes = encodeText(text);
    const std::vector<PlacedThing> things = things_;
    // What is written on is the document as it is now, and the selection as it was shown.
    map_.refreshIfStale();
    const MapEdit edit = bytes ? fieldEdited(map_.snapshot(), things, field, *bytes)
                               : MapEdit{{}, "A character of it has no place in a scenario file."};
    if (edit.refused()) {
        if (edit.refusal == kLineChangedSinceSelected)
            showSelection();
        refuse(field, decodeText(edit.refusal));
        return;
    }
    std::vector<std::pair<PaneId, std::size_t>> lines;
    for (const PlacedThing& thing : things)
        lines.emplace_back(thing.pane, thing.line);
    const QString what = things.size() == 1 ? QStringLiteral("1 thing") : QStringLiteral("%1 things").arg(things.size());
    const QString done = QStringLiteral("Set %1 to %2 on %3").arg(widgetText(fieldName(field)), text, what);
    writing_ = true;
    if (!edit.changes.empty())
        Q_EMIT said(map_.applyEdit(edit, done));
    map_.selectLines(lines);
    writing_ = false;
    Q_EMIT fieldWritten(field, *bytes);
    showSelection();
}

} // namespace vexa
