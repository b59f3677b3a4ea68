#pragma once

#include <QElapsedTimer>
#include <QString>

class QWidget;

namespace vexa {

// A count as the status bar writes it, with thousands separators: "1,200,825".
QString countText(qint64 count);

// The status bar's word on finished work: "Opened 1,200,825 lines in 3.1 s".
QString finishedWorkText(const QString& what, qint64 milliseconds);

// The feedback of a command that can take seconds (open, save, check, find in all panes,
// replace all). The editor has one thread and lets no event in while a command runs, so
// the busy cursor is all the user sees of it: it shows from the guard's making to its
// end. finish() puts what was done, and how long it took, in the status bar of the main
// window that holds the widget. Make one guard at the start of the command's work, and
// end it before any message box, which must not show the busy cursor:
//
//     BusyWork work(*this);
//     ... the long work ...
//     work.finish(QStringLiteral("Checked %1 lines").arg(countText(lines)));
class BusyWork {
public:
    explicit BusyWork(QWidget& where);
    ~BusyWork();
    BusyWork(const BusyWork&) = delete;
    BusyWork& operator=(const BusyWork&) = delete;

    void finish(const QString& what);

private:
    QWidget& where_;
    QElapsedTimer clock_;
};

} // namespace vexa
