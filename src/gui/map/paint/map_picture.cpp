#include "gui/map/paint/map_picture.h"

#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/document/windows1252.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <filesystem>

namespace vexa {

namespace {

const QColor kPaper(Qt::white);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kMapBorder(0x90, 0x90, 0x90);

QString fromScenarioText(std::string_view bytes)
{
    return QString::fromStdString(utf8FromWindows1252(bytes));
}

int paddingFor(int width)
{
    return std::max(8, width / 64);
}

void setFonts(MapPictureLayout& layout, int width)
{
    layout.titleFont.setPixelSize(std::clamp(width / 40, 12, 64));
    layout.titleFont.setBold(true);
    layout.legendFont.setPixelSize(std::clamp(width / 72, 10, 36));
    layout.headingFont = layout.legendFont;
    layout.headingFont.setBold(true);
}

// The legend's entries, not yet placed: the kinds, then the countries, each group after
// its heading.
std::vector<LegendItem> legendItems(const MapContents& contents)
{
    std::vector<LegendItem> items;
    const std::vector<ThingKind> kinds = kindsIn(contents);
    if (!kinds.empty())
        items.push_back({QStringLiteral("Kinds:"), {}, {}, std::nullopt, {}, true});
    for (const ThingKind kind : kinds)
        items.push_back({fromScenarioText(kindName(kind)), {}, {}, kind, {}, false});
    const std::vector<std::string_view> countries = countriesIn(contents);
    if (!countries.empty())
        items.push_back({QStringLiteral("Countries:"), {}, {}, std::nullopt, {}, true});
    for (const std::string_view country : countries)
        items.push_back({fromScenarioText(country), {}, {}, std::nullopt, countryColour(country), false});
    return items;
}

// Places the entries in lines across the width from the top left corner; a heading
// starts a new line. Returns the bottom of the last line (the corner's y without one).
int flowLegend(std::vector<LegendItem>& items, const MapPictureLayout& layout, QPoint corner, int width)
{
    const QFontMetrics text(layout.legendFont);
    const QFontMetrics heading(layout.headingFont);
    const int lineHeight = std::max(text.height(), heading.height());
    const int sampleSide = text.ascent();
    const int gap = text.height();
    QPoint at = corner;
    int bottom = corner.y();
    for (LegendItem& item : items) {
        const int wordsWidth = (item.heading ? heading : text).horizontalAdvance(item.text);
        const int sampleWidth = item.heading ? 0 : sampleSide + gap / 3;
        if (at.x() > corner.x() && (item.heading || at.x() + sampleWidth + wordsWidth > corner.x() + width))
            at = QPoint(corner.x(), at.y() + lineHeight + gap / 3);
        if (!item.heading)
            item.sampleBox = QRect(at.x(), at.y() + (lineHeight - sampleSide) / 2, sampleSide, sampleSide);
        item.textBox = QRect(at.x() + sampleWidth, at.y(), wordsWidth, lineHeight);
        at.rx() += sampleWidth + wordsWidth + gap;
        bottom = at.y() + lineHeight;
    }
    return bottom;
}

// The map's cells as large as fit the width and no taller than the width, so that a tall
// map stays on a page; centred across the width.
QRect mapBoxFor(const CellBox& cells, QPoint corner, int width)
{
    const int cellSize = std::max(1, std::min(width / cells.columnCount(), width / cells.rowCount()));
    const QSize size = QSize(cells.columnCount(), cells.rowCount()) * cellSize;
    return QRect(corner + QPoint((width - size.width()) / 2, 0), size);
}

void paintTitle(QPainter& painter, const MapPictureLayout& layout)
{
    if (layout.title.isEmpty())
        return;
    painter.setFont(layout.titleFont);
    painter.setPen(kInk);
    painter.drawText(layout.titleBox, Qt::AlignLeft | Qt::AlignVCenter, layout.title);
}

void paintFramedMap(QPainter& painter, const MapContents& contents, const MapPictureLayout& layout,
                    const GroundPicture& ground)
{
    paintMap(painter, contents, layout.frame, layout.mapBox, kAllKinds, std::nullopt, ground);
    painter.setPen(kMapBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.mapBox.adjusted(-1, -1, 0, 0));
}

void paintLegend(QPainter& painter, const MapPictureLayout& layout)
{
    painter.setPen(kInk);
    for (const LegendItem& item : layout.legend) {
        if (item.kind)
            painter.drawImage(item.sampleBox.topLeft(), kindSample(*item.kind, item.sampleBox.width()));
        else if (!item.heading)
            painter.fillRect(item.sampleBox, item.swatch);
        painter.setFont(item.heading ? layout.headingFont : layout.legendFont);
        painter.drawText(item.textBox, Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
}

} // namespace

MapPictureLayout layOutMapPicture(const MapContents& contents, const QString& title, int width)
{
    width = std::max(width, kSmallestMapPictureWidth);
    const int padding = paddingFor(width);
    const int inner = width - 2 * padding;
    MapPictureLayout layout;
    setFonts(layout, width);
    int top = padding;
    if (!title.isEmpty()) {
        const QFontMetrics metrics(layout.titleFont);
        layout.title = metrics.elidedText(title, Qt::ElideRight, inner);
        layout.titleBox = QRect(padding, top, inner, metrics.height());
        top = layout.titleBox.bottom() + 1 + padding;
    }
    layout.cells = cellsToShow(contents);
    layout.mapBox = mapBoxFor(layout.cells, QPoint(padding, top), inner);
    layout.frame = frameShowing(layout.cells, layout.mapBox);
    top = layout.mapBox.bottom() + 1;
    layout.legend = legendItems(contents);
    if (!layout.legend.empty())
        top = flowLegend(layout.legend, layout, QPoint(padding, top + padding), inner);
    layout.size = QSize(width, top + padding);
    return layout;
}

QImage mapPicture(const MapContents& contents, const QString& title, int width, const GroundPicture& ground)
{
    const MapPictureLayout layout = layOutMapPicture(contents, title, width);
    QImage picture(layout.size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(kPaper);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintTitle(painter, layout);
    paintFramedMap(painter, contents, layout, ground);
    paintLegend(painter, layout);
    return picture;
}

QString mapPictureTitle(const Scenario& scenario, std::string_view filePath)
{
    const QString name = fromScenarioText(valueText(scenario.field(FieldId::Name)));
    const QString file = QString::fromStdString(std::filesystem::path(filePath).filename().string());
    if (name.isEmpty() || file.isEmpty())
        return name + file;
    return name + QStringLiteral(" \u2014 ") + file;
}

} // namespace vexa
