#include "gui/document/scenario_view.h"

#include "core/document/value_lists.h"
#include "gui/document/described_item_delegate.h"
#include "gui/document/pane_editor.h"
#include "gui/document/pane_text_edit.h"
#include "gui/document/text_codec.h"
#include "gui/document/wrapping_tab_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

QString qstr(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* label(const FieldInfo& field, QWidget* buddy)
{
    auto* text = new QLabel(qstr(field.label));
    text->setBuddy(buddy);
    return text;
}

// The line of a text position, from 0 as the gutter numbers it.
qsizetype lineNumberAt(const QString& text, qsizetype position)
{
    return text.left(position).count(QLatin1Char('\n'));
}

QString unsavableCharacter(const QString& text, qsizetype at)
{
    return QStringLiteral("\"%1\" (U+%2)").arg(text.mid(at, 1)).arg(text[at].unicode(), 4, 16, QLatin1Char('0'));
}

// A field of the Basic or Map page is one line of the file: a pasted line break becomes a
// blank. Any other character is Save's to judge.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override
    {
        keepOnOneLine(input, position);
        return Acceptable;
    }
};

} // namespace

QString paneText(const QPlainTextEdit& editor)
{
    // The raw text keeps every character (the plain text would turn no-break spaces into
    // blanks); its blocks end in paragraph separators. A pane's editor lets in no other
    // line end, but should one be there, it ends a line here too.
    return replaceLineBreaks(editor.document()->toRawText(), QLatin1Char('\n'));
}

ScenarioView::ScenarioView(QWidget* parent)
    : QWidget(parent)
    , tabs_(new WrappingTabBar(this))
    , pages_(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("PageControl1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    pages_->setFrameShape(QFrame::StyledPanel);
    connect(tabs_, &WrappingTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, step = step] { setCurrentIndex((currentIndex() + step + count()) % count()); });
    }

    for (const TabInfo& tab : kTabs) {
        QWidget* page = nullptr;
        switch (tab.content) {
        case TabContent::Pane: page = makePanePage(tab); break;
        case TabContent::BasicPage: page = makeBasicPage(); break;
        case TabContent::MapPage: page = makeMapPage(); break;
        }
        page->setObjectName(qstr(tab.tabName));
        pages_->addWidget(page);
        tabs_->addTab(qstr(tab.caption));
    }
    showBasicPage();
}

int ScenarioView::count() const
{
    return pages_->count();
}

QWidget* ScenarioView::widget(int index) const
{
    return pages_->widget(index);
}

QString ScenarioView::tabText(int index) const
{
    return tabs_->tabText(index);
}

int ScenarioView::currentIndex() const
{
    return tabs_->currentIndex();
}

QWidget* ScenarioView::currentWidget() const
{
    return pages_->currentWidget();
}

void ScenarioView::setCurrentIndex(int index)
{
    tabs_->setCurrentIndex(index);
}

void ScenarioView::setCurrentWidget(QWidget* page)
{
    setCurrentIndex(pages_->indexOf(page));
}

QWidget* ScenarioView::makePanePage(const TabInfo& tab)
{
    auto* page = new QWidget;
    auto* editor = new PaneTextEdit(page);
    editor->highlightSyntax(collectsSections(tab.pane) ? ScenarioHighlighter::Headers::Marked
                                                       : ScenarioHighlighter::Headers::Plain);
    editor->setObjectName(qstr(tab.memoName));
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    panes_[index(tab.pane)] = editor;
    return page;
}

QWidget* ScenarioView::makeField(FieldId id)
{
    const FieldInfo& field = infoOf(id);
    if (field.kind == FieldKind::Text) {
        auto* edit = new QLineEdit;
        edit->setObjectName(qstr(field.component));
        edit->setValidator(new OneLineValidator(edit));
        lineEdits_[index(id)] = edit;
        fieldWidgets_[index(id)] = edit;
        return edit;
    }
    auto* combo = new QComboBox;
    combo->setObjectName(qstr(field.component));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setValidator(new OneLineValidator(combo));
    combo->setMaxVisibleItems(24);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const bool described = field.list == ChoiceList::Movies || field.list == ChoiceList::Themes;
    combo->setMinimumContentsLength(described ? 40 : 16);
    if (described)
        combo->setItemDelegate(new DescribedItemDelegate(combo));
    for (const std::string& item : choiceItems(field.list))
        combo->addItem(decodeText(item));
    combo->setCurrentIndex(-1);
    combos_[index(id)] = combo;
    lineEdits_[index(id)] = combo->lineEdit();
    fieldWidgets_[index(id)] = combo;
    return combo;
}

int ScenarioView::addFieldRows(QGridLayout& grid, Section section)
{
    int row = 0;
    for (const FieldInfo& field : kFields) {
        if (field.section != section)
            continue;
        QWidget* widget = makeField(field.id);
        grid.addWidget(label(field, widget), row, 0);
        grid.addWidget(widget, row, 1);
        ++row;
    }
    return row;
}

QWidget* ScenarioView::makeBasicPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const int rows = addFieldRows(*grid, Section::Basic);
    // Four columns of three boxes beside the last three rows, each caption left of its box.
    const int firstBoxRow = rows - 3;
    for (std::size_t i = 0; i < kFlagCount; ++i) {
        const FlagInfo& flag = kFlags[i];
        auto* box = new QCheckBox(qstr(flag.label));
        box->setObjectName(qstr(flag.component));
        box->setLayoutDirection(Qt::RightToLeft);
        flags_[index(flag.id)] = box;
        grid->addWidget(box, firstBoxRow + static_cast<int>(i % 3), 2 + static_cast<int>(i / 3), Qt::AlignRight);
    }
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    grid->setRowStretch(rows, 1);
    return page;
}

QWidget* ScenarioView::makeMapPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const int rows = addFieldRows(*grid, Section::Map);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(rows, 1);
    return page;
}

QString ScenarioView::fieldText(FieldId field) const
{
    return lineEdits_[index(field)]->text();
}

void ScenarioView::setFieldText(FieldId field, const QString& text)
{
    if (QComboBox* combo = combos_[index(field)])
        combo->setCurrentIndex(-1);
    lineEdits_[index(field)]->setText(text);
}

std::optional<PaneId> ScenarioView::paneOf(const QWidget* widget) const
{
    if (!widget)
        return std::nullopt;
    const auto found = std::find(panes_.begin(), panes_.end(), widget);
    if (found == panes_.end())
        return std::nullopt;
    return static_cast<PaneId>(found - panes_.begin());
}

void ScenarioView::showPageOf(const QWidget& widget)
{
    const QWidget* page = &widget;
    while (page && page->parentWidget() != pages_)
        page = page->parentWidget();
    if (page)
        setCurrentIndex(pages_->indexOf(page));
}

bool ScenarioView::showPaneLine(PaneId pane, std::size_t line, std::optional<LineSelection> part, PaneFocus focus)
{
    QPlainTextEdit* editor = paneEditor(pane);
    if (line >= editorLineCount(*editor))
        return false;
    const QTextBlock block = editor->document()->findBlockByNumber(static_cast<int>(line));
    const int lineLength = static_cast<int>(block.text().size());
    const int start = part ? std::clamp(part->column, 0, lineLength) : 0;
    const int end = part ? std::clamp(start + part->length, start, lineLength) : lineLength;
    showPageOf(*editor);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    if (focus == PaneFocus::Take) {
        editor->window()->raise();
        editor->window()->activateWindow();
        editor->setFocus();
    }
    return true;
}

void ScenarioView::showField(FieldId field)
{
    QWidget* widget = fieldWidgets_[index(field)];
    showPageOf(*widget);
    widget->window()->raise();
    widget->window()->activateWindow();
    widget->setFocus();
}

void ScenarioView::load(const Scenario& scenario)
{
    DocumentText text;
    for (std::size_t i = 0; i < kPaneCount; ++i)
        text.panes[i] = decodeText(scenario.panes[i].text());
    for (const FieldInfo& field : kFields)
        text.fields[index(field.id)] = decodeText(scenario.field(field.id));
    text.flags = scenario.flags;
    load(text);
}

void ScenarioView::load(const DocumentText& text)
{
    Q_EMIT aboutToBeReplaced();
    for (std::size_t i = 0; i < kPaneCount; ++i)
        panes_[i]->setPlainText(text.panes[i]);
    for (const FieldInfo& field : kFields)
        setFieldText(field.id, text.fields[index(field.id)]);
    for (const FlagInfo& flag : kFlags)
        flagBox(flag.id)->setChecked(text.flags[index(flag.id)]);
    Q_EMIT replaced();
}

void ScenarioView::clear()
{
    load(Scenario{});
}

std::variant<Scenario, UnsavableText> ScenarioView::snapshot() const
{
    return scenarioOf(text());
}

DocumentText ScenarioView::text() const
{
    DocumentText text = rawText();
    endLinesAlike(text);
    return text;
}

DocumentText ScenarioView::rawText() const
{
    DocumentText text;
    for (const TabInfo& tab : kTabs) {
        if (tab.content == TabContent::Pane)
            text.panes[index(tab.pane)] = paneEditor(tab.pane)->document()->toRawText();
    }
    for (const FieldInfo& field : kFields)
        text.fields[index(field.id)] = fieldText(field.id);
    for (const FlagInfo& flag : kFlags)
        text.flags[index(flag.id)] = flagBox(flag.id)->isChecked();
    return text;
}

void endLinesAlike(DocumentText& text)
{
    for (QString& pane : text.panes)
        pane = replaceLineBreaks(pane, QLatin1Char('\n'));
}

std::variant<Scenario, UnsavableText> scenarioOf(const DocumentText& text)
{
    Scenario scenario;
    for (const TabInfo& tab : kTabs) {
        if (tab.content != TabContent::Pane)
            continue;
        const QString& pane = text.panes[index(tab.pane)];
        auto bytes = encodeText(pane);
        if (!bytes) {
            const qsizetype at = firstUnencodable(pane);
            return UnsavableText{QStringLiteral("Line %1 of the \"%2\" pane holds %3, which a scenario file cannot hold")
                                     .arg(lineNumberAt(pane, at))
                                     .arg(qstr(tab.caption), unsavableCharacter(pane, at))};
        }
        scenario.pane(tab.pane) = MemoryPane(*bytes);
    }
    for (const FieldInfo& field : kFields) {
        const QString& value = text.fields[index(field.id)];
        auto bytes = encodeText(value);
        if (!bytes) {
            return UnsavableText{QStringLiteral("The field \"%1\" holds %2, which a scenario file cannot hold")
                                     .arg(qstr(field.label), unsavableCharacter(value, firstUnencodable(value)))};
        }
        scenario.field(field.id) = std::move(*bytes);
    }
    scenario.flags = text.flags;
    return scenario;
}

void ScenarioView::addBar(QWidget* bar)
{
    layout()->addWidget(bar);
}

void ScenarioView::showBasicPage()
{
    setCurrentIndex(1);
}

} // namespace vexa
