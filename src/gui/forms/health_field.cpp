#include "gui/forms/health_field.h"

#include "core/placement/integers.h"
#include "core/placement/placement_values.h"
#include "gui/forms/form_widgets.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace vexa {

HealthField::HealthField(const char* editName, const char* trackBarName, QWidget* parent)
    : edit_(makeEdit(editName, parent))
    , trackBar_(new QSlider(Qt::Horizontal, parent))
{
    trackBar_->setObjectName(QLatin1String(trackBarName));
    trackBar_->setRange(kHealthMinimum, kHealthMaximum);
    trackBar_->setTickInterval(kHealthTickInterval);
    trackBar_->setTickPosition(QSlider::TicksBelow);
    trackBar_->setSingleStep(1);
    trackBar_->setPageStep(kHealthTickInterval);

    QObject::connect(edit_, &QLineEdit::textChanged, trackBar_, [this] { followText(); });
    QObject::connect(trackBar_, &QSlider::valueChanged, edit_,
                     [this](int position) { edit_->setText(widgetText(decimalText(position))); });
}

void HealthField::followText()
{
    // Blocked, so that the track bar does not write its clamped position back.
    const QSignalBlocker quiet(trackBar_);
    trackBar_->setValue(healthTrackPosition(fieldBytes(edit_->text())));
}

void HealthField::reset()
{
    writeField(edit_, QStringLiteral("256"));
}

} // namespace vexa
