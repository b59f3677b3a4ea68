#include "gui/placement/health_field.h"

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
}

void HealthField::followText()
{
    // Blocked, so that the track bar does not write its clamped position back.
    const QSignalBlocker quiet(trackBar_);
    trackBar_->setValue(healthTrackPosition(fieldBytes(edit_->text())));
}

void HealthField::takeTrackBar(int position)
{
    edit_->setText(widgetText(decimalText(position)));
}

void HealthField::reset()
{
    edit_->setText(QStringLiteral("256"));
}

} // namespace vexa
