#pragma once

#include "core/map/extent.h"
#include "core/map/placed_things.h"
#include "gui/map/paint/map_painter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace vexa {

struct Scenario;

// A picture narrower than this could not show every cell of the map with the margins.
inline constexpr int kSmallestMapPictureWidth = 256;

// One entry of a map picture's legend: a heading ("Kinds:"), a kind's shape or a
// country's colour with its name.
struct LegendItem {
    QString text;
    QRect textBox;
    QRect sampleBox;                 // empty for a heading
    std::optional<ThingKind> kind;   // a kind's entry
    QColor swatch;                   // a country's entry: its colour
    bool heading = false;
};

// Where everything of a map picture stands. The title above, the map of the playable
// area and every placed thing with a margin around them (cellsToShow), and below it the
// legend of the kinds and countries the map shows, flowing in lines, each group after
// its heading. The sizes follow the width, so a large picture reads as a small one does.
struct MapPictureLayout {
    QSize size;
    QFont titleFont;
    QFont legendFont;
    QFont headingFont;
    QString title;   // elided to fit the width
    QRect titleBox;  // empty without a title
    CellBox cells;
    QRect mapBox;
    MapFrame frame;
    std::vector<LegendItem> legend;
};

// `width` pixels wide, at least kSmallestMapPictureWidth; the height follows from the
// map's shape and the legend.
MapPictureLayout layOutMapPicture(const MapContents& contents, const QString& title, int width);

// The picture of a scenario's map that stands on its own in a document, on its ground
// when one is given.
QImage mapPicture(const MapContents& contents, const QString& title, int width,
                  const GroundPicture& ground = GroundPicture());

// "Twin Rivers — river.mpr": the scenario's Name and the name of its file without the
// folder, or the one of them there is.
QString mapPictureTitle(const Scenario& scenario, std::string_view filePath);

} // namespace vexa
