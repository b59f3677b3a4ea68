#include "gui/app/editor_app.h"

#include "gui/app/about_windows.h"
#include "gui/decorations/cell_triggers_form.h"
#include "gui/decorations/overlay_form.h"
#include "gui/decorations/smudge_form.h"
#include "gui/decorations/terrain_form.h"
#include "gui/desktop/desktop.h"
#include "gui/app/main_window.h"
#include "gui/decorations/country_form.h"
#include "gui/decorations/waypoints_form.h"
#include "gui/document/scenario_view.h"
#include "gui/document/wrapping_tab_bar.h"
#include "gui/forms/run_dialogs.h"
#include "gui/help/help_viewer.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"
#include "gui/placement/unit_forms.h"
#include "gui/scripting/script_edit_commands.h"
#include "gui/scripting/team_type_form.h"
#include "gui/scripting/trigger_form.h"
#include "gui/map/map_view.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace vexa {

namespace {

// The closed splash leaves no window active where no window manager hands the focus
// over; keys typed at once must still reach the main window.
void takeKeyboardFocus(TForm1& window)
{
    window.raise();
    window.activateWindow();
    window.document().tabBar()->setFocus(Qt::ActiveWindowFocusReason);
}

// Only a regular file that can be read is a help file: a folder of that name, or a file
// the editor may not read, would leave Help > Contents doing nothing.
bool isReadableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

} // namespace

EditorApp::EditorApp(Desktop& desktop)
    : desktop_(desktop)
{
    main_ = std::make_unique<TForm1>(desktop);
    TForm1* const owner = main_.get();
    ScenarioView& document = main_->document();
    // The calculator comes before the dialogs whose "Calculate" buttons it serves.
    calculator_ = new TForm9(desktop, owner);
    buildings_ = new TForm2(document, desktop, *calculator_, owner);
    about_ = new TForm3(owner);
    units_ = new TForm4(document, desktop, *calculator_, owner);
    ships_ = new TForm5(document, desktop, *calculator_, owner);
    infantry_ = new TForm6(document, desktop, *calculator_, owner);
    splash_ = std::make_unique<TForm7>();
    terrain_ = new TForm8(document, desktop, *calculator_, owner);
    smudge_ = new TForm10(document, desktop, *calculator_, owner);
    overlay_ = new TForm11(document, desktop, *calculator_, owner);
    cellTriggers_ = new TForm12(document, desktop, *calculator_, owner);
    triggers_ = new TForm13(document, desktop, owner);
    teamTypes_ = new TForm14(document, desktop, owner);
    waypoints_ = new TForm15(document, desktop, *calculator_, owner);
    country_ = new TForm16(document, desktop, owner);
    map_ = new MapWindow(document, owner);
    new ScriptEditCommands(*owner, document, *triggers_, *teamTypes_);

    main_->setAboutWindow(about_);
    main_->setCreateHandler(CreateEntry::Buildings, [this] { buildings_->open(); });
    main_->setCreateHandler(CreateEntry::Units, [this] { units_->open(); });
    main_->setCreateHandler(CreateEntry::Ships, [this] { ships_->open(); });
    main_->setCreateHandler(CreateEntry::Infantry, [this] { infantry_->open(); });
    main_->setCreateHandler(CreateEntry::Triggers, [this] { triggers_->open(); });
    main_->setCreateHandler(CreateEntry::Terrain, [this] { terrain_->open(); });
    main_->setCreateHandler(CreateEntry::Smudge, [this] { smudge_->open(); });
    main_->setCreateHandler(CreateEntry::Overlay, [this] { overlay_->open(); });
    main_->setCreateHandler(CreateEntry::Celltriggers, [this] { cellTriggers_->open(); });
    main_->setCreateHandler(CreateEntry::Waypoints, [this] { waypoints_->open(); });
    main_->setCreateHandler(CreateEntry::Country, [this] { country_->open(); });
    main_->setCreateHandler(CreateEntry::TeamTypes, [this] { teamTypes_->open(); });

    QAction* mapEntry = main_->action("Map1");
    mapEntry->setEnabled(true);
    QObject::connect(mapEntry, &QAction::triggered, map_, [this] { map_->open(); });
    calculator_->setMapPicker([this](std::function<void(std::int32_t)> deliver) { map_->pickCell(std::move(deliver)); });

    // The dialogs whose first and last positions Ctrl+drag on the map fills.
    auto* runDialogs = new RunDialogs(owner);
    runDialogs->add(*buildings_, buildings_->runFields());
    for (UnitPlacementForm* form : std::initializer_list<UnitPlacementForm*>{units_, ships_, infantry_})
        runDialogs->add(*form, form->runFields());
    for (DecorationForm* form : std::initializer_list<DecorationForm*>{terrain_, smudge_, overlay_, cellTriggers_})
        runDialogs->add(*form, form->runFields());
    map_->setRunDialogs(runDialogs);
}

EditorApp::~EditorApp() = default;

std::vector<QWidget*> EditorApp::windows() const
{
    return {main_.get(), buildings_,     about_,    units_,     ships_,     infantry_, splash_.get(), terrain_,
            calculator_, smudge_,        overlay_,  cellTriggers_, triggers_, teamTypes_, waypoints_,  country_};
}

void EditorApp::startUp(const QStringList& arguments, const QString& executableFolder, const QString& launchFolder)
{
    QDir::setCurrent(executableFolder);
    const QString helpFile = QDir(executableFolder).filePath(QString::fromLatin1(kHelpFileName));
    main_->setHelpFile(isReadableFile(helpFile) ? helpFile : QString());

    desktop_.runModal(splash_.get());

    main_->document().showBasicPage();
    main_->showMaximized();
    takeKeyboardFocus(*main_);

    if (arguments.size() > 1 && !arguments[1].isEmpty()) {
        const QString path = QFileInfo(arguments[1]).isAbsolute() ? arguments[1]
                                                                   : QDir(launchFolder).absoluteFilePath(arguments[1]);
        QDir::setCurrent(QFileInfo(path).absolutePath());
        main_->openFromCommandLine(path);
    }
    main_->offerRecovery();
}

} // namespace vexa
