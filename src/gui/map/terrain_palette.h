#pragma once

#include "core/ground/terrain_stamp.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vexa {

// The terrain brush's palette: the templates of the scenario's theater, each with a
// picture of its tiles in the map's ground colours and its size, grouped by their names'
// prefixes, Clear first; a filter above them (typing narrows the list, Enter picks the
// first template shown) and a note when the scenario names no known theater.
class TerrainPalette final : public QWidget {
    Q_OBJECT
public:
    explicit TerrainPalette(QWidget* parent = nullptr);

    // Lists the templates of the theater that a value of [Map] Theater= names; a value
    // that names none lists the outdoor ones and says so. The chosen template stays chosen
    // while the new theater has it.
    void showTheater(const QString& theaterValue);

    const PaletteTemplate& chosen() const { return chosen_; }

Q_SIGNALS:
    void templateChosen(const vexa::PaletteTemplate& stamp);

private:
    void fill(Theater theater);
    void narrow(const QString& text);
    void pickFirstShown();
    void itemChosen(QTreeWidgetItem* item);

    QLineEdit* filter_;
    QTreeWidget* list_;
    QLabel* note_;
    std::optional<Theater> listed_;
    std::vector<PaletteTemplate> templates_;
    PaletteTemplate chosen_;
};

} // namespace vexa
