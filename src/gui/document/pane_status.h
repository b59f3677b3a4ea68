#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QWidget;

namespace vexa {

class ScenarioView;

// The main window's status bar: where the cursor stands in the pane last focused (the
// line as the gutter numbers it, the column from 1) and how many lines the pane holds.
class PaneStatus final : public QObject {
    Q_OBJECT
public:
    PaneStatus(QMainWindow& window, ScenarioView& document);

    QString text() const;

private:
    void follow(QWidget* old, QWidget* now);
    void showPosition();

    ScenarioView& document_;
    QLabel* label_;
    QPointer<QPlainTextEdit> pane_;
    QMetaObject::Connection cursorMoved_;
    QMetaObject::Connection linesChanged_;
};

} // namespace vexa
