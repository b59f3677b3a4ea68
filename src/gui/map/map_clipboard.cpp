#include "gui/map/map_clipboard.h"

#include "core/document/scenario.h"
#include "gui/document/text_codec.h"
#include "gui/map/map_canvas.h"
#include "gui/map/map_document.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

namespace vexa {

namespace {

const QString kMimeType = QString::fromLatin1(kFragmentMimeType.data(), static_cast<qsizetype>(kFragmentMimeType.size()));

QString thingsText(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 thing") : QStringLiteral("%1 things").arg(count);
}

QString joined(const std::vector<std::string>& texts, const QString& separator)
{
    QStringList list;
    for (const std::string& text : texts)
        list << decodeText(text);
    return list.join(separator);
}

// The fragment's bytes: under our own type as they were copied, else the plain text.
std::optional<std::string> clipboardBytes(const QMimeData& data)
{
    if (data.hasFormat(kMimeType)) {
        const QByteArray bytes = data.data(kMimeType);
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return encodeText(data.text());
}

} // namespace

MapClipboard::MapClipboard(MapDocument& map, MapCanvas& canvas, QWidget& window)
    : QObject(&window)
    , map_(map)
    , canvas_(canvas)
{
    const auto add = [&](const QString& name, const QString& text, QKeySequence::StandardKey key, void (MapClipboard::*slot)()) {
        auto* action = new QAction(text, &window);
        action->setObjectName(name);
        action->setShortcut(key);
        window.addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("MapCopy"), QStringLiteral("Copy"), QKeySequence::Copy, &MapClipboard::copy);
    add(QStringLiteral("MapCut"), QStringLiteral("Cut"), QKeySequence::Cut, &MapClipboard::cut);
    add(QStringLiteral("MapPaste"), QStringLiteral("Paste"), QKeySequence::Paste, &MapClipboard::paste);
    connect(&canvas_, &MapCanvas::stampClicked, this, [this](std::int32_t cell) {
        if (isPasting())
            pasteAt(cell);
    });
    connect(&canvas_, &MapCanvas::stampDropped, this, [this](const void* owner) {
        if (owner != this)
            return;
        Q_EMIT said(QStringLiteral("Paste cancelled"));
        Q_EMIT pasteEnded();
    });
}

bool MapClipboard::isPasting() const
{
    return canvas_.stampOwner() == this;
}

bool MapClipboard::copySelection(std::vector<PlacedThing>& copied)
{
    map_.refreshIfStale();
    for (const PlacedThing& thing : map_.selectedThings()) {
        if (isCopied(thing.kind))
            copied.push_back(thing);
    }
    const auto text = fragmentText(map_.snapshot(), copied);
    if (!text) {
        Q_EMIT said(QStringLiteral("The map is out of date; try again."));
        return false;
    }
    if (copied.empty()) {
        Q_EMIT said(QStringLiteral("Nothing to copy: select things other than waypoints and base entries"));
        return false;
    }
    auto* data = new QMimeData;
    data->setData(kMimeType, QByteArray(text->data(), static_cast<qsizetype>(text->size())));
    data->setText(decodeText(*text));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void MapClipboard::copy()
{
    std::vector<PlacedThing> copied;
    if (copySelection(copied))
        Q_EMIT said(QStringLiteral("Copied ") + thingsText(copied.size()));
}

void MapClipboard::cut()
{
    std::vector<PlacedThing> copied;
    if (!copySelection(copied))
        return;
    const MapEdit edit = deletedThings(map_.snapshot(), copied);
    if (!edit.refused())
        map_.clearSelection();
    Q_EMIT said(map_.applyEdit(edit, QStringLiteral("Cut ") + thingsText(copied.size())));
}

// The fragment follows the mouse, its top-left cell under it, until a click.
void MapClipboard::paste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const auto bytes = data ? clipboardBytes(*data) : std::nullopt;
    pending_ = bytes ? readFragment(*bytes) : Fragment{{}, {"The clipboard holds no things of a map; nothing is pasted."}};
    pendingProblems_ = joined(pending_.problems, QStringLiteral(" "));
    if (pending_.lines.empty()) {
        Q_EMIT said(pendingProblems_);
        return;
    }
    std::vector<CellPlace> offsets;
    for (const FragmentLine& line : pending_.lines)
        offsets.push_back(line.offset);
    canvas_.setStamp(this, std::move(offsets));
    canvas_.setFocus();
    Q_EMIT said(QStringLiteral("Click where the top-left cell of the %1 goes; Esc cancels. %2")
                    .arg(thingsText(pending_.lines.size()), pendingProblems_).trimmed());
}

// A refused place keeps the paste waiting for another click.
void MapClipboard::pasteAt(std::int32_t cell)
{
    map_.refreshIfStale();
    const Scenario& scenario = map_.snapshot();
    const PasteEdit paste = pastedFragment(scenario, pending_, *placeOfCell(cell));
    std::vector<std::pair<PaneId, std::size_t>> lines;
    for (const PaneChange& change : paste.edit.changes) {
        const std::size_t first = scenario.pane(change.pane).lineCount();
        for (std::size_t i = 0; i < change.appendedLines.size(); ++i)
            lines.emplace_back(change.pane, first + i);
    }
    QString done = QStringLiteral("Pasted ") + thingsText(pending_.lines.size());
    if (!paste.unknownTriggers.empty())
        done += QStringLiteral("; [Trigs] has no trigger ") + joined(paste.unknownTriggers, QStringLiteral(", "))
            + QStringLiteral(": the lines keep it, and the check reports it");
    if (!pendingProblems_.isEmpty())
        done += QStringLiteral(". ") + pendingProblems_;
    Q_EMIT said(map_.applyEdit(paste.edit, done));
    if (paste.edit.refused())
        return;
    map_.selectLines(lines);
    canvas_.clearStamp();
    Q_EMIT pasteEnded();
}

} // namespace vexa
