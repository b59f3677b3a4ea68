#pragma once

#include <QDialog>

class QLabel;

namespace vexa {

// The About window: picture, name, version and credits, closed with "&Ok".
class TForm3 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

// The splash window shown once at start-up: a borderless picture with the version and
// credits over it, closed with "OK".
class TForm7 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

// The version text the windows show: "Version 4.0.1".
QString versionLabelText();

} // namespace vexa
