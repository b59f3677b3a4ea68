// The map's editing of things against the Create dialog, side by side in one run.
#include "thing_edits_bench.h"

#include "bench_support.h"

#include "gui/app/main_window.h"
#include "gui/desktop/scripted_desktop.h"
#include "gui/document/scenario_view.h"
#include "gui/map/map_view.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace vexa::bench {

namespace {

void clickAt(QWidget& canvas, QPoint at)
{
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, canvas.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    }
}

} // namespace

void benchThingEdits()
{
    ScriptedDesktop desktop;
    TForm1 window{desktop};
    TForm9 calculator{desktop, &window};
    TForm2 dialog{window.document(), desktop, calculator, &window};
    QPlainTextEdit& structures = *window.document().paneEditor(PaneId::Structures);
    window.show();
    dialog.open();
    createRow(dialog, 0, 999);
    const QString rows = structures.toPlainText();
    MapWindow map(window.document());
    map.open();
    map.refresh();
    const auto refill = [&] {
        structures.setPlainText(rows);
        map.refresh();
        QApplication::processEvents();
    };
    // The Create as the user sees it with the Map window open: the map reads the new lines
    // (what its refresh timer does once the pane has changed) and shows them.
    const auto create = [&] {
        createRow(dialog, 0, 999);
        map.document().refreshIfStale();
        QApplication::processEvents();
    };

    // The 1,000 buildings copied, then pasted ten rows down.
    map.document().selectAllShown();
    map.findChild<QAction*>(QStringLiteral("MapCopy"))->trigger();
    QWidget& canvas = map.canvas();
    const QPoint target = map.canvas().frame().cellRect(CellPlace{0, 10}).center();
    const auto paste = [&] {
        map.findChild<QAction*>(QStringLiteral("MapPaste"))->trigger();
        clickAt(canvas, target);
        QApplication::processEvents();
    };
    auto* health = map.findChild<QLineEdit*>(QStringLiteral("ThingHealth"));
    int value = 100;
    const auto selectAll = [&] {
        refill();
        map.document().selectAllShown();
        QApplication::processEvents();
    };
    const auto heal = [&] {
        health->setText(QString::number(++value % 256));
        Q_EMIT health->editingFinished();
        QApplication::processEvents();
    };

    // In turns, so that a busy moment of the machine falls on all three alike.
    double reference = 1e100;
    double pasted = 1e100;
    double healed = 1e100;
    for (int turn = 0; turn < 15; ++turn) {
        reference = std::min(reference, bestSeconds(1, refill, create));
        pasted = std::min(pasted, bestSeconds(1, refill, paste));
        healed = std::min(healed, bestSeconds(1, selectAll, heal));
    }
    printRatio("paste 1,000 things vs Create 1,000 buildings", pasted, reference, "within 2x");
    printRatio("health of 1,000 selected things vs Create 1,000", healed, reference, "within 2x");
}

} // namespace vexa::bench
