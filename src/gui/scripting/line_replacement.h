#pragma once

#include "core/document/layout.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

namespace vexa {

class ScenarioView;

// Edit in composer, the composer's side: the pane line the composer was filled from and
// the text it held then. "Replace line N" (`ReplaceLine`) shows only while the composer
// is so filled; it writes the composed line over line N as one undo step of the pane, as
// long as line N still holds that text, and otherwise says why it did not in the composer.
class LineReplacement final : public QObject {
    Q_OBJECT
public:
    LineReplacement(ScenarioView& document, PaneId pane, QWidget& form);

    QPushButton* button() const { return button_; }
    QLabel* refusal() const { return refusal_; }

    // The composer now shows the line: the button names it, and the form shows.
    void begin(std::size_t line, const QString& text);
    // The composer is as its Create menu entry opens it: no button, no refusal.
    void end();

    // Writes the composed line (nothing: a mandatory field is empty) over the line the
    // composer was filled from, and ends; or shows why not and keeps everything.
    bool replace(const std::optional<std::string>& composed);

private:
    void refuse(const QString& reason);

    ScenarioView& document_;
    PaneId pane_;
    QWidget& form_;
    QPushButton* button_;
    QLabel* refusal_;
    std::size_t line_ = 0;
    QString filledFrom_;
};

} // namespace vexa
