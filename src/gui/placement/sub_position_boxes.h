#pragma once

#include "core/placement/units.h"

#include <QFrame>

#include <array>

class QCheckBox;

namespace vexa {

// The infantry form's "Position in square": five check boxes standing where the five
// places of a cell are, drawn as a small square. CheckBox1 is the centre (sub-position 0),
// CheckBox2 to CheckBox5 the upper left, upper right, lower left and lower right corners
// (1 to 4). The boxes have no reactions of their own: Create reads them.
class SubPositionBoxes final : public QFrame {
    Q_OBJECT
public:
    explicit SubPositionBoxes(QWidget* parent);

    // The box of a sub-position, 0 (CheckBox1, centre) to 4 (CheckBox5, lower right).
    QCheckBox* box(std::size_t subPosition) const { return boxes_[subPosition]; }

    // Which sub-positions are ticked, as the core takes them.
    std::array<bool, kSubPositionCount> ticked() const;
    // All five ticked, as on opening.
    void tickAll();

private:
    std::array<QCheckBox*, kSubPositionCount> boxes_{};
};

} // namespace vexa
