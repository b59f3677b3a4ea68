#pragma once

class QLineEdit;
class QSlider;
class QWidget;

namespace vexa {

// A placement form's health: the edit and the track bar beside it (0..256, a tick every 16).
// The text is the value; the track bar only shows where it stands. The form connects the
// edit's changes to followText() and the track bar's moves to takeTrackBar().
class HealthField {
public:
    HealthField(const char* editName, const char* trackBarName, QWidget* parent);

    QLineEdit* edit() const { return edit_; }
    QSlider* trackBar() const { return trackBar_; }

    // The track bar goes to where the text stands (its reading, held within 0..256); the
    // text stays as typed, "300" or "abc" included.
    void followText();
    // The user moved the track bar: its position becomes the text.
    void takeTrackBar(int position);
    // Full health, "256".
    void reset();

private:
    QLineEdit* edit_;
    QSlider* trackBar_;
};

} // namespace vexa
