#include "gui/desktop/busy_work.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

namespace vexa {

QString countText(qint64 count)
{
    // The editor speaks English whatever the desktop's language.
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(count);
}

QString finishedWorkText(const QString& what, qint64 milliseconds)
{
    return QStringLiteral("%1 in %2 s").arg(what, QString::number(static_cast<double>(milliseconds) / 1000.0, 'f', 1));
}

BusyWork::BusyWork(QWidget& where)
    : where_(where)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    clock_.start();
}

BusyWork::~BusyWork()
{
    QGuiApplication::restoreOverrideCursor();
}

// A floating dock window is a window of its own, so the main window is looked for among
// the widget's parents, not as its window.
void BusyWork::finish(const QString& what)
{
    for (QWidget* widget = &where_; widget; widget = widget->parentWidget()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget)) {
            window->statusBar()->showMessage(finishedWorkText(what, clock_.elapsed()));
            return;
        }
    }
}

} // namespace vexa
