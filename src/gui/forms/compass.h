#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QRadioButton;

namespace vexa {

// The compass rose of a placement form: RadioButton1 (top, 0) counter-clockwise to
// RadioButton8 (upper right, 224), at most one of them set. A click writes the button's
// direction into the form's direction chooser; a change of the chooser by the user (typing
// or picking from its list) clears the rose. A change the program makes does not.
class Compass final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 8;

    Compass(QComboBox* direction, QWidget* parent);

    QRadioButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

    // Sets the button at index (0 for RadioButton1), clears the others and writes its
    // direction into the chooser.
    void choose(int index);
    // No button set.
    void clear();
    // RadioButton1 set, the others cleared; the chooser's text is left alone.
    void reset();

private:
    void setOnly(int index);

    QComboBox* direction_;
    std::array<QRadioButton*, kButtonCount> buttons_{};
};

} // namespace vexa
