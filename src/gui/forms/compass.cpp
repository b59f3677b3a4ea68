#include "gui/forms/compass.h"

#include "core/placement/placement_values.h"
#include "gui/forms/form_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace vexa {

namespace {

// Where each button stands in the rose's 3 × 3 grid, RadioButton1 first.
struct RosePlace {
    int row;
    int column;
};
constexpr std::array<RosePlace, Compass::kButtonCount> kRose = {{
    {0, 1}, {0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2},
}};

} // namespace

Compass::Compass(QComboBox* direction, QWidget* parent)
    : QWidget(parent)
    , direction_(direction)
{
    setObjectName(QStringLiteral("Compass"));
    auto* rose = new QGridLayout(this);
    rose->setContentsMargins(0, 0, 0, 0);
    rose->setSpacing(2);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radio->setToolTip(widgetText(kCompassDirections[static_cast<std::size_t>(i)]));
        // The rose must be able to show no button set, which an exclusive group cannot.
        radio->setAutoExclusive(false);
        buttons_[static_cast<std::size_t>(i)] = radio;
        const RosePlace place = kRose[static_cast<std::size_t>(i)];
        rose->addWidget(radio, place.row, place.column, Qt::AlignCenter);
        connect(radio, &QAbstractButton::clicked, this, [this, i] { choose(i); });
    }
    connect(direction_, &QComboBox::textActivated, this, &Compass::clear);
    connect(direction_->lineEdit(), &QLineEdit::textEdited, this, &Compass::clear);
}

void Compass::choose(int index)
{
    setOnly(index);
    setChooserText(direction_, widgetText(kCompassDirections[static_cast<std::size_t>(index)]));
}

void Compass::clear()
{
    setOnly(-1);
}

void Compass::reset()
{
    setOnly(0);
}

void Compass::setOnly(int index)
{
    for (int i = 0; i < kButtonCount; ++i)
        buttons_[static_cast<std::size_t>(i)]->setChecked(i == index);
}

} // namespace vexa
