#include "gui/map/paint/waypoint_numbers.h"

#include "core/document/windows1252.h"
#include "gui/map/paint/waypoint_tags.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace vexa {

namespace {

// Numbers only where cells are large enough to carry them.
constexpr int kSmallestNumberedCell = 8;

// The numbers of all waypoints in one glyph run: each digit's glyph is looked up once per
// paint, so no number is shaped on its own. A number with other characters than digits
// (a waypoint key typed by hand) is drawn as text.
class NumberRun {
public:
    explicit NumberRun(const QFont& font)
        : font_(QRawFont::fromFont(font))
        , digits_(font_.glyphIndexesForString(QStringLiteral("0123456789")))
        , advances_(font_.advancesForGlyphIndexes(digits_))
    {
    }

    // The width the number takes, for placing and centring its tag.
    qreal width(std::string_view number, const QFontMetrics& metrics) const
    {
        if (!isDigits(number))
            return metrics.horizontalAdvance(text(number));
        qreal width = 0;
        for (const char c : number)
            width += advances_[c - '0'].x();
        return width;
    }

    void add(QPointF baseline, std::string_view number)
    {
        if (!isDigits(number)) {
            texts_.emplace_back(baseline, text(number));
            return;
        }
        for (const char c : number) {
            glyphs_ << digits_[c - '0'];
            positions_ << baseline;
            baseline.rx() += advances_[c - '0'].x();
        }
    }

    void paint(QPainter& painter) const
    {
        if (!glyphs_.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(font_);
            run.setGlyphIndexes(glyphs_);
            run.setPositions(positions_);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
        for (const auto& [baseline, text] : texts_)
            painter.drawText(baseline, text);
    }

    static QString text(std::string_view number) { return QString::fromStdString(utf8FromWindows1252(number)); }

private:
    bool isDigits(std::string_view number) const
    {
        return digits_.size() == 10 && !number.empty() &&
               std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    QRawFont font_;
    QList<quint32> digits_;
    QList<QPointF> advances_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
    std::vector<std::pair<QPointF, QString>> texts_;
};

// The numbers of the waypoints are bold, in a size that suits the cells.
QFont numberFont(int cellSize)
{
    QFont font;
    font.setPixelSize(std::clamp(cellSize * 3 / 4, 9, 16));
    font.setBold(true);
    return font;
}

// A tag's size: its number with a little room on either side, a line of the font high.
QSize tagSize(std::string_view number, const NumberRun& numbers, const QFontMetrics& metrics)
{
    return QSize(static_cast<int>(std::ceil(numbers.width(number, metrics))) + 6, metrics.height());
}

// A waypoint's tag while it is placed and painted: its number as the scenario has it.
struct PlacedTag {
    std::int32_t cell = 0;
    std::string_view number;
    QRect rect;
    bool shown = false;
};

// The tags of the waypoints on the map, in the order they are listed, each sized for the
// number run that will draw it.
std::vector<PlacedTag> placeTags(const MapContents& contents, const MapFrame& frame, const NumberRun& numbers,
                                 const QFontMetrics& metrics)
{
    std::vector<PlacedTag> tags;
    std::vector<TagRequest> requests;
    for (const PlacedThing& thing : contents.things) {
        if (thing.kind == ThingKind::Waypoint && isMapCell(thing.cell)) {
            tags.push_back({thing.cell, thing.type, {}, false});
            requests.push_back({thing.cell, tagSize(thing.type, numbers, metrics)});
        }
    }
    const std::vector<TagPlace> places = layOutTags(requests, frame);
    for (std::size_t i = 0; i < tags.size(); ++i) {
        tags[i].rect = places[i].rect;
        tags[i].shown = places[i].shown;
    }
    return tags;
}

// Tags filled and outlined in one call each, their numbers drawn in one glyph run.
void paintTags(QPainter& painter, const std::vector<const PlacedTag*>& tags, NumberRun& numbers,
               const QFontMetrics& metrics)
{
    QVector<QRect> fills;
    QVector<QRect> outlines;
    fills.reserve(static_cast<qsizetype>(tags.size()));
    outlines.reserve(static_cast<qsizetype>(tags.size()));
    for (const PlacedTag* tag : tags) {
        fills << tag->rect;
        outlines << tag->rect.adjusted(0, 0, -1, -1);
        const qreal textWidth = numbers.width(tag->number, metrics);
        numbers.add(QPointF(tag->rect.left() + (tag->rect.width() - textWidth) / 2, tag->rect.top() + metrics.ascent()),
                    tag->number);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);  // opaque: no outline or shape below blurs the number
    painter.drawRects(fills);
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(outlines);
    numbers.paint(painter);
}

} // namespace

void paintWaypointNumbers(QPainter& painter, const MapContents& contents, const MapFrame& frame,
                          const QRect& visible, std::optional<std::int32_t> revealed)
{
    if (frame.cellSize < kSmallestNumberedCell)
        return;
    const QFont font = numberFont(frame.cellSize);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    NumberRun numbers(font);
    const std::vector<PlacedTag> tags = placeTags(contents, frame, numbers, metrics);
    std::vector<const PlacedTag*> shown;
    std::vector<const PlacedTag*> shownOnTop;
    for (const PlacedTag& tag : tags) {
        if (tag.shown && tag.rect.intersects(visible))
            shown.push_back(&tag);
        else if (!tag.shown && tag.cell == revealed && tag.rect.intersects(visible))
            shownOnTop.push_back(&tag);
    }
    paintTags(painter, shown, numbers, metrics);
    if (!shownOnTop.empty()) {
        NumberRun onTop(font);
        paintTags(painter, shownOnTop, onTop, metrics);
    }
}

std::vector<WaypointTag> placeWaypointTags(const MapContents& contents, const MapFrame& frame)
{
    if (frame.cellSize < kSmallestNumberedCell)
        return {};
    const QFont font = numberFont(frame.cellSize);
    std::vector<WaypointTag> tags;
    for (const PlacedTag& tag : placeTags(contents, frame, NumberRun(font), QFontMetrics(font)))
        tags.push_back({tag.cell, NumberRun::text(tag.number), tag.rect, tag.shown});
    return tags;
}

QRect revealedTagRect(const MapFrame& frame, const PlacedThing& waypoint)
{
    const auto place = placeOfCell(waypoint.cell);
    if (frame.cellSize < kSmallestNumberedCell || !place)
        return {};
    const QFont font = numberFont(frame.cellSize);
    const QSize size = tagSize(waypoint.type, NumberRun(font), QFontMetrics(font));
    return firstTagPlace(frame.cellRect(*place), size);
}

} // namespace vexa
