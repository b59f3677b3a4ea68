// Compares the editor's window operations with one setPlainText of the same text, side
// by side in one run, on the offscreen platform.
#include "bench_support.h"
#include "thing_edits_bench.h"

#include "core/document/text_search.h"
#include "gui/app/edit_commands.h"
#include "gui/app/main_window.h"
#include "gui/desktop/scripted_desktop.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/decorations/terrain_form.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"
#include "gui/placement/unit_forms.h"
#include "gui/check/check_panel.h"
#include "gui/document/find_bar.h"
#include "gui/map/map_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <functional>
#include <memory>

using namespace vexa;

void benchTerrainStroke();  // terrain_stroke_bench.cpp

namespace vexa::bench {

// One Create of a row of buildings through the dialog's own widgets.
void createRow(TForm2& dialog, int first, int last)
{
    dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentText(QStringLiteral("Greece"));
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("GUN"));
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QString::number(first));
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QString::number(last));
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit6"))->setText(QStringLiteral("1"));
    dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
}

} // namespace vexa::bench

namespace {

// A scenario of about the given number of lines, spread over the usual sections.
QByteArray scenarioOfLines(int lineCount)
{
    QByteArray bytes = "[Basic]\r\nName=Bench\r\n[Map]\r\nWidth=128\r\n";
    const char* sections[] = {"[STRUCTURES]", "[UNITS]", "[INFANTRY]", "[TERRAIN]", "[Overlay]", "[Trigs]"};
    int written = 4;
    for (int section = 0; written < lineCount; ++section) {
        bytes += sections[section % 6];
        bytes += "\r\n";
        ++written;
        for (int i = 0; i < 5000 && written < lineCount; ++i, ++written)
            bytes += QByteArray::number(written) + "=Greece,POWR,256," + QByteArray::number(1000 + written % 16384) +
                     ",0,None,1,0\r\n";
    }
    return bytes;
}

// The bytes written to a file of the folder; gives its path.
QString writtenFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void benchOpen(const QTemporaryDir& folder)
{
    const QByteArray bytes = scenarioOfLines(100000);
    const QString path = writtenFile(folder, "big.mpr", bytes);
    const QString text = decodeText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));

    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    QPlainTextEdit single;
    single.show();

    const double open = bench::bestSeconds(3, [&] {
        window.openFromCommandLine(path);
        QApplication::processEvents();
    });
    const double reference = bench::bestSeconds(3, [&] {
        single.setPlainText(text);
        QApplication::processEvents();
    });
    bench::printRatio("open 100,000 lines into the main window", open, reference, "within 1.5x");
}


// One Create run into an empty pane against one setPlainText of the lines it adds.
void compareCreateWithSetPlainText(const char* what, QPlainTextEdit& pane, const std::function<void()>& createRun)
{
    const auto emptyPane = [&] { pane.clear(); };
    emptyPane();
    createRun();
    const QString lines = pane.toPlainText();
    QPlainTextEdit single;
    single.show();
    const double create = bench::bestSeconds(5, emptyPane, createRun);
    const double reference = bench::bestSeconds(5, [&] { single.clear(); }, [&] {
        single.setPlainText(lines);
        QApplication::processEvents();
    });
    bench::printRatio(what, create, reference, "within 1.5x");
}

// One run over 128 full map rows at spacing 1: 16,384 cells, the longest run a dialog takes.
constexpr int kLastCellOfTheMap = 128 * 128 - 1;

// The main window with its buildings dialog open.
struct BuildingsDialogOnWindow {
    ScriptedDesktop desktop;
    TForm1 window{desktop};
    TForm9 calculator{desktop, &window};
    TForm2 dialog{window.document(), desktop, calculator, &window};
    QPlainTextEdit& structures = *window.document().paneEditor(PaneId::Structures);

    BuildingsDialogOnWindow()
    {
        window.show();
        dialog.open();
    }
};

void benchCreate()
{
    BuildingsDialogOnWindow on;
    TForm2& dialog = on.dialog;
    QPlainTextEdit& structures = on.structures;
    on.window.document().setCurrentWidget(structures.parentWidget());

    compareCreateWithSetPlainText("Create 16,384 buildings in one run", structures, [&] {
        bench::createRow(dialog, 0, kLastCellOfTheMap);
        QApplication::processEvents();
    });

    // Appending costs what is appended, not what the pane already holds.
    QString full;
    for (int i = 0; i < 100000; ++i)
        full += QStringLiteral("%1=Greece,GUN,256,%1,0,None,1,0\n").arg(i);
    const auto createOneRow = [&] {
        bench::createRow(dialog, 0, 127);
        QApplication::processEvents();
    };
    const double intoEmpty = bench::bestSeconds(5, [&] { structures.clear(); }, createOneRow);
    const double intoFull = bench::bestSeconds(5, [&] {
        structures.setPlainText(full);
        QApplication::processEvents();
    }, createOneRow);
    bench::printRatio("one row of 128 into 100,000 lines vs into none", intoFull, intoEmpty, "about 1x");
}

// One Create of a row of terrain objects through the terrain dialog's own widgets.
void benchCreateTerrain()
{
    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    TForm9 calculator(desktop, &window);
    TForm8 dialog(window.document(), desktop, calculator, &window);
    dialog.open();
    QPlainTextEdit& terrain = *window.document().paneEditor(PaneId::Terrain);
    window.document().setCurrentWidget(terrain.parentWidget());

    compareCreateWithSetPlainText("Create 16,384 terrain objects in one run", terrain, [&] {
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("0"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QString::number(kLastCellOfTheMap));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("1"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QStringLiteral("TC01"));
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QApplication::processEvents();
    });
}

// The reference: the same widget size filled with one plain rectangle per cell.
class PlainCells final : public QWidget {
public:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int side = width() / kMapSide;
        for (int cell = 0; cell < kMapCellCount; ++cell)
            painter.fillRect((cell % kMapSide) * side, (cell / kMapSide) * side, side, side, QColor(0x1f, 0x5f, 0xd6));
    }
};

// Structures and terrain in every cell; waypoints every 16 cells, or, crowded, side by
// side in a block of 32 × 32 cells in the middle of the map, where the numbers' tags
// must find room beside each other. Typed into the panes the map reads.
void typeCrowdedMap(ScenarioView& document, bool waypointsSideBySide = false)
{
    for (const auto& [field, text] : {std::pair{FieldId::X, "0"}, {FieldId::Y, "0"}, {FieldId::Width, "128"}, {FieldId::Height, "128"}})
        document.setFieldText(field, QLatin1String(text));
    const char* countries[] = {"Greece", "USSR", "Multi1", "Multi2"};
    QString structures;
    QString terrain;
    for (std::int32_t cell = 0; cell < kMapCellCount; ++cell) {
        structures += QStringLiteral("%1=%2,POWR,256,%1,0,None,1,0\n").arg(cell).arg(QLatin1String(countries[cell % 4]));
        terrain += QStringLiteral("%1=T01,None\n").arg(cell);
    }
    QString waypoints;
    for (std::int32_t number = 0; number < 1000; ++number) {
        const std::int32_t cell = waypointsSideBySide ? 48 + number % 32 + kMapSide * (48 + number / 32) : number * 16;
        waypoints += QStringLiteral("%1=%2\n").arg(number).arg(cell);
    }
    document.paneEditor(PaneId::Structures)->setPlainText(structures);
    document.paneEditor(PaneId::Terrain)->setPlainText(terrain);
    document.paneEditor(PaneId::Waypoints)->setPlainText(waypoints);
}

void benchMapDrawing()
{
    constexpr int kSide = 768;
    PlainCells plain;
    plain.resize(kSide, kSide);
    ScenarioView document;
    MapDocument map(document);
    MapCanvas canvas(map);
    canvas.resize(kSide, kSide);
    typeCrowdedMap(document);
    map.refresh();
    canvas.fitPlayableArea();
    QImage target(kSide, kSide, QImage::Format_ARGB32_Premultiplied);

    // Each run paints the whole widget from nothing, as a first show does.
    const auto paint = [&](QWidget& widget) { return [&] { widget.render(&target); }; };
    const auto compare = [&](const char* what) {
        const bench::SideBySide best = bench::bestSideBySide(paint(canvas), paint(plain));
        bench::printRatio(what, best.work, best.reference, "within 1.5x");
    };
    compare("map of 33,768 things, whole map (6 px cells)");
    // Zoomed in far enough for the waypoint numbers to show.
    canvas.zoom(5, QPoint(kSide / 2, kSide / 2));
    compare("the same, zoomed to 16 px cells, numbers shown");
    typeCrowdedMap(document, true);
    map.refresh();
    compare("the same, the waypoints side by side in a block");
}

// A scenario of a real map's size: the packs of a real map (tests/data/packed-map.ini) or
// none, and about 1,400 placed things in a playable area of 64 x 64 cells.
QByteArray realSizeScenario(bool withPacks)
{
    QByteArray bytes = "[Basic]\r\nName=Bench\r\n[Map]\r\nX=32\r\nY=32\r\nWidth=64\r\nHeight=64\r\n";
    const auto cellOf = [](int i) { return QByteArray::number((32 + i * 7 % 64) + 128 * (32 + i * 13 % 64)); };
    bytes += "[STRUCTURES]\r\n";
    for (int i = 0; i < 200; ++i) {
        const char* owner = i % 2 ? "=Greece,POWR,256," : "=USSR,TSLA,256,";
        bytes += QByteArray::number(i) + owner + cellOf(i) + ",0,None,1,0\r\n";
    }
    bytes += "[UNITS]\r\n";
    for (int i = 0; i < 300; ++i)
        bytes += QByteArray::number(i) + "=Greece,1TNK,256," + cellOf(i + 200) + ",0,Guard,None\r\n";
    bytes += "[INFANTRY]\r\n";
    for (int i = 0; i < 300; ++i)
        bytes += QByteArray::number(i) + "=USSR,E1,256," + cellOf(i + 500) + ",0,Guard,0,None\r\n";
    bytes += "[TERRAIN]\r\n";
    for (int i = 0; i < 500; ++i)
        bytes += cellOf(i + 800) + "=T01,None\r\n";
    bytes += "[Waypoints]\r\n";
    for (int i = 0; i < 100; ++i)
        bytes += QByteArray::number(i) + "=" + cellOf(i + 1300) + "\r\n";
    if (withPacks) {
        QFile packs(QStringLiteral(VEXA_SOURCE_DIR "/tests/data/packed-map.ini"));
        packs.open(QIODevice::ReadOnly);
        bytes += packs.readAll();
    }
    return bytes;
}

// Opening the Map window on a scenario with its ground (the packs unpacked, the ground
// painted under everything) against the same scenario without packs, each into a new
// window as a first opening is.
void benchMapGround(const QTemporaryDir& folder)
{
    ScriptedDesktop desktop;
    const auto windowOn = [&](bool withPacks) {
        const QString path = writtenFile(folder, withPacks ? "ground.mpr" : "plain.mpr", realSizeScenario(withPacks));
        auto window = std::make_unique<TForm1>(desktop);
        window->show();
        window->openFromCommandLine(path);
        QApplication::processEvents();
        return window;
    };
    const auto withGround = windowOn(true);
    const auto withoutGround = windowOn(false);
    const auto openMapOn = [](TForm1& window) {
        return [&window] {
            MapWindow map(window.document());
            map.open();
            QApplication::processEvents();
        };
    };
    const bench::SideBySide best = bench::bestSideBySide(openMapOn(*withGround), openMapOn(*withoutGround), 0.5);
    bench::printRatio("map with ground vs without (open, real map)", best.work, best.reference, "within 1.3x");
}

// One Create of 128 full map rows through the infantry dialog's own widgets, with the
// sub-position boxes as the opening leaves them: all five ticked, 81,920 lines.
void benchCreateInfantry()
{
    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    TForm9 calculator(desktop, &window);
    TForm6 dialog(window.document(), desktop, calculator, &window);
    dialog.open();
    QPlainTextEdit& infantry = *window.document().paneEditor(PaneId::Infantry);
    window.document().setCurrentWidget(infantry.parentWidget());

    compareCreateWithSetPlainText("Create 81,920 soldiers (16,384 cells x 5)", infantry, [&] {
        dialog.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentText(QStringLiteral("USSR"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("E1"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QStringLiteral("0"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QString::number(kLastCellOfTheMap));
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QApplication::processEvents();
    });
    if (const auto breaks = infantry.toPlainText().count(QLatin1Char('\n')); breaks < 81919 || breaks > 81920)
        std::fprintf(stderr, "the run made %lld line breaks, not 81,920 lines\n", static_cast<long long>(breaks));
}

// 100,000 lines of the structures pane; every tenth holds "GUN".
QString structuresWithGuns()
{
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("%1=Greece,%2,256,%1,0,None,1,0\n").arg(i).arg(i % 10 == 0 ? "GUN" : "POWR");
    return text;
}

// Find in all panes and replace all through the find bar's own widgets, each against one
// setPlainText of the pane's text.
void benchFindAndReplace()
{
    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    QPlainTextEdit& structures = *window.document().paneEditor(PaneId::Structures);
    window.document().setCurrentWidget(structures.parentWidget());
    const QString text = structuresWithGuns();
    const auto fill = [&] {
        structures.setPlainText(text);
        QApplication::processEvents();
    };
    QPlainTextEdit single;
    single.show();
    const double reference = bench::bestSeconds(3, [&] { single.clear(); }, [&] {
        single.setPlainText(text);
        QApplication::processEvents();
    });

    fill();
    FindBar& bar = window.editCommands().findBar();
    bar.openReplace(&structures);
    bar.findChild<QLineEdit*>(QStringLiteral("FindEdit"))->setText(QStringLiteral("gun"));
    bar.findChild<QLineEdit*>(QStringLiteral("ReplaceEdit"))->setText(QStringLiteral("FTUR"));
    auto* allPanes = bar.findChild<QCheckBox*>(QStringLiteral("AllPanesBox"));
    const double findAll = bench::bestSeconds(3, [&] { allPanes->setChecked(false); }, [&] {
        allPanes->setChecked(true);
        QApplication::processEvents();
    });
    bench::printRatio("find all 10,000 hits in 100,000 lines", findAll, reference, "within 2x");
    allPanes->setChecked(false);

    auto* replaceAll = bar.findChild<QPushButton*>(QStringLiteral("ReplaceAllButton"));
    const double replace = bench::bestSeconds(3, fill, [&] {
        replaceAll->click();
        QApplication::processEvents();
    });
    bench::printRatio("replace all 10,000 hits in 100,000 lines", replace, reference, "within 2x");
}

// The check panel follows the document: the check of an opened document runs on a thread
// of its own once the window shows it, and typing never waits for a check.
void benchCheckPanel(const QTemporaryDir& folder)
{
    const QString path = writtenFile(folder, "checked.mpr", scenarioOfLines(100000));

    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    const auto open = [&] {
        window.openFromCommandLine(path);
        QApplication::processEvents();
    };
    // Each open starts on a quiet machine: the check of the last one is over.
    const auto checkOver = [&] {
        while (window.checkPanel().isVisible() && window.checkPanel().isOutOfDate())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    const double hidden = bench::bestSeconds(3, open);
    window.checkPanel().runCheck();
    const double shown = bench::bestSeconds(3, checkOver, open);
    checkOver();
    bench::printRatio("open 100,000 lines, check panel shown vs not", shown, hidden, "within 1.5x");

    // The same keystroke into the same document in a window whose panel is not shown.
    TForm1 plain(desktop);
    plain.show();
    plain.openFromCommandLine(path);
    const auto keystrokeInto = [](TForm1& into) {
        QPlainTextEdit& structures = *into.document().paneEditor(PaneId::Structures);
        QApplication::setActiveWindow(&into);
        structures.setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&structures, &press);
        QApplication::processEvents();
    };
    const auto typed = bench::bestSideBySide([&] { keystrokeInto(window); }, [&] { keystrokeInto(plain); });
    bench::printRatio("a keystroke in 100,000 lines, panel shown vs not", typed.work, typed.reference, "about 1x");
}

// A keystroke of find-as-you-type in a pane of 100,000 lines whose next hit lies 999 lines
// below the cursor, through the find bar's own field, against one scan of the whole pane
// for every hit (what each keystroke cost before the search started from the cursor).
// The repaint that follows a keystroke is the pane's, and costs what moving the cursor to
// that line costs without any search: it is compared with that.
void benchFindKeystroke()
{
    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    QPlainTextEdit& structures = *window.document().paneEditor(PaneId::Structures);
    window.document().setCurrentWidget(structures.parentWidget());
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("%1=Greece,%2,256,%1,0,None,1,0\n").arg(i).arg(i % 1000 == 0 ? "GUN" : "POWR");
    structures.setPlainText(text);
    QApplication::processEvents();

    FindBar& bar = window.editCommands().findBar();
    bar.openFind(&structures);
    auto* field = bar.findChild<QLineEdit*>(QStringLiteral("FindEdit"));
    const QTextBlock start = structures.document()->findBlockByNumber(50001);
    const QTextBlock hit = structures.document()->findBlockByNumber(51000);
    const auto placeCursor = [&] {
        field->setText(QStringLiteral("gu"));
        structures.setTextCursor(QTextCursor(start));
    };
    const auto keystroke = [&] {
        placeCursor();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
        QApplication::sendEvent(field, &press);
    };
    const auto scan = [&] {
        const auto hits = findMatches(encodeTextReplacing(paneText(structures), '\n'), "gun", MatchCase::Ignore);
        if (hits.size() != 100)
            std::fprintf(stderr, "the scan found %zu hits, not 100\n", hits.size());
    };
    const bench::SideBySide typed = bench::bestSideBySide(keystroke, scan, 0.5);
    bench::printRatio("find keystroke, hit 999 lines on, of 100,000", typed.work, typed.reference, "at most 0.1x");
    if (structures.textCursor().block() != hit || structures.textCursor().selectedText() != "GUN")
        std::fprintf(stderr, "the keystroke did not select the hit on line 51,000\n");

    const auto repainted = [](const std::function<void()>& work) {
        return [work] {
            work();
            QApplication::processEvents();
        };
    };
    const bench::SideBySide shown = bench::bestSideBySide(repainted(keystroke), repainted([&] {
        placeCursor();
        structures.setTextCursor(QTextCursor(hit));
    }), 0.5);
    bench::printRatio("  repainted, vs the cursor moved there", shown.work, shown.reference, "within 1.5x");
}


// Moving 1,000 selected structures one row down on the map, against a Create of 1,000
// buildings into the same pane: both change 1,000 lines of a pane of 1,000.
void benchMapMove()
{
    BuildingsDialogOnWindow on;
    TForm2& dialog = on.dialog;
    QPlainTextEdit& structures = on.structures;
    bench::createRow(dialog, 0, 999);
    const QString rows = structures.toPlainText();
    MapWindow map(on.window.document());
    map.open();
    map.refresh();
    map.document().selectAllShown();
    QApplication::processEvents();

    int key = Qt::Key_Down;
    const auto moveOneRow = [&] {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&map.canvas(), &press);
        QApplication::processEvents();
        key = key == Qt::Key_Down ? Qt::Key_Up : Qt::Key_Down;
    };
    const auto create = [&] {
        bench::createRow(dialog, 0, 999);
        QApplication::processEvents();
    };
    const auto refill = [&] {
        structures.setPlainText(rows);
        QApplication::processEvents();
    };
    const double move = bench::bestSeconds(7, moveOneRow);
    const double reference = bench::bestSeconds(7, refill, create);
    bench::printRatio("move 1,000 structures on the map vs Create 1,000 buildings", move, reference, "within 2x");
}

// A keystroke at the end of a pane of 100,000 structures in a window whose Map window is
// shown, against the same keystroke in a window without one. The map reads the document
// again only once the typing pauses: the keystroke does not wait for it.
void benchMapKeystroke()
{
    ScriptedDesktop desktop;
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("%1=Greece,POWR,256,%2,0,None,1,0\n").arg(i).arg(i % 16384);
    const auto windowWithText = [&] {
        auto window = std::make_unique<TForm1>(desktop);
        window->show();
        QPlainTextEdit& structures = *window->document().paneEditor(PaneId::Structures);
        window->document().setCurrentWidget(structures.parentWidget());
        structures.setPlainText(text);
        structures.moveCursor(QTextCursor::End);
        return window;
    };
    const std::unique_ptr<TForm1> withMap = windowWithText();
    const std::unique_ptr<TForm1> plain = windowWithText();
    MapWindow map(withMap->document());
    map.open();
    map.refresh();
    QApplication::processEvents();

    // Types a character and takes it back in turns, so the pane keeps its size.
    const auto keystrokeInto = [](TForm1& into) {
        return [&into, typed = false]() mutable {
            QPlainTextEdit& structures = *into.document().paneEditor(PaneId::Structures);
            QApplication::setActiveWindow(&into);
            structures.setFocus();
            QKeyEvent press(QEvent::KeyPress, typed ? Qt::Key_Backspace : Qt::Key_X, Qt::NoModifier,
                            typed ? QString() : QStringLiteral("x"));
            QApplication::sendEvent(&structures, &press);
            QApplication::processEvents();
            typed = !typed;
        };
    };
    const bench::SideBySide typed = bench::bestSideBySide(keystrokeInto(*withMap), keystrokeInto(*plain), 0.5);
    bench::printRatio("keystroke in 100,000 lines, Map shown vs not", typed.work, typed.reference, "at most 1.2x");
    const double reading = bench::bestSeconds(3, [&] { map.refresh(); });
    bench::printRatio("  the map's reading after the pause vs it", reading, typed.reference, "not waited for");
}

// A brush stroke over 200 cells of a real map's overlay pack, the pack written anew when
// the button is let go, against one repaint of the Map window showing the whole map.
void benchMapStroke(const QTemporaryDir& folder)
{
    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    // Without a playable area the window shows the whole map.
    const QByteArray scenario = realSizeScenario(true).replace("X=32\r\nY=32\r\nWidth=64\r\nHeight=64\r\n", "");
    window.openFromCommandLine(writtenFile(folder, "stroke.mpr", scenario));
    MapWindow map(window.document());
    map.open();
    map.refresh();
    MapCanvas& canvas = map.canvas();
    map.findChild<QAction*>(QStringLiteral("BrushTool"))->trigger();
    QApplication::processEvents();

    bool erase = false;
    const auto send = [&](QEvent::Type type, std::int32_t cell, Qt::MouseButtons held) {
        const QPointF at = canvas.frame().cellRect(*placeOfCell(cell)).center();
        const Qt::MouseButton button = erase ? Qt::RightButton : Qt::LeftButton;
        QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    };
    // Two rows of 100 cells, painted and erased in turns.
    const auto stroke = [&] {
        const Qt::MouseButtons held = erase ? Qt::RightButton : Qt::LeftButton;
        const std::int32_t start = 40 * kMapSide + 14;
        send(QEvent::MouseButtonPress, start, held);
        for (int i = 1; i < 200; ++i)
            send(QEvent::MouseMove, start + (i < 100 ? i : kMapSide + 199 - i), held);
        send(QEvent::MouseButtonRelease, start + kMapSide, Qt::NoButton);
        QApplication::processEvents();
        erase = !erase;
    };
    const auto repaint = [&] { canvas.repaint(); };
    const bench::SideBySide best = bench::bestSideBySide(stroke, repaint, 0.5);
    bench::printRatio("brush stroke over 200 cells vs one repaint of the map", best.work, best.reference, "within 1.5x");
}
} // namespace

namespace vexa::bench {
void benchRecoverySnapshot(const QTemporaryDir& folder);
}

// Runs every benchmark, or with names as arguments ("open create terrain map ground infantry
// find check keystroke mapmove stroke mapkey recovery terrainstroke things") only those.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList chosen = application.arguments().mid(1);
    const auto run = [&](const char* name, const std::function<void()>& benchmark) {
        if (chosen.isEmpty() || chosen.contains(QLatin1String(name)))
            benchmark();
    };
    QTemporaryDir folder;
    // Recovery copies of the benchmarks' documents stay in the temporary folder.
    qputenv("XDG_STATE_HOME", folder.filePath(QStringLiteral("state")).toLocal8Bit());
    run("open", [&] { benchOpen(folder); });
    run("create", benchCreate);
    run("terrain", benchCreateTerrain);
    run("map", benchMapDrawing);
    run("ground", [&] { benchMapGround(folder); });
    run("infantry", benchCreateInfantry);
    run("find", benchFindAndReplace);
    run("check", [&] { benchCheckPanel(folder); });
    run("keystroke", benchFindKeystroke);
    run("mapmove", benchMapMove);
    run("stroke", [&] { benchMapStroke(folder); });
    run("mapkey", benchMapKeystroke);
    run("recovery", [&] { bench::benchRecoverySnapshot(folder); });
    run("terrainstroke", benchTerrainStroke);
    run("things", bench::benchThingEdits);
    return 0;
}
