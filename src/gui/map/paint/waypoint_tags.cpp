#include "gui/map/paint/waypoint_tags.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace vexa {

namespace {

// Which parts of the map the tags may not cover: the cells of the waypoints, one bit
// each, and the tags placed so far, kept in bins of a few cells so that a tag is tried
// against its neighbours only.
class TagSpace {
public:
    explicit TagSpace(const MapFrame& frame)
        : frame_(frame)
        , binSide_(frame.cellSize * kCellsPerBin)
        , firstOfBin_(kBinsPerSide * kBinsPerSide, kNone)
    {
    }

    bool isFree(const QRect& rect) const { return !coversWaypoint(rect) && !coversTag(rect); }

    void takeCell(CellPlace place) { waypointCells_.set(static_cast<std::size_t>(*cellAt(place))); }

    void takeTag(const QRect& rect)
    {
        tags_.push_back(rect);
        forEachBin(rect, [&](std::size_t bin) {
            links_.push_back({static_cast<int>(tags_.size() - 1), firstOfBin_[bin]});
            firstOfBin_[bin] = static_cast<int>(links_.size() - 1);
        });
    }

private:
    static constexpr int kCellsPerBin = 4;
    static constexpr int kBinsPerSide = kMapSide / kCellsPerBin;
    static constexpr int kNone = -1;

    // The cell of a pixel counted from the map's corner, as a column or row; the edge's for
    // a pixel beyond the map, where no waypoint stands.
    int cellOf(int pixel) const { return std::clamp(pixel, 0, kMapSide * frame_.cellSize - 1) / frame_.cellSize; }

    bool coversWaypoint(const QRect& rect) const
    {
        const QRect local = rect.translated(-frame_.origin);
        const QRect map(0, 0, kMapSide * frame_.cellSize, kMapSide * frame_.cellSize);
        if (!local.intersects(map))
            return false;
        for (int row = cellOf(local.top()); row <= cellOf(local.bottom()); ++row) {
            for (int column = cellOf(local.left()); column <= cellOf(local.right()); ++column) {
                if (waypointCells_.test(static_cast<std::size_t>(column + kMapSide * row)))
                    return true;
            }
        }
        return false;
    }

    bool coversTag(const QRect& rect) const
    {
        bool covers = false;
        forEachBin(rect, [&](std::size_t bin) {
            for (int link = firstOfBin_[bin]; !covers && link != kNone; link = links_[link].next)
                covers = tags_[links_[link].tag].intersects(rect);
        });
        return covers;
    }

    // The bin of a pixel, counted from the map's corner; a rectangle that reaches beyond
    // the map goes into the bins at its edge, which is all the filter needs.
    int binOf(int pixel) const { return std::clamp(pixel, 0, kBinsPerSide * binSide_ - 1) / binSide_; }

    template <typename Visit> void forEachBin(const QRect& rect, Visit&& visit) const
    {
        const QRect local = rect.translated(-frame_.origin);
        for (int row = binOf(local.top()); row <= binOf(local.bottom()); ++row) {
            for (int column = binOf(local.left()); column <= binOf(local.right()); ++column)
                visit(static_cast<std::size_t>(row * kBinsPerSide + column));
        }
    }

    // Each bin is a chain of links through the tags that reach into it.
    struct Link {
        int tag;
        int next;
    };

    MapFrame frame_;
    int binSide_;
    std::bitset<kMapCellCount> waypointCells_;
    std::vector<QRect> tags_;
    std::vector<Link> links_;
    std::vector<int> firstOfBin_;
};

// The places a tag of the given size may take beside its cell, the most natural first:
// above and below the cell, centred; right and left of it; then the four corners.
std::array<QRect, 8> tagPlaces(const QRect& cell, QSize tag)
{
    const int centredX = cell.left() + (cell.width() - tag.width()) / 2;
    const int centredY = cell.top() + (cell.height() - tag.height()) / 2;
    const int aboveY = cell.top() - tag.height();
    const int belowY = cell.bottom() + 1;
    const int rightX = cell.right() + 1;
    const int leftX = cell.left() - tag.width();
    return {QRect(QPoint(centredX, aboveY), tag), QRect(QPoint(centredX, belowY), tag),
            QRect(QPoint(rightX, centredY), tag),  QRect(QPoint(leftX, centredY), tag),
            QRect(QPoint(rightX, aboveY), tag),    QRect(QPoint(leftX, aboveY), tag),
            QRect(QPoint(rightX, belowY), tag),    QRect(QPoint(leftX, belowY), tag)};
}
} // namespace

QRect firstTagPlace(const QRect& cell, QSize tag)
{
    return tagPlaces(cell, tag).front();
}

// First the cells of all waypoints are taken, then each tag in turn takes its first free
// place, so that no tag covers a waypoint listed after it.
std::vector<TagPlace> layOutTags(std::span<const TagRequest> requests, const MapFrame& frame)
{
    TagSpace space(frame);
    for (const TagRequest& request : requests) {
        if (const auto place = placeOfCell(request.cell))
            space.takeCell(*place);
    }
    std::vector<TagPlace> tags;
    tags.reserve(requests.size());
    for (const TagRequest& request : requests) {
        const auto cell = placeOfCell(request.cell);
        if (!cell) {
            tags.push_back({});
            continue;
        }
        const std::array<QRect, 8> places = tagPlaces(frame.cellRect(*cell), request.size);
        const auto free = std::find_if(places.begin(), places.end(), [&](const QRect& place) { return space.isFree(place); });
        const bool shown = free != places.end();
        tags.push_back({shown ? *free : places.front(), shown});
        if (shown)
            space.takeTag(*free);
    }
    return tags;
}

} // namespace vexa
