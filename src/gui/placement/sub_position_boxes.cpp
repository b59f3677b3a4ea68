#include "gui/placement/sub_position_boxes.h"

#include "gui/forms/form_widgets.h"

#include <QCheckBox>
#include <QGridLayout>

namespace vexa {

namespace {

// Where each box stands in the square's 3 × 3 grid, CheckBox1 (sub-position 0) first.
struct SquarePlace {
    int row;
    int column;
};
constexpr std::array<SquarePlace, kSubPositionCount> kSquare = {{
    {1, 1}, {0, 0}, {0, 2}, {2, 0}, {2, 2},
}};

constexpr std::array<const char*, kSubPositionCount> kPlaceNames = {
    "centre", "upper left", "upper right", "lower left", "lower right",
};

// The sub-positions in the order one reads the square, which is the order Tab takes.
constexpr std::array<std::size_t, kSubPositionCount> kReadingOrder = {1, 2, 0, 3, 4};

} // namespace

SubPositionBoxes::SubPositionBoxes(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("SubPositions"));
    setFrameShape(QFrame::Box);
    auto* square = new QGridLayout(this);
    square->setContentsMargins(3, 3, 3, 3);
    square->setSpacing(2);
    for (const std::size_t s : kReadingOrder) {
        const QString name = QStringLiteral("CheckBox%1").arg(s + 1);
        QCheckBox* box = makeCheckBox(name.toLatin1().constData(), QString(), this);
        box->setToolTip(QStringLiteral("%1: %2").arg(s).arg(QLatin1String(kPlaceNames[s])));
        boxes_[s] = box;
        square->addWidget(box, kSquare[s].row, kSquare[s].column, Qt::AlignCenter);
    }
    tickAll();
}

std::array<bool, kSubPositionCount> SubPositionBoxes::ticked() const
{
    std::array<bool, kSubPositionCount> ticks{};
    for (std::size_t s = 0; s < kSubPositionCount; ++s)
        ticks[s] = boxes_[s]->isChecked();
    return ticks;
}

void SubPositionBoxes::tickAll()
{
    for (QCheckBox* box : boxes_)
        box->setChecked(true);
}

} // namespace vexa
