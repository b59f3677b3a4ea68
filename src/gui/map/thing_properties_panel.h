#pragma once

#include "core/map/placed_things.h"
#include "core/map/thing_properties.h"

#include <QDockWidget>

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace vexa {

class HealthField;
class MapDocument;

// The Map window's "Properties": the fields of the selected things by name, with the
// choosers of the Create dialogs. A field shows the value the things share, empty when
// they differ; a field none of them has is hidden. Leaving a field or pressing Enter
// writes it into every selected thing that has it, as one edit of the map; a refused
// value leaves the lines alone and says why beside the field.
class ThingPropertiesPanel final : public QDockWidget {
    Q_OBJECT
public:
    ThingPropertiesPanel(MapDocument& map, QWidget* parent);
    ~ThingPropertiesPanel() override;

Q_SIGNALS:
    // What the status line shows of a write.
    void said(const QString& text);
    // A value written, which placing by a click uses next.
    void fieldWritten(vexa::ThingField field, const std::string& value);

private:
    struct Row {
        QWidget* editor = nullptr;
        QLineEdit* text = nullptr;
        QLabel* label = nullptr;
        QLabel* reason = nullptr;
        QString shown;
    };

    void addRow(ThingField field, QWidget* editor, QLineEdit* text);
    void addChooserRow(ThingField field, const char* name);
    void showMapChange();
    void showSelection();
    void fillLists();
    void showNumber();
    void write(ThingField field);
    void refuse(ThingField field, const QString& reason);

    MapDocument& map_;
    std::vector<PlacedThing> things_;
    std::array<Row, kThingFieldCount> rows_;
    HealthField* health_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* numberLabel_ = nullptr;
    QLabel* nothing_ = nullptr;
    QFormLayout* form_ = nullptr;
    // While a write is made, the map's signals of it wait for the one showing at its end.
    bool writing_ = false;
};

} // namespace vexa
