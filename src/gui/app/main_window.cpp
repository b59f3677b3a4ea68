#include "gui/app/main_window.h"

#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/document/writer.h"
#include "gui/desktop/busy_work.h"
#include "gui/desktop/desktop.h"
#include "gui/app/edit_commands.h"
#include "gui/app/recovery_keeper.h"
#include "gui/app/recovery_window.h"
#include "gui/document/unsaved_changes.h"
#include "gui/document/scenario_view.h"
#include "gui/help/help_viewer.h"
#include "gui/check/check_panel.h"
#include "gui/scripting/script_tools.h"
#include "gui/document/pane_status.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <array>
#include <cstdlib>

namespace vexa {

namespace {

constexpr const char* kFilter =
    "Velkar file|*.mpr;*.ini|Multiplayer scenario|*.mpr|Singleplayer scenario|*.ini|All files|*.*";

const QString kNoFileCaption = QStringLiteral("Vexa Build - no file");

struct CreateEntryInfo {
    CreateEntry entry;
    const char* caption;
    const char* name;
};

constexpr std::array<CreateEntryInfo, 12> kCreateEntries = {{
    {CreateEntry::Buildings, "Buildings", "Skapabyggnader1"},
    {CreateEntry::Celltriggers, "Celltriggers", "Celltriggers1"},
    {CreateEntry::Country, "Country", "Country1"},
    {CreateEntry::Infantry, "Infantry", "Infantry1"},
    {CreateEntry::Overlay, "Overlay", "Overlay1"},
    {CreateEntry::Ships, "Ships", "Ships1"},
    {CreateEntry::Smudge, "Smudge", "Smudge1"},
    {CreateEntry::Terrain, "Terrain", "Terrain1"},
    {CreateEntry::Triggers, "Triggers", "Triggers1"},
    {CreateEntry::TeamTypes, "TeamTypes", "TeamType1"},
    {CreateEntry::Units, "Units", "Units1"},
    {CreateEntry::Waypoints, "Waypoints", "Waypoints1"},
}};

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The lines of a file, as the reader takes them apart.
qint64 fileLineCount(std::string_view bytes)
{
    qint64 count = 0;
    forEachFileLine(bytes, [&count](std::string_view) { ++count; });
    return count;
}

} // namespace

QString scenarioFileFilter()
{
    return qtFileFilter(QString::fromLatin1(kFilter));
}

QString fileNamePart(const QString& path)
{
#ifdef Q_OS_WIN
    const qsizetype separator = std::max({path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')),
                                          path.lastIndexOf(QLatin1Char(':'))});
#else
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(separator + 1);
}

TForm1::TForm1(Desktop& desktop, QWidget* parent)
    : QMainWindow(parent)
    , desktop_(desktop)
    , document_(new ScenarioView(this))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(kNoFileCaption);
    resize(640, 400);
    setFont(initialWindowFont());
    setCentralWidget(document_);
    createMenus();
    new PaneStatus(*this, *document_);
    followUnsavedChanges();
    setWindowState(windowState() | Qt::WindowMaximized);
}

// The panel hides as the window's children go, when this window is no longer one. The
// recovery copy takes the last changes while the document is still there.
TForm1::~TForm1()
{
    recovery_->writeNow();
    disconnect(checkPanel_, nullptr, this, nullptr);
}

// "Modified" in the status bar while the document holds unsaved changes, and a recovery
// copy of them in the state folder (XDG_STATE_HOME).
void TForm1::followUnsavedChanges()
{
    changes_ = new UnsavedChanges(*document_, this);
    auto* modified = new QLabel(this);
    modified->setObjectName(QStringLiteral("ModifiedState"));
    statusBar()->addPermanentWidget(modified);
    connect(changes_, &UnsavedChanges::modifiedChanged, modified,
            [modified](bool on) { modified->setText(on ? QStringLiteral("Modified") : QString()); });
    recovery_ = new RecoveryKeeper(
        *document_, *changes_, [this] { return currentFileName_; },
        [this](const QString& text) { statusBar()->showMessage(text); },
        recoveryFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")), this);
}

void TForm1::createMenus()
{
    menuBar()->addMenu(createFileMenu());
    menuBar()->addMenu(createEditMenu());
    menuBar()->addMenu(createCreateMenu());
    menuBar()->addMenu(createToolsMenu());
    menuBar()->addMenu(createHelpMenu());
}

QAction* TForm1::addEntry(QMenu* menu, const QString& caption, const char* name, QKeySequence shortcut)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(shortcut);
    return entry;
}

void TForm1::addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* TForm1::createFileMenu()
{
    auto* menu = new QMenu(QStringLiteral("&File"), this);
    menu->setObjectName(QStringLiteral("Arkiv1"));
    connect(addEntry(menu, QStringLiteral("&New"), "Nytt1", QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TForm1::Nytt1Click);
    connect(addEntry(menu, QStringLiteral("&Open..."), "Load1", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TForm1::Load1Click);
    connect(addEntry(menu, QStringLiteral("&Save"), "Save1", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TForm1::Save1Click);
    connect(addEntry(menu, QStringLiteral("Save &as..."), "Saveas1"), &QAction::triggered, this,
            &TForm1::Saveas1Click);
    connect(addEntry(menu, QStringLiteral("Revert to saved..."), "Reverttosaved1"), &QAction::triggered, this,
            &TForm1::Reverttosaved1Click);
    connect(addEntry(menu, QStringLiteral("Recover unsaved work..."), "RecoverWork1"), &QAction::triggered, this,
            &TForm1::RecoverWork1Click);
    addSeparator(menu, "N1");
    connect(addEntry(menu, QStringLiteral("&Quit"), "Avsluta1", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &TForm1::Avsluta1Click);
    connect(menu, &QMenu::aboutToShow, this, &TForm1::Arkiv1Click);
    Arkiv1Click();
    return menu;
}

QMenu* TForm1::createEditMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Edit"), this);
    menu->setObjectName(QStringLiteral("Edit1"));
    addEntry(menu, QStringLiteral("Undo"), "Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z))->setEnabled(false);
    addSeparator(menu, "N2");
    addEntry(menu, QStringLiteral("&Cut"), "Cut1", QKeySequence(Qt::CTRL | Qt::Key_X));
    addEntry(menu, QStringLiteral("Copy"), "Copy1", QKeySequence(Qt::CTRL | Qt::Key_C));
    addEntry(menu, QStringLiteral("Paste"), "Paste1", QKeySequence(Qt::CTRL | Qt::Key_V));
    addSeparator(menu, "N3");
    addEntry(menu, QStringLiteral("Select all"), "Selectall1", QKeySequence(Qt::CTRL | Qt::Key_A));
    addEntry(menu, QStringLiteral("Set font..."), "Setfont1");
    addSeparator(menu, "N5");
    addEntry(menu, QStringLiteral("&Find..."), "Find1", QKeySequence(Qt::CTRL | Qt::Key_F));
    addEntry(menu, QStringLiteral("Find &next"), "Findnext1", QKeySequence(Qt::Key_F3));
    addEntry(menu, QStringLiteral("&Replace..."), "Replace1", QKeySequence(Qt::CTRL | Qt::Key_H));
    addEntry(menu, QStringLiteral("&Go to line..."), "Gotoline1", QKeySequence(Qt::CTRL | Qt::Key_G));
    editCommands_ = new EditCommands(*this, *menu);
    return menu;
}

QMenu* TForm1::createCreateMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Create"), this);
    menu->setObjectName(QStringLiteral("Byggnader1"));
    for (const CreateEntryInfo& info : kCreateEntries)
        addEntry(menu, QString::fromLatin1(info.caption), info.name)->setEnabled(false);
    return menu;
}

// What goes beyond the document's own commands: the scenario check and the map.
QMenu* TForm1::createToolsMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Tools"), this);
    menu->setObjectName(QStringLiteral("Tools1"));
    checkPanel_ = new CheckPanel(*document_, this);
    addDockWidget(Qt::BottomDockWidgetArea, checkPanel_);
    checkPanel_->hide();
    connect(checkPanel_, &QDockWidget::visibilityChanged, this, &TForm1::giveBackThePanelsRoom);
    connect(addEntry(menu, QStringLiteral("&Check scenario"), "Checkscenario1", QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this, &TForm1::Checkscenario1Click);
    // Enabled once the map window is made.
    addEntry(menu, QStringLiteral("Map"), "Map1", QKeySequence(Qt::CTRL | Qt::Key_M))->setEnabled(false);
    new ScriptTools(*this, *document_, *menu);
    return menu;
}

// A window too small for the panel grows as it shows; closing the panel gives that room
// back, unless the window was sized since.
void TForm1::giveBackThePanelsRoom(bool panelShown)
{
    if (panelShown) {
        sizeWithPanel_ = size();
        return;
    }
    if (windowState() != Qt::WindowNoState || size() != sizeWithPanel_ || !sizeWithoutPanel_.isValid())
        return;
    // The window may shrink once its layout has let the panel go and lowered its minimum.
    QTimer::singleShot(0, this, [this, size = sizeWithoutPanel_] {
        layout()->activate();
        resize(size);
    });
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Shown, the panel is no longer hidden before the window makes room for it.
    if (checkPanel_->isHidden())
        sizeWithoutPanel_ = size();
}

void TForm1::Checkscenario1Click()
{
    checkPanel_->runCheck();
}

QMenu* TForm1::createHelpMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Help"), this);
    menu->setObjectName(QStringLiteral("Help1"));
    connect(addEntry(menu, QStringLiteral("&Contents..."), "VexaBuilderhelp1"), &QAction::triggered, this,
            &TForm1::VexaBuilderhelp1Click);
    connect(addEntry(menu, QStringLiteral("&Search for help on..."), "Helponhelp1"), &QAction::triggered, this,
            &TForm1::Helponhelp1Click);
    connect(addEntry(menu, QStringLiteral("&How to use help"), "Howtousehelp1"), &QAction::triggered, this,
            &TForm1::Howtousehelp1Click);
    addSeparator(menu, "N4");
    connect(addEntry(menu, QStringLiteral("&About..."), "About1"), &QAction::triggered, this, &TForm1::About1Click);
    return menu;
}

QAction* TForm1::action(const char* objectName) const
{
    return findChild<QAction*>(QString::fromLatin1(objectName));
}

QAction* TForm1::createAction(CreateEntry entry) const
{
    return action(kCreateEntries[static_cast<std::size_t>(entry)].name);
}

void TForm1::setCreateHandler(CreateEntry entry, std::function<void()> open)
{
    QAction* item = createAction(entry);
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, std::move(open));
}

void TForm1::setHelpFile(const QString& path)
{
    helpFile_ = path;
    for (const char* name : {"VexaBuilderhelp1", "Helponhelp1", "Howtousehelp1"})
        action(name)->setEnabled(!path.isEmpty());
}

void TForm1::Arkiv1Click()
{
    action("Reverttosaved1")->setEnabled(!currentFileName_.isEmpty());
}

void TForm1::Nytt1Click()
{
    document_->clear();
    setWindowTitle(kNoFileCaption);
    currentFileName_.clear();
}

void TForm1::Load1Click()
{
    const auto chosen = desktop_.chooseFileToOpen(this, {QString(), scenarioFileFilter(), openDialogFileName_});
    if (!chosen)
        return;
    if (!readIntoDocument(*chosen))
        return;
    currentFileName_ = openDialogFileName_ = *chosen;
    showFileCaption(*chosen);
}

void TForm1::Reverttosaved1Click()
{
    if (!currentFileName_.isEmpty())
        readIntoDocument(currentFileName_, QStringLiteral("Reverted to %1 saved lines"));
}

void TForm1::openFromCommandLine(const QString& path)
{
    currentFileName_ = openDialogFileName_ = path;
    if (readIntoDocument(path))
        showFileCaption(path);
    else
        document_->clear();
}

// The document changes only once the whole file has been read. The busy cursor is gone
// before an error box shows.
bool TForm1::readIntoDocument(const QString& path, const QString& doneText)
{
    std::optional<FileError> failure;
    {
        BusyWork work(*this);
        const auto bytes = readWholeFile(localPath(path));
        if (const auto* error = std::get_if<FileError>(&bytes)) {
            failure = *error;
        } else {
            const std::string& text = std::get<std::string>(bytes);
            document_->load(readScenario(text));
            work.finish(doneText.arg(countText(fileLineCount(text))));
        }
    }
    if (failure)
        showError(QString::fromStdString(failure->text()));
    return !failure;
}

void TForm1::Save1Click()
{
    if (currentFileName_.isEmpty()) {
        Saveas1Click();
        return;
    }
    writeDocument();
}

void TForm1::Saveas1Click()
{
    for (;;) {
        const auto chosen = desktop_.chooseFileToSave(
            this, {QStringLiteral("Spara fil"), scenarioFileFilter(), currentFileName_});
        if (!chosen)
            return;
        if (!isReadOnlyFile(localPath(*chosen))) {
            currentFileName_ = *chosen;
            Save1Click();
            return;
        }
        desktop_.showWarning(this, QStringLiteral("%1 is read-only.\nChoose another name.").arg(fileNamePart(*chosen)));
    }
}


void TForm1::writeDocument()
{
    openDialogFileName_ = currentFileName_;
    QString failure;
    {
        BusyWork work(*this);
        const auto snapshot = document_->snapshot();
        if (const auto* unsavable = std::get_if<UnsavableText>(&snapshot)) {
            failure = QStringLiteral("Nothing was saved. ") + unsavable->message;
        } else {
            const std::string bytes = writeScenario(std::get<Scenario>(snapshot));
            if (const auto error = replaceFile(localPath(currentFileName_), bytes))
                failure = QString::fromStdString(error->text());
            else
                work.finish(QStringLiteral("Saved %1 lines").arg(countText(fileLineCount(bytes))));
        }
    }
    if (!failure.isEmpty()) {
        showError(failure);
        return;
    }
    changes_->markSaved();
    recovery_->documentSaved();
    showFileCaption(currentFileName_);
}

void TForm1::showFileCaption(const QString& path)
{
    setWindowTitle(QStringLiteral("Vexa Build - ") + fileNamePart(path));
}

void TForm1::showError(const QString& text)
{
    desktop_.showError(this, text);
}

void TForm1::Avsluta1Click()
{
    close();
}

void TForm1::About1Click()
{
    if (about_)
        desktop_.runModal(about_);
}

void TForm1::VexaBuilderhelp1Click()
{
    desktop_.showHelp(this, helpFile_, kHelpContents, 0);
}

void TForm1::Helponhelp1Click()
{
    desktop_.showHelp(this, helpFile_, kHelpPartialKey, 0);
}

void TForm1::Howtousehelp1Click()
{
    desktop_.showHelp(this, helpFile_, kHelpOnHelp, 0);
}

RecoveryWindow& TForm1::recoveryWindow()
{
    if (!recoveryWindow_) {
        recoveryWindow_ = new RecoveryWindow(
            {[this] { return recovery_->restorable(); }, [this](const StoredCopy& copy) { restoreCopy(copy); },
             [this](const StoredCopy& copy) { discardCopy(copy); }},
            this);
    }
    return *recoveryWindow_;
}

void TForm1::RecoverWork1Click()
{
    recoveryWindow().refresh();
    desktop_.runModal(recoveryWindow_);
}

void TForm1::offerRecovery()
{
    recovery_->tidy();
    if (recoveryWindow().refresh())
        desktop_.runModal(recoveryWindow_);
}

// A copy opens as a file does (the other windows start afresh), under the name of the
// file it came from, so that Save writes there. It is still unsaved work, and its copy
// stays until then.
void TForm1::restoreCopy(const StoredCopy& listed)
{
    const auto read = recovery_->read(listed.path);
    if (const auto* damage = std::get_if<RecoveryDamage>(&read)) {
        showError(QStringLiteral("The unsaved work cannot be read: ") + QString::fromStdString(damage->reason));
        return;
    }
    const auto& copy = std::get<RecoveryCopy>(read);
    const auto taken = recovery_->take(listed.path);
    if (!taken) {
        showError(QStringLiteral("Another editor has taken this unsaved work"));
        return;
    }
    {
        BusyWork work(*this);
        document_->load(documentTextOfCopy(copy.text));
        work.finish(QStringLiteral("Restored %1 lines").arg(countText(static_cast<qint64>(copy.header.lineCount))));
    }
    recovery_->continueCopy(*taken, copy.header);
    changes_->markModified();
    currentFileName_ = copy.header.sourceFile ? QFile::decodeName(copy.header.sourceFile->c_str()) : QString();
    if (currentFileName_.isEmpty()) {
        setWindowTitle(kNoFileCaption);
    } else {
        openDialogFileName_ = currentFileName_;
        showFileCaption(currentFileName_);
    }
}

void TForm1::discardCopy(const StoredCopy& copy)
{
    if (desktop_.askYesNo(recoveryWindow_,
                          QStringLiteral("Discard the unsaved work in %1 for good?").arg(recoveredName(copy))))
        recovery_->discard(copy.path);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Never asks about unsaved changes: the recovery copy keeps them. The other windows
    // end with this one.
    event->accept();
    QCoreApplication::quit();
}

QFont initialWindowFont()
{
    // The face is substituted where the platform lacks it; the size is never below what
    // the platform finds readable.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(8.0, QApplication::font().pointSizeF()));
    return font;
}

} // namespace vexa
