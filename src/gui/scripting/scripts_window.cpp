#include "gui/scripting/scripts_window.h"

#include "core/scripting/script_words.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/scripting/script_edit_history.h"
#include "gui/scripting/script_reading.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa {

namespace {

// Typing in a pane reads the document again only once the typing pauses this long.
constexpr int kTypingPauseMs = 250;
constexpr int kPaneRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

QString usesText(const std::vector<ScriptUse>& uses)
{
    QStringList places;
    for (const ScriptUse& use : uses)
        places << paneLineName(use.pane, use.line);
    places.removeDuplicates();
    return places.join(QStringLiteral(", "));
}

QString referencesText(const ScriptIndex& index, const ScriptEntry& entry)
{
    QStringList named;
    for (const ScriptReference& reference : entry.references) {
        if (namesLine(reference.kind))
            named << decodeText(describeReference(index, reference));
    }
    return named.join(QStringLiteral("; "));
}

// The target as words for the title of the uses: "team type 1 'escort'".
QString targetText(const ScriptIndex& index, const ScriptTarget& target)
{
    QString text = QStringLiteral("%1 %2").arg(decodeText(kindName(target.kind))).arg(target.number);
    if (target.kind != ReferenceKind::Waypoint) {
        const ScriptEntry* entry = index.entryAt(
            target.kind == ReferenceKind::Trigger ? ScriptKind::Trigger : ScriptKind::TeamType, target.number);
        if (entry)
            text += QStringLiteral(" '%1'").arg(decodeText(entry->name));
    }
    return text;
}

} // namespace

QString paneLineName(PaneId pane, std::size_t line)
{
    return QStringLiteral("%1 line %2").arg(decodeText(paneHeader(pane))).arg(line);
}

// One row per trigger and team type, its texts worked out once per reading.
class ScriptsModel final : public QAbstractTableModel {
public:
    enum Column { Kind, Name, Line, Explanation, RefersTo, UsedBy, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setIndex(const ScriptIndex& index)
    {
        beginResetModel();
        rows_.clear();
        for (const ScriptKind kind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
            for (const ScriptEntry& entry : index.entries(kind))
                rows_.push_back({kind == ScriptKind::Trigger ? QStringLiteral("trigger") : QStringLiteral("team type"),
                                 decodeText(entry.name), paneOf(kind), entry.line,
                                 decodeText(explainEntry(index, entry)), referencesText(index, entry),
                                 usesText(index.usesOf(targetOf(entry))), isMarked(index, entry)});
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const Row& row = rows_[static_cast<std::size_t>(index.row())];
        switch (role) {
        case Qt::DisplayRole:
            return display(row, index.column());
        case Qt::ToolTipRole:
            return index.column() == Explanation ? QVariant(row.explanation) : QVariant();
        case Qt::ForegroundRole:
            return row.marked ? QVariant(QBrush(Qt::darkRed)) : QVariant();
        case kPaneRole:
            return static_cast<int>(vexa::index(row.pane));
        case kLineRole:
            return static_cast<qulonglong>(row.line);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char* const kTitles[] = {"Kind", "Name", "Line", "Explanation", "Refers to", "Used by"};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
            return {};
        return QString::fromLatin1(kTitles[section]);
    }

private:
    struct Row {
        QString kind;
        QString name;
        PaneId pane;
        std::size_t line;
        QString explanation;
        QString refersTo;
        QString usedBy;
        bool marked;
    };

    static QVariant display(const Row& row, int column)
    {
        switch (column) {
        case Kind:
            return row.kind;
        case Name:
            return row.name;
        case Line:
            return static_cast<qulonglong>(row.line);
        case Explanation:
            return row.explanation;
        case RefersTo:
            return row.refersTo;
        default:
            return row.usedBy;
        }
    }

    std::vector<Row> rows_;
};

ScriptsWindow::ScriptsWindow(ScriptReading& reading, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , reading_(reading)
    , model_(new ScriptsModel(this))
    , filter_(new QSortFilterProxyModel(this))
    , filterText_(new QLineEdit(this))
    , table_(new QTableView(this))
    , usesTitle_(new QLabel(QStringLiteral("Uses"), this))
    , uses_(new QListWidget(this))
    , status_(new QLabel(this))
    , refreshTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("ScriptsWindow"));
    setWindowTitle(QStringLiteral("Scripts"));
    resize(900, 500);

    filter_->setSourceModel(model_);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filter_->setFilterKeyColumn(-1);
    filterText_->setObjectName(QStringLiteral("ScriptsFilter"));
    filterText_->setPlaceholderText(QStringLiteral("Filter: any text of a row"));
    filterText_->setClearButtonEnabled(true);
    connect(filterText_, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);

    table_->setObjectName(QStringLiteral("ScriptsTable"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);  // in document order until a column is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(ScriptsModel::Explanation, QHeaderView::Stretch);
    connect(table_, &QTableView::activated, this, &ScriptsWindow::showRow);

    usesTitle_->setObjectName(QStringLiteral("ScriptsUsesTitle"));
    uses_->setObjectName(QStringLiteral("ScriptsUses"));
    connect(uses_, &QListWidget::itemActivated, this, &ScriptsWindow::showUse);

    auto* usesBox = new QWidget(this);
    auto* usesLayout = new QVBoxLayout(usesBox);
    usesLayout->setContentsMargins(0, 0, 0, 0);
    usesLayout->addWidget(usesTitle_);
    usesLayout->addWidget(uses_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(usesBox);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filterText_);
    layout->addWidget(split, 1);
    status_->setObjectName(QStringLiteral("ScriptsStatus"));
    layout->addWidget(status_);
    addUndoKeys();

    refreshTimer_->setSingleShot(true);
    connect(refreshTimer_, &QTimer::timeout, this, &ScriptsWindow::refresh);
    connect(&reading_, &ScriptReading::changed, this, &ScriptsWindow::documentChanged);
}

// Ctrl+Z and Ctrl+Y here undo and redo the script edits that changed several panes, as
// they do in the panes the edits were made in. (In the filter field they edit the filter.)
void ScriptsWindow::addUndoKeys()
{
    const auto addKey = [this](const char* name, QKeySequence::StandardKey key, QString (ScriptEditHistory::*step)()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(key);
        connect(action, &QAction::triggered, this,
                [this, step] { status_->setText((ScriptEditHistory::of(reading_.document()).*step)()); });
        addAction(action);
    };
    addKey("ScriptsUndo", QKeySequence::Undo, &ScriptEditHistory::undo);
    addKey("ScriptsRedo", QKeySequence::Redo, &ScriptEditHistory::redo);
}

void ScriptsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (outOfDate_)
        refresh();
}

// Hidden, the window reads nothing; shown, it reads the document once the change is over.
void ScriptsWindow::documentChanged()
{
    outOfDate_ = true;
    if (isVisible())
        refreshTimer_->start(kTypingPauseMs);
}

void ScriptsWindow::refresh()
{
    refreshTimer_->stop();
    model_->setIndex(reading_.index());
    outOfDate_ = false;
}

void ScriptsWindow::showRow(const QModelIndex& index)
{
    reading_.document().showPaneLine(static_cast<PaneId>(index.data(kPaneRole).toInt()),
                                     index.data(kLineRole).toULongLong());
}

void ScriptsWindow::showUses(const ScriptTarget& target)
{
    const ScriptIndex& index = reading_.index();
    const std::vector<ScriptUse> found = index.usesOf(target);
    uses_->clear();
    for (const ScriptUse& use : found) {
        QString text = paneLineName(use.pane, use.line);
        if (use.reference)
            text += QStringLiteral(": ") + decodeText(roleText(*use.reference));
        else
            text += QStringLiteral(": by name");
        if (const ScriptEntry* entry = index.entryOnLine(use.pane, use.line))
            text += QStringLiteral(" of '%1'").arg(decodeText(entry->name));
        auto* item = new QListWidgetItem(text, uses_);
        item->setData(kPaneRole, static_cast<int>(vexa::index(use.pane)));
        item->setData(kLineRole, static_cast<qulonglong>(use.line));
    }
    usesTitle_->setText(QStringLiteral("Uses of %1: %2")
                            .arg(targetText(index, target))
                            .arg(found.empty() ? QStringLiteral("none") : QString::number(found.size())));
    show();
    raise();
    activateWindow();
}

void ScriptsWindow::showUse(QListWidgetItem* item)
{
    reading_.document().showPaneLine(static_cast<PaneId>(item->data(kPaneRole).toInt()),
                                     item->data(kLineRole).toULongLong());
}

} // namespace vexa
