#include "gui/scripting/trigger_form.h"

#include "core/scripting/composer_reading.h"
#include "gui/scripting/line_replacement.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/menu_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace vexa {

namespace {

constexpr int kEditCount = 17;
constexpr int kFieldWidth = 96;
constexpr int kNameFieldWidth = 150;

QLabel* makeLabel(const QString& name, std::string_view text, QWidget* parent)
{
    auto* label = new QLabel(decodeText(text), parent);
    label->setObjectName(name);
    return label;
}

// Wide enough for every label a parameter can take, so relabelling never moves a field.
int parameterLabelWidth(const QFontMetrics& metrics)
{
    int width = 0;
    const auto widen = [&](std::string_view text) {
        width = std::max(width, metrics.horizontalAdvance(decodeText(text)));
    };
    for (std::string_view label : kParameterLabels)
        widen(label);
    widen(kWaypointLabel);
    for (const MenuItem& entry : kEvents)
        widen(entry.prompt);
    for (const MenuItem& entry : kActions)
        widen(entry.prompt);
    return width;
}

} // namespace

TForm13::TForm13(ScenarioView& document, Desktop& desktop, QWidget* parent)
    : FormWindow("TForm13", QStringLiteral("Create triggers"), parent, TitleButtons::Close,
                 Qt::MSWindowsFixedSizeDialogHint)
    , runner_(document, desktop, *this)
    , replacement_(new LineReplacement(document, PaneId::Trigs, *this))
{
    setCentred(true);

    for (int number = 1; number <= kEditCount; ++number)
        edits_[static_cast<std::size_t>(number - 1)] = makeEdit(QStringLiteral("Edit%1").arg(number).toLatin1().constData(), this);
    repeatModes_ = new QButtonGroup(this);
    repeatModes_->setObjectName(QStringLiteral("RepeatModes"));
    activationModes_ = new QButtonGroup(this);
    activationModes_->setObjectName(QStringLiteral("ActivationModes"));

    // Each event or action: its code field and label, its parameters and their labels
    // numbered on from there, and the field that follows it.
    struct PartInfo {
        TriggerPart part;
        std::string_view caption;
        int code;
        int codeLabel;
        int next;
    };
    static constexpr std::array<PartInfo, 4> kParts = {{
        {TriggerPart::Event, "T1:", 3, 5, 6},
        {TriggerPart::Event, "T2:", 6, 8, 9},
        {TriggerPart::Action, "R1:", 9, 11, 13},
        {TriggerPart::Action, "R2:", 13, 15, 1},
    }};
    for (std::size_t p = 0; p < kParts.size(); ++p) {
        const PartInfo& info = kParts[p];
        PartFields& fields = parts_[p];
        fields.part = info.part;
        fields.codeLabel = makeLabel(QStringLiteral("Label%1").arg(info.codeLabel), info.caption, this);
        fields.code = edit(info.code);
        fields.next = edit(info.next);
        for (std::size_t i = 0; i < parameterCount(info.part); ++i) {
            const int offset = static_cast<int>(i) + 1;
            fields.labels[i] = makeLabel(QStringLiteral("Label%1").arg(info.codeLabel + offset), kParameterLabels[i], this);
            fields.parameters[i] = edit(info.code + offset);
        }
    }

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addWidget(makeLeftColumn());
    columns->addWidget(makePartColumn(QStringLiteral("Panel2"), parts_[0], parts_[2]));
    columns->addWidget(makePartColumn(QStringLiteral("Panel3"), parts_[1], parts_[3]));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(columns);
    layout->addWidget(makeBottomRow());
    makeMenus();
    chainTabOrder();
    resetFields();

    fixSizeNoSmallerThan(QSize(713, 249));
}

QWidget* TForm13::makeLeftColumn()
{
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Panel1"));

    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(makeLabel(QStringLiteral("Label1"), "Trigger name:", column), 0, 0);
    fields->addWidget(edit(1), 0, 1);
    fields->addWidget(makeLabel(QStringLiteral("Label3"), "Country:", column), 1, 0);
    fields->addWidget(edit(2), 1, 1);
    edit(1)->setMinimumWidth(kNameFieldWidth);

    auto* information = makeLabel(QStringLiteral("Label19"), kTriggerInformationText, column);
    information->setWordWrap(true);
    information->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The text wraps to the width of the radio group above it rather than widening the column.
    information->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* repeatColumn = new QVBoxLayout;
    repeatColumn->addWidget(makeRadioGroup("GroupBox1", widgetText(kRepeatModeTitle), itemList(kRepeatModeCaptions), 1,
                                           repeatModes_, column));
    repeatColumn->addWidget(information, 1);

    auto* groups = new QHBoxLayout;
    groups->addLayout(repeatColumn, 1);
    groups->addWidget(makeRadioGroup("GroupBox2", widgetText(kActivationModeTitle), itemList(kActivationModeCaptions),
                                     4, activationModes_, column));

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addLayout(groups, 1);
    return column;
}

QWidget* TForm13::makePartColumn(const QString& name, const PartFields& upper, const PartFields& lower)
{
    auto* column = new QWidget(this);
    column->setObjectName(name);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    const int labelWidth = parameterLabelWidth(fontMetrics());

    int row = 0;
    for (const PartFields* fields : {&upper, &lower}) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 10);
        fields->codeLabel->setMinimumWidth(labelWidth);
        grid->addWidget(fields->codeLabel, row, 0);
        grid->addWidget(fields->code, row++, 1);
        fields->code->setFixedWidth(kFieldWidth);
        for (std::size_t i = 0; i < parameterCount(fields->part); ++i) {
            grid->addWidget(fields->labels[i], row, 0);
            grid->addWidget(fields->parameters[i], row++, 1);
            fields->parameters[i]->setFixedWidth(kFieldWidth);
        }
    }
    grid->setRowStretch(row, 1);
    return column;
}

QWidget* TForm13::makeBottomRow()
{
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("Panel4"));
    createButton_ = makeButton("BitBtn1", QStringLiteral("&Create"), row);
    connect(createButton_, &QPushButton::clicked, this, &TForm13::BitBtn1Click);
    doneButton_ = makeButton("BitBtn2", QStringLiteral("&Done"), row);
    connect(doneButton_, &QPushButton::clicked, this, &TForm13::BitBtn2Click);
    setDefaultButton(createButton_);
    setCancelButton(doneButton_);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Label2"), "Comments:", row));
    layout->addWidget(edit(17), 1);
    layout->addSpacing(12);
    layout->addWidget(replacement_->refusal(), 1);
    layout->addWidget(replacement_->button());
    connect(replacement_->button(), &QPushButton::clicked, this, &TForm13::ReplaceLineClick);
    layout->addWidget(createButton_);
    layout->addWidget(doneButton_);
    return row;
}

void TForm13::makeMenus()
{
    // One handler per menu, in menu bar order.
    static constexpr std::array<void (TForm13::*)(const MenuItem&), kTriggerMenuCount> kHandlers = {
        &TForm13::Multi81Click, &TForm13::Noevent1Click, &TForm13::Noevent2Click,
        &TForm13::Noaction1Click, &TForm13::Noaction2Click,
    };
    layout()->setMenuBar(buildMenuBar(
        triggerMenuBar(), *this, [this](std::size_t menu, const MenuItem& item) { (this->*kHandlers[menu])(item); },
        {"Countries1", "T11", "T12", "R11", "R12"}));
}

void TForm13::chainTabOrder()
{
    std::vector<QWidget*> order;
    for (const int number : {1, 2, 3, 4, 5, 9, 10, 11, 12, 6, 7, 8, 13, 14, 15, 16})
        order.push_back(edit(number));
    order.push_back(createButton_);
    order.push_back(doneButton_);
    for (const QButtonGroup* group : {repeatModes_, activationModes_}) {
        for (QAbstractButton* button : group->buttons())
            order.push_back(button);
    }
    order.push_back(edit(17));
    vexa::chainTabOrder(order);
}

void TForm13::prepare()
{
    replacement_->end();
    resetFields();
}

void TForm13::editLine(std::size_t line, const QString& text, const TriggerInput& input)
{
    writeInput(input);
    replacement_->begin(line, text);
}

void TForm13::ReplaceLineClick()
{
    if (replacement_->replace(composeTriggerLine(readInput())))
        resetFields();
}

void TForm13::Multi81Click(const MenuItem& item)
{
    edit(2)->setText(decodeText(item.code));
}

void TForm13::Noevent1Click(const MenuItem& item)
{
    choose(parts_[0], item);
}

void TForm13::Noevent2Click(const MenuItem& item)
{
    choose(parts_[1], item);
}

void TForm13::Noaction1Click(const MenuItem& item)
{
    choose(parts_[2], item);
}

void TForm13::Noaction2Click(const MenuItem& item)
{
    choose(parts_[3], item);
}

void TForm13::choose(const PartFields& fields, const MenuItem& item)
{
    const ParameterFill fill = fillParameters(fields.part, item);
    fields.code->setText(decodeText(fill.code));
    for (std::size_t i = 0; i < fill.parameters.size(); ++i) {
        fields.labels[i]->setText(decodeText(fill.parameters[i].label));
        fields.parameters[i]->setText(decodeText(fill.parameters[i].value));
    }
    QLineEdit* focus = fill.focusParameter ? fields.parameters[*fill.focusParameter] : fields.next;
    focus->setFocus();
}

void TForm13::BitBtn1Click()
{
    const TriggerInput input = readInput();
    runner_.run(
        [&](PaneEditors& panes) {
            return appendTrigger(input, panes[PaneId::Trigs]) ? Outcome::Done : Outcome::Refused;
        },
        [this] { resetFields(); });
}

void TForm13::BitBtn2Click()
{
    hide();
}

void TForm13::resetFields()
{
    for (int number = 1; number <= kEditCount; ++number) {
        if (number != 2)
            edit(number)->clear();
    }
    repeatModes_->button(0)->setChecked(true);
    activationModes_->button(0)->setChecked(true);
    for (const PartFields& fields : parts_) {
        for (std::size_t i = 0; i < parameterCount(fields.part); ++i)
            fields.labels[i]->setText(decodeText(kParameterLabels[i]));
    }
}

void TForm13::writeInput(const TriggerInput& input)
{
    edit(1)->setText(decodeText(input.name));
    edit(2)->setText(decodeText(input.country));
    repeatModes_->button(input.repeatMode)->setChecked(true);
    activationModes_->button(input.activationMode)->setChecked(true);
    showPart(parts_[0], input.t1.code, input.t1.parameters);
    showPart(parts_[1], input.t2.code, input.t2.parameters);
    showPart(parts_[2], input.r1.code, input.r1.parameters);
    showPart(parts_[3], input.r2.code, input.r2.parameters);
    edit(17)->setText(decodeText(input.comment));
}

// A code with its parameters, labelled as the code's menu entry labels them.
void TForm13::showPart(const PartFields& fields, const std::string& code, std::span<const std::string> parameters)
{
    fields.code->setText(decodeText(code));
    const std::array<std::string_view, 3> labels = parameterLabelsFor(fields.part, code);
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        fields.labels[i]->setText(decodeText(labels[i]));
        fields.parameters[i]->setText(decodeText(parameters[i]));
    }
}

TriggerInput TForm13::readInput() const
{
    const auto read = [this](int number) { return fieldBytes(edit(number)->text()); };
    TriggerInput input;
    input.name = read(1);
    input.country = read(2);
    input.repeatMode = repeatModes_->checkedId();
    input.activationMode = activationModes_->checkedId();
    input.t1 = {read(3), {read(4), read(5)}};
    input.t2 = {read(6), {read(7), read(8)}};
    input.r1 = {read(9), {read(10), read(11), read(12)}};
    input.r2 = {read(13), {read(14), read(15), read(16)}};
    input.comment = read(17);
    return input;
}

} // namespace vexa
