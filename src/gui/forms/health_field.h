#pragma once

class QLineEdit;
class QSlider;
class QWidget;

namespace vexa {

// A placement form's health: the edit and the track bar beside it (0..256, a tick every 16).
// The text is the value; the track bar only shows where it stands: every change of the
// text moves it to the text's reading, held within 0..256, and the text stays as typed
// ("300" or "abc" included). Moving the track bar writes its position into the text.
class HealthField {
public:
    HealthField(const char* editName, const char* trackBarName, QWidget* parent);

    QLineEdit* edit() const { return edit_; }
    QSlider* trackBar() const { return trackBar_; }

    // Full health, "256".
    void reset();

private:
    void followText();

    QLineEdit* edit_;
    QSlider* trackBar_;
};

} // namespace vexa
