// Renders the editor's windows to PNG files without a display, so anyone can look at
// the program: vexabuild-screenshots OUTPUT_FOLDER [SCENARIO]
#include "gui/app/editor_app.h"
#include "gui/app/main_window.h"
#include "gui/document/scenario_view.h"

#include <QPlainTextEdit>
#include "gui/desktop/scripted_desktop.h"
#include "gui/document/scenario_view.h"
#include "gui/help/help_viewer.h"
#include "gui/app/edit_commands.h"
#include "gui/check/check_panel.h"
#include "gui/document/find_bar.h"
#include "gui/map/paint/map_picture.h"
#include "gui/map/map_view.h"

#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/ground/ground.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QTextStream>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace {

void save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    window.grab().save(path);
    QTextStream(stdout) << path << '\n';
}

// The map zoomed in on waypoints that crowd each other, the mouse over one whose number
// found no room, so that it shows.
void saveCrowdedWaypoints(vexa::MapWindow& map, vexa::ScenarioView& document, const QDir& folder)
{
    QString lines;
    int key = 10;
    const auto add = [&](int column, int row) { lines += QStringLiteral("%1=%2\n").arg(key++).arg(column + 128 * row); };
    for (int column = 50; column < 57; ++column)
        add(column, 50);
    for (int row = 53; row < 56; ++row) {
        for (int column = 50; column < 53; ++column)
            add(column, row);
    }
    document.paneEditor(vexa::PaneId::Waypoints)->appendPlainText(lines.trimmed());
    map.refresh();
    map.open();
    vexa::MapCanvas& canvas = map.canvas();
    const QPoint crowd = canvas.frame().cellRect({52, 52}).center();
    canvas.zoom(1, crowd);
    const QPoint hidden = canvas.frame().cellRect({51, 54}).center();
    QMouseEvent move(QEvent::MouseMove, hidden, canvas.mapToGlobal(hidden), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    save(map, folder, QStringLiteral("MapWindow-waypoints"));
}

// Sends the mouse event of a drag at a cell's middle.
void sendMouse(vexa::MapCanvas& canvas, QEvent::Type type, vexa::CellPlace place, Qt::MouseButton button)
{
    const QPointF at = canvas.frame().cellRect(place).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&canvas, &event);
}

// A rectangle drawn around the first base, its things selected, then dragged three cells
// on (the picture taken while the drag goes on); then the brush painting a field of ore.
void saveMapEditing(vexa::MapWindow& map, const QDir& folder)
{
    vexa::MapCanvas& canvas = map.canvas();
    const auto& things = map.document().contents().things;
    const auto structure = std::find_if(things.begin(), things.end(),
                                        [](const vexa::PlacedThing& thing) { return thing.kind == vexa::ThingKind::Structure; });
    if (structure == things.end())
        return;
    const vexa::CellPlace centre = *vexa::placeOfCell(structure->cell);
    canvas.zoom(2, canvas.frame().cellRect(centre).center());
    sendMouse(canvas, QEvent::MouseButtonPress, {centre.column - 4, centre.row - 4}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {centre.column + 2, centre.row + 2}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {centre.column + 4, centre.row + 3}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, {centre.column + 4, centre.row + 3}, Qt::LeftButton);
    save(map, folder, QStringLiteral("MapWindow-selection"));

    sendMouse(canvas, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {centre.column + 2, centre.row + 1}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {centre.column + 3, centre.row + 1}, Qt::LeftButton);
    save(map, folder, QStringLiteral("MapWindow-moving"));
    sendMouse(canvas, QEvent::MouseButtonRelease, {centre.column + 3, centre.row + 1}, Qt::LeftButton);

    auto* overlays = map.findChild<QComboBox*>(QStringLiteral("BrushOverlay"));
    overlays->setCurrentIndex(overlays->findText(QStringLiteral("Ore patch 3 (GOLD03)")));
    map.findChild<QAction*>(QStringLiteral("BrushTool"))->trigger();
    const vexa::CellPlace field{centre.column + 4, centre.row + 9};
    sendMouse(canvas, QEvent::MouseButtonPress, field, Qt::LeftButton);
    for (int row = 0; row < 4; ++row) {
        sendMouse(canvas, QEvent::MouseMove, {field.column + (row % 2 ? 0 : 7), field.row + row}, Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseMove, {field.column + (row % 2 ? 7 : 0), field.row + row + 1}, Qt::LeftButton);
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, field, Qt::LeftButton);
    QApplication::processEvents();
    save(map, folder, QStringLiteral("MapWindow-brush"));

    map.findChild<QAction*>(QStringLiteral("TerrainTool"))->trigger();
    auto* filter = map.findChild<QLineEdit*>(QStringLiteral("TemplateFilter"));
    filter->setText(QStringLiteral("road"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(filter, &enter);
    const vexa::CellPlace road{centre.column - 6, centre.row + 6};
    sendMouse(canvas, QEvent::MouseButtonPress, road, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {road.column + 8, road.row}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, {road.column + 8, road.row}, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, {road.column + 2, road.row + 4}, Qt::NoButton);
    QApplication::processEvents();
    save(map, folder, QStringLiteral("MapWindow-terrain"));
}

// What `vexabuild-cli render` writes for the scenario file.
void saveRenderedPicture(const QString& file, const QDir& folder)
{
    const auto bytes = vexa::readWholeFile(file.toStdString());
    if (!std::holds_alternative<std::string>(bytes))
        return;
    const vexa::Scenario scenario = vexa::readScenario(std::get<std::string>(bytes));
    const QString path = folder.filePath(QStringLiteral("render.png"));
    const vexa::GroundPicture ground = vexa::groundPicture(
        vexa::readGround(scenario), {});
    vexa::mapPicture(vexa::readMapContents(scenario), vexa::mapPictureTitle(scenario, file.toStdString()), 1024, ground)
        .save(path);
    QTextStream(stdout) << path << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexa Build"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "Usage: vexabuild-screenshots OUTPUT_FOLDER [SCENARIO]\n";
        return 2;
    }
    QDir folder(QDir::current().absoluteFilePath(arguments[1]));
    // Starting the editor changes the working folder.
    const QString scenarioFile = arguments.size() > 2 ? QDir::current().absoluteFilePath(arguments[2]) : QString();
    folder.mkpath(QStringLiteral("."));
    // The recovery copies of the edits below stay out of the user's state folder.
    QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toLocal8Bit());

    vexa::ScriptedDesktop desktop;
    vexa::EditorApp editor(desktop);
    QStringList startArguments{arguments[0]};
    if (arguments.size() > 2)
        startArguments << arguments[2];
    editor.startUp(startArguments, QApplication::applicationDirPath(), QDir::currentPath());

    vexa::TForm1& main = editor.mainWindow();
    main.showNormal();
    main.resize(1100, 700);
    vexa::ScenarioView& document = main.document();
    for (int tab = 0; tab < document.count(); ++tab) {
        document.setCurrentIndex(tab);
        save(main, folder, QStringLiteral("main-%1-%2").arg(tab + 1, 2, 10, QLatin1Char('0')).arg(document.widget(tab)->objectName()));
    }
    // The check panel, with mistakes put into the units pane for it to find: three errors
    // in one line and a typo in a type code.
    main.Checkscenario1Click();
    save(main, folder, QStringLiteral("main-check-clean"));
    QPlainTextEdit* units = document.paneEditor(vexa::PaneId::Units);
    document.setCurrentWidget(units->parentWidget());
    units->appendPlainText(QStringLiteral("0=Multi1,HARV,256,20000,64,Harvest,flood"));
    units->appendPlainText(QStringLiteral("4=Multi1,3TKN,256,5936,0,Guard,None"));
    main.Checkscenario1Click();
    // Taller, so that the panel has room for its rows beside the pages' least height.
    main.resize(1100, 1040);
    QApplication::processEvents();
    main.resizeDocks({&main.checkPanel()}, {200}, Qt::Vertical);
    save(main, folder, QStringLiteral("main-check-findings"));
    // The filter on: warnings and the off-map rule hidden, a finding with a quick fix selected.
    vexa::CheckPanel& check = main.checkPanel();
    check.findChild<QCheckBox*>(QStringLiteral("ShowWarnings"))->setChecked(false);
    QMenu* rules = check.findChild<QPushButton*>(QStringLiteral("CheckRules"))->menu();
    rules->findChild<QAction*>(QStringLiteral("off-map"))->setChecked(false);
    check.findingsList()->setCurrentIndex(check.findingsList()->model()->index(0, 0));
    save(main, folder, QStringLiteral("main-check-filtered"));
    // The find bar with its replace row, listing the hits of every pane.
    vexa::FindBar& find = main.editCommands().findBar();
    find.openReplace(units);
    find.findChild<QLineEdit*>(QStringLiteral("FindEdit"))->setText(QStringLiteral("Multi1"));
    find.findChild<QCheckBox*>(QStringLiteral("AllPanesBox"))->setChecked(true);
    find.findNext();
    QApplication::processEvents();
    save(main, folder, QStringLiteral("main-find"));
    find.closeBar();
    for (QWidget* window : editor.windows()) {
        if (window != &main)
            save(*window, folder, window->objectName());
    }
    main.action("Scripts1")->trigger();
    if (auto* scripts = main.findChild<QWidget*>(QStringLiteral("ScriptsWindow"))) {
        QApplication::processEvents();
        save(*scripts, folder, QStringLiteral("ScriptsWindow"));
        scripts->close();
    }
    editor.mapWindow().open();
    save(editor.mapWindow(), folder, QStringLiteral("MapWindow"));
    saveCrowdedWaypoints(editor.mapWindow(), document, folder);
    editor.mapWindow().open();
    saveMapEditing(editor.mapWindow(), folder);
    if (arguments.size() > 2)
        saveRenderedPicture(scenarioFile, folder);

    vexa::HelpViewer help;
    help.resize(760, 560);
    if (help.loadFile(main.helpFile())) {
        for (const auto& [command, name] : {std::pair{vexa::kHelpContents, "help-contents"},
                                            std::pair{vexa::kHelpPartialKey, "help-search"},
                                            std::pair{vexa::kHelpOnHelp, "help-how-to-use"}}) {
            help.runCommand(command);
            save(help, folder, QString::fromLatin1(name));
        }
    }
    // New keeps the edited document's copy, which the recovery window then lists.
    main.Nytt1Click();
    main.RecoverWork1Click();
    if (auto* recovery = main.findChild<QDialog*>(QStringLiteral("RecoveryWindow")))
        save(*recovery, folder, QStringLiteral("RecoveryWindow"));
    return 0;
}
