#include "gui/scripting/team_type_form.h"

#include "gui/forms/form_widgets.h"
#include "gui/scripting/line_replacement.h"
#include "gui/forms/menu_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace vexa {

namespace {

// Each field's label carries the field's number: Label12 labels Edit12.
QLabel* fieldLabel(const QString& caption, QWidget* field)
{
    QString name = field->objectName();
    return makeFieldLabel(caption, field, name.replace(QLatin1String("Edit"), QLatin1String("Label")));
}

constexpr int kNumberFieldWidth = 56;
constexpr int kFieldSpacing = 4;
constexpr int kListRowsShown = 4;

// Each list item keeps the two texts its entry was made from, so that an entry is read
// back whole even when one of its texts holds a colon.
constexpr int kFirstTextRole = Qt::UserRole;
constexpr int kSecondTextRole = Qt::UserRole + 1;

QListWidget* makeList(const char* name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The list takes the room its column has left rather than widening the form, and
    // shows a few entries at least.
    list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    list->setMinimumHeight(kListRowsShown * (list->fontMetrics().height() + 2) + 2 * list->frameWidth());
    return list;
}

template <typename Entry>
void appendEntry(QListWidget& list, const Entry& entry)
{
    const auto& [first, second] = entry;
    auto* item = new QListWidgetItem(widgetText(entryText(entry)), &list);
    item->setData(kFirstTextRole, widgetText(first));
    item->setData(kSecondTextRole, widgetText(second));
}

template <typename Entry>
std::vector<Entry> entriesOf(const QListWidget& list)
{
    std::vector<Entry> entries;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem& item = *list.item(row);
        entries.push_back(Entry{fieldBytes(item.data(kFirstTextRole).toString()),
                                fieldBytes(item.data(kSecondTextRole).toString())});
    }
    return entries;
}

template <typename Entry>
void showEntries(QListWidget& list, const std::vector<Entry>& entries)
{
    list.clear();
    for (const Entry& entry : entries)
        appendEntry(list, entry);
}

// "Add unit" and "Add order": the entry the two fields make joins the list when both are
// filled, and the fields are emptied for the next one.
template <typename Entry>
void addEntryFromFields(QListWidget& list, QLineEdit& first, QLineEdit& second)
{
    const Entry entry{fieldBytes(first.text()), fieldBytes(second.text())};
    if (!canAdd(entry))
        return;
    appendEntry(list, entry);
    first.clear();
    second.clear();
}

// "Delete unit" and "Delete order": the selected entry goes; without a selection nothing
// does. No other entry takes over the selection, so a second press deletes nothing the
// user did not pick.
void deleteSelectedEntry(QListWidget& list)
{
    qDeleteAll(list.selectedItems());
    list.clearSelection();
}

std::optional<int> selectedButton(const QButtonGroup& group)
{
    const int id = group.checkedId();
    return id < 0 ? std::nullopt : std::optional<int>(id);
}

void selectButton(QButtonGroup& group, std::optional<int> button)
{
    if (button) {
        group.button(*button)->setChecked(true);
    } else if (QAbstractButton* checked = group.checkedButton()) {
        // An exclusive group never lets its last selected button go.
        group.setExclusive(false);
        checked->setChecked(false);
        group.setExclusive(true);
    }
}

} // namespace

TForm14::TForm14(ScenarioView& document, Desktop& desktop, QWidget* parent)
    : FormWindow("TForm14", QStringLiteral("Create teamtype"), parent, TitleButtons::Close,
                 Qt::MSWindowsFixedSizeDialogHint)
    , runner_(document, desktop, *this)
    , replacement_(new LineReplacement(document, PaneId::TeamType, *this))
    , Edit1(makeEdit("Edit1", this))
    , Edit2(makeEdit("Edit2", this))
    , hiddenAutocreate_(new QButtonGroup(this))
    , Edit12(makeEdit("Edit12", this))
    , Edit3(makeEdit("Edit3", this))
    , Edit4(makeEdit("Edit4", this))
    , Edit5(makeEdit("Edit5", this))
    , Edit6(makeEdit("Edit6", this))
    , Edit7(makeEdit("Edit7", this))
    , Button1(makeButton("Button1", QStringLiteral("Add unit"), this))
    , Button2(makeButton("Button2", QStringLiteral("Delete unit"), this))
    , Edit8(makeEdit("Edit8", this))
    , Edit9(makeEdit("Edit9", this))
    , Button3(makeButton("Button3", QStringLiteral("Add order"), this))
    , Button4(makeButton("Button4", QStringLiteral("Delete order"), this))
    , Edit10(makeEdit("Edit10", this))
    , Edit11(makeEdit("Edit11", this))
    , ListBox1(makeList("ListBox1", this))
    , ListBox2(makeList("ListBox2", this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Done"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Close"), this))
    , Edit13(makeEdit("Edit13", this))
{
    setCentred(true);
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    hiddenAutocreate_->setObjectName(QStringLiteral("HiddenAutocreate"));

    // Left: name, country and the radio group. Right: the numbers, and below them the
    // unit column and the order column side by side.
    auto* lists = new QHBoxLayout;
    lists->setSpacing(12);
    lists->addLayout(makeListColumn(Button1, Button2, Edit8, QStringLiteral("Kind of unit:"), Edit9,
                                    QStringLiteral("Number of units:"), ListBox1));
    lists->addLayout(makeListColumn(Button3, Button4, Edit10, QStringLiteral("Order number:"), Edit11,
                                    QStringLiteral("Order parameter:"), ListBox2));
    auto* right = new QVBoxLayout;
    right->addLayout(makeNumberFields());
    right->addLayout(lists, 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(makeLeftColumn());
    columns->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addLayout(columns, 1);
    layout->addLayout(makeBottomRow());
    makeMenus();
    connectHandlers();

    std::vector<QWidget*> tabOrder = {Edit1, Edit2};
    for (QAbstractButton* button : hiddenAutocreate_->buttons())
        tabOrder.push_back(button);
    tabOrder.insert(tabOrder.end(), {Edit12, Edit3, Edit4, Edit5, Edit6, Edit7, Button1, Button2, Edit8, Edit9,
                                     Button3, Button4, Edit10, Edit11, ListBox1, ListBox2, BitBtn1, BitBtn2, Edit13});
    chainTabOrder(tabOrder);

    writeInput(freshTeamType());
    fixSizeNoSmallerThan(QSize(521, 329));
}

QLayout* TForm14::makeLeftColumn()
{
    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(kFieldSpacing);
    fields->addWidget(fieldLabel(QStringLiteral("Name:"), Edit1), 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(fieldLabel(QStringLiteral("Country:"), Edit2), 1, 0);
    fields->addWidget(Edit2, 1, 1);

    auto* column = new QVBoxLayout;
    column->addLayout(fields);
    column->addWidget(makeHiddenAutocreateGroup());
    column->addStretch();
    return column;
}

QGroupBox* TForm14::makeHiddenAutocreateGroup()
{
    QGroupBox* group = makeRadioGroup("GroupBox1", widgetText(kHiddenAutocreateTitle),
                                      itemList(kHiddenAutocreateCaptions), 1, hiddenAutocreate_, this);
    // "Number:" shows the group's number as text, so it stands inside the group.
    auto* number = new QHBoxLayout;
    number->setContentsMargins(0, 4, 0, 0);
    number->setSpacing(6);
    number->addWidget(fieldLabel(widgetText(kHiddenAutocreateNumberLabel), Edit12));
    number->addWidget(Edit12);
    Edit12->setFixedWidth(kNumberFieldWidth);
    number->addStretch();
    static_cast<QBoxLayout*>(group->layout())->addLayout(number);
    return group;
}

QLayout* TForm14::makeNumberFields()
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(kFieldSpacing);
    int row = 0;
    for (const auto& [field, caption] : {std::pair{Edit3, "Unknown 1:"}, std::pair{Edit4, "Unknown 2:"},
                                         std::pair{Edit5, "Number of autocreated teams:"},
                                         std::pair{Edit6, "Waypoint for team appearance:"},
                                         std::pair{Edit7, "Attached trigger(number):"}}) {
        grid->addWidget(fieldLabel(QLatin1String(caption), field), row, 0);
        grid->addWidget(field, row++, 1);
        field->setFixedWidth(kNumberFieldWidth);
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

QLayout* TForm14::makeListColumn(QPushButton* add, QPushButton* remove, QLineEdit* first, const QString& firstCaption,
                                 QLineEdit* second, const QString& secondCaption, QListWidget* list)
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(kFieldSpacing);
    fields->addWidget(fieldLabel(firstCaption, first), 0, 0);
    fields->addWidget(first, 0, 1);
    fields->addWidget(fieldLabel(secondCaption, second), 1, 0);
    fields->addWidget(second, 1, 1);
    for (QLineEdit* field : {first, second})
        field->setMinimumWidth(kNumberFieldWidth);

    auto* column = new QVBoxLayout;
    column->addLayout(buttons);
    column->addLayout(fields);
    column->addWidget(list, 1);
    return column;
}

QLayout* TForm14::makeBottomRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(fieldLabel(QStringLiteral("Comments:"), Edit13));
    row->addWidget(Edit13, 1);
    row->addSpacing(12);
    row->addWidget(replacement_->refusal(), 1);
    row->addWidget(replacement_->button());
    connect(replacement_->button(), &QPushButton::clicked, this, &TForm14::ReplaceLineClick);
    row->addWidget(BitBtn1);
    row->addWidget(BitBtn2);
    return row;
}

void TForm14::makeMenus()
{
    // One handler per menu, in menu bar order.
    static constexpr std::array<void (TForm14::*)(const MenuItem&), kTeamTypeMenuCount> kHandlers = {
        &TForm14::Multi81Click, &TForm14::Lighttank1Click, &TForm14::Attack1Click,
    };
    layout()->setMenuBar(buildMenuBar(
        teamTypeMenuBar(), *this, [this](std::size_t menu, const MenuItem& item) { (this->*kHandlers[menu])(item); },
        {"Countries1", "Unittype1", "Orders1"}));
}

void TForm14::connectHandlers()
{
    // Only the user's selections arrive here: the dialog's own go through
    // showHiddenAutocreate() with the group quiet.
    connect(hiddenAutocreate_, &QButtonGroup::idToggled, this, [this](int button, bool selected) {
        if (selected)
            RadioButton1Click(button);
    });
    connect(Edit12, &QLineEdit::textChanged, this, &TForm14::Edit12Change);
    connect(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm14::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm14::Button4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm14::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm14::BitBtn2Click);
}

std::array<TForm14::LineField, 9> TForm14::lineFields() const
{
    return {{
        {Edit1, &TeamTypeInput::name},
        {Edit2, &TeamTypeInput::country},
        {Edit12, &TeamTypeInput::hiddenAutocreate},
        {Edit3, &TeamTypeInput::unknown1},
        {Edit4, &TeamTypeInput::unknown2},
        {Edit5, &TeamTypeInput::autocreatedTeams},
        {Edit6, &TeamTypeInput::waypoint},
        {Edit7, &TeamTypeInput::attachedTrigger},
        {Edit13, &TeamTypeInput::comment},
    }};
}

void TForm14::prepare()
{
    replacement_->end();
    TeamTypeInput opening = freshTeamType();
    opening.comment = fieldBytes(Edit13->text());
    writeInput(opening);
}

void TForm14::editLine(std::size_t line, const QString& text, const TeamTypeInput& input)
{
    writeInput(input);
    replacement_->begin(line, text);
}

void TForm14::ReplaceLineClick()
{
    if (replacement_->replace(composeTeamTypeLine(readInput())))
        writeInput(freshTeamType());
}

void TForm14::Multi81Click(const MenuItem& item)
{
    Edit2->setText(widgetText(item.code));
}

void TForm14::Lighttank1Click(const MenuItem& item)
{
    Edit8->setText(widgetText(item.code));
    Edit9->setFocus();
}

void TForm14::Attack1Click(const MenuItem& item)
{
    const OrderFill fill = fillOrder(item);
    Edit10->setText(widgetText(fill.code));
    if (fill.parameter)
        Edit11->setText(widgetText(*fill.parameter));
    if (fill.focusParameter())
        Edit11->setFocus();
}

void TForm14::RadioButton1Click(int button)
{
    showHiddenAutocreate(selectHiddenAutocreate(button));
}

void TForm14::Edit12Change(const QString& text)
{
    showHiddenAutocreate(hiddenAutocreateAfterEdit(fieldBytes(text), selectedButton(*hiddenAutocreate_)));
}

void TForm14::showHiddenAutocreate(const HiddenAutocreateState& state)
{
    // What is shown here follows from a choice already handled; showing it is no new one.
    {
        const QSignalBlocker quiet(hiddenAutocreate_);
        selectButton(*hiddenAutocreate_, state.selectedButton);
    }
    const QString number = widgetText(state.number);
    if (Edit12->text() != number) {
        const QSignalBlocker quiet(Edit12);
        Edit12->setText(number);
    }
}

void TForm14::Button1Click()
{
    addEntryFromFields<UnitEntry>(*ListBox1, *Edit8, *Edit9);
}

void TForm14::Button2Click()
{
    deleteSelectedEntry(*ListBox1);
}

void TForm14::Button3Click()
{
    addEntryFromFields<OrderEntry>(*ListBox2, *Edit10, *Edit11);
}

void TForm14::Button4Click()
{
    deleteSelectedEntry(*ListBox2);
}

void TForm14::BitBtn1Click()
{
    const TeamTypeInput input = readInput();
    runner_.run(
        [&](PaneEditors& panes) {
            return appendTeamType(input, panes[PaneId::TeamType]) ? Outcome::Done : Outcome::Refused;
        },
        [this] { writeInput(freshTeamType()); });
}

void TForm14::BitBtn2Click()
{
    hide();
}

TeamTypeInput TForm14::readInput() const
{
    TeamTypeInput input;
    for (const LineField& field : lineFields())
        input.*field.text = fieldBytes(field.edit->text());
    input.units = entriesOf<UnitEntry>(*ListBox1);
    input.orders = entriesOf<OrderEntry>(*ListBox2);
    return input;
}

void TForm14::writeInput(const TeamTypeInput& input)
{
    // "Number:" takes its text like a typed one: its change handler selects the button
    // the value names.
    for (const LineField& field : lineFields())
        writeField(field.edit, widgetText(input.*field.text));
    for (QLineEdit* next : {Edit8, Edit9, Edit10, Edit11})
        next->clear();
    showEntries(*ListBox1, input.units);
    showEntries(*ListBox2, input.orders);
}

} // namespace vexa
