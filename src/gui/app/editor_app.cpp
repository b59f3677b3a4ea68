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
#include "gui/help/help_viewer.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"
#include "gui/placement/unit_forms.h"
#include "gui/scripting/team_type_form.h"
#include "gui/scripting/trigger_form.h"
#include "gui/tools/map_view.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

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

} // namespace

EditorApp::EditorApp(Desktop& desktop)
    : desktop_(desktop)
{
    main_ = std::make_unique<TForm1>(desktop);
    // The calculator comes before the dialogs whose "Calculate" buttons it serves.
    calculator_ = std::make_unique<TForm9>(desktop, main_.get());
    buildings_ = std::make_unique<TForm2>(main_->document(), desktop, *calculator_, main_.get());
    about_ = std::make_unique<TForm3>(main_.get());
    units_ = std::make_unique<TForm4>(main_->document(), desktop, *calculator_, main_.get());
    ships_ = std::make_unique<TForm5>(main_->document(), desktop, *calculator_, main_.get());
    infantry_ = std::make_unique<TForm6>(main_->document(), desktop, *calculator_, main_.get());
    splash_ = std::make_unique<TForm7>();
    terrain_ = std::make_unique<TForm8>(main_->document(), desktop, *calculator_, main_.get());
    smudge_ = std::make_unique<TForm10>(main_->document(), desktop, *calculator_, main_.get());
    overlay_ = std::make_unique<TForm11>(main_->document(), desktop, *calculator_, main_.get());
    cellTriggers_ = std::make_unique<TForm12>(main_->document(), desktop, *calculator_, main_.get());
    triggers_ = std::make_unique<TForm13>(main_->document(), desktop, main_.get());
    teamTypes_ = std::make_unique<TForm14>(main_->document(), desktop, main_.get());
    waypoints_ = std::make_unique<TForm15>(main_->document(), desktop, *calculator_, main_.get());
    country_ = std::make_unique<TForm16>(main_->document(), desktop, main_.get());
    map_ = std::make_unique<MapWindow>(main_->document(), main_.get());

    main_->setAboutWindow(about_.get());
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
    QObject::connect(mapEntry, &QAction::triggered, map_.get(), [this] { map_->open(); });
    calculator_->setMapPicker([this](std::function<void(std::int32_t)> deliver) { map_->pickCell(std::move(deliver)); });
}

EditorApp::~EditorApp() = default;

std::vector<QWidget*> EditorApp::windows() const
{
    return {main_.get(),      buildings_.get(),    about_.get(),    units_.get(),     ships_.get(),
            infantry_.get(),  splash_.get(),       terrain_.get(),  calculator_.get(), smudge_.get(),
            overlay_.get(),   cellTriggers_.get(), triggers_.get(), teamTypes_.get(), waypoints_.get(),
            country_.get()};
}

void EditorApp::startUp(const QStringList& arguments, const QString& executableFolder, const QString& launchFolder)
{
    about_->findChild<QLabel*>(QStringLiteral("Label4"))->setText(versionLabelText());
    splash_->findChild<QLabel*>(QStringLiteral("Label1"))->setText(versionLabelText());

    QDir::setCurrent(executableFolder);
    const QString helpFile = QDir(executableFolder).filePath(QString::fromLatin1(kHelpFileName));
    main_->setHelpFile(QFileInfo::exists(helpFile) ? helpFile : QString());

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
}

} // namespace vexa
