#pragma once

#include "gui/forms/cell_asker.h"
#include "gui/forms/form_window.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;

namespace vexa {

class Desktop;

// The position calculator "Calculate position": cell = offset + right + 128 × down, written
// into the field whose "Calculate" button was pressed last. A small tool window, kept on
// top and never blocking; its close box, "&Cancel" and Esc hide it.
class TForm9 final : public FormWindow, public CellAsker {
    Q_OBJECT
public:
    explicit TForm9(Desktop& desktop, QWidget* parent = nullptr);

    // Behind every "Calculate" button: with reset the three fields start again from "0";
    // the target becomes the field that "&Ok" writes into; the calculator shows (or stays
    // shown, now delivering to the new target).
    void askForCell(QLineEdit* target, bool reset) override;

    QLineEdit* target() const;

    // "&Ok": computes and delivers the cell, then hides. Does nothing while a field is
    // empty; on overflow shows the error and stays shown, writing nothing.
    void Button1Click();
    // "&Cancel": hides without writing.
    void Button2Click();

    // What "Pick on map" asks for a clicked cell; the button stays disabled without it.
    using MapPicker = std::function<void(std::function<void(std::int32_t)> deliver)>;
    void setMapPicker(MapPicker picker);
    // "Pick on map": the next cell clicked on the map is delivered as "&Ok" delivers.
    void PickOnMapClick();

private:
    // Writes the cell into the target as typing would, then hides.
    void deliverCell(std::int32_t cell);

    Desktop& desktop_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* PickOnMap;
    MapPicker mapPicker_;
    QPointer<QLineEdit> target_;
};

} // namespace vexa
