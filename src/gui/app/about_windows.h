#pragma once

#include "gui/forms/form_window.h"

class QLabel;

namespace vexa {

// The About window: picture, name, version and credits, closed with "&Ok".
class TForm3 final : public CentredDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

// The splash window shown once at start-up: a borderless picture with the version and
// credits over it, closed with "OK".
class TForm7 final : public CentredDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

// The version text the windows show: "Version 4.0.1".
QString versionLabelText();

} // namespace vexa
