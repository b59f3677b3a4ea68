#pragma once

#include "core/document/layout.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;

namespace vexa {

class CheckPanel;
class Desktop;
class EditCommands;
class RecoveryKeeper;
class RecoveryWindow;
class ScenarioView;
class UnsavedChanges;
struct StoredCopy;

// The Create menu's entries, in menu order.
enum class CreateEntry {
    Buildings, Celltriggers, Country, Infantry, Overlay, Ships, Smudge, Terrain, Triggers,
    TeamTypes, Units, Waypoints,
};

// The filter of the open and save dialogs, in Qt's form.
QString scenarioFileFilter();

// The file-name part of a path, as the caption shows it.
QString fileNamePart(const QString& path);

// The main window's font at start: "MS Sans Serif", or the platform's stand-in for it.
QFont initialWindowFont();

// The main window: the scenario document with its menus and the File commands.
class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Desktop& desktop, QWidget* parent = nullptr);
    ~TForm1() override;

    ScenarioView& document() const { return *document_; }
    Desktop& desktop() const { return desktop_; }

    // The current file name: where Save writes. Empty when the document has no file.
    QString currentFileName() const { return currentFileName_; }
    // The name the open dialog starts on.
    QString openDialogFileName() const { return openDialogFileName_; }

    // Makes a Create entry open its dialog; entries without one stay disabled.
    void setCreateHandler(CreateEntry entry, std::function<void()> open);
    QAction* createAction(CreateEntry entry) const;
    QAction* action(const char* objectName) const;

    // Start-up's command-line open: the name becomes the current file whether or not it
    // can be read.
    void openFromCommandLine(const QString& path);
    // Disables the three help commands for the run (no help file).
    void setHelpFile(const QString& path);
    QString helpFile() const { return helpFile_; }
    void setAboutWindow(QDialog* about) { about_ = about; }

    // The File commands.
    void Nytt1Click();
    void Load1Click();
    void Save1Click();
    void Saveas1Click();
    void Reverttosaved1Click();
    void Avsluta1Click();
    void Arkiv1Click();
    void About1Click();
    void VexaBuilderhelp1Click();
    void Helponhelp1Click();
    void Howtousehelp1Click();
    // File > Recover unsaved work...: the recovery window, at any time.
    void RecoverWork1Click();

    // Start-up, once the window shows: tidies the recovery folder and offers the work
    // of editors that ended without saving it.
    void offerRecovery();
    RecoveryKeeper& recovery() const { return *recovery_; }
    UnsavedChanges& unsavedChanges() const { return *changes_; }

    EditCommands& editCommands() const { return *editCommands_; }

    // Tools > Check scenario (F7): the check's findings in a panel below the tabs.
    void Checkscenario1Click();
    CheckPanel& checkPanel() const { return *checkPanel_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createMenus();
    void followUnsavedChanges();
    QMenu* createFileMenu();
    QMenu* createEditMenu();
    QMenu* createCreateMenu();
    QMenu* createToolsMenu();
    QMenu* createHelpMenu();
    QAction* addEntry(QMenu* menu, const QString& caption, const char* name, QKeySequence shortcut = {});
    void addSeparator(QMenu* menu, const char* name);

    // Reads a file into the document; doneText ("Opened %1 lines") says so in the status bar.
    bool readIntoDocument(const QString& path, const QString& doneText = QStringLiteral("Opened %1 lines"));
    void writeDocument();
    void showFileCaption(const QString& path);
    void giveBackThePanelsRoom(bool panelShown);
    void showError(const QString& text);
    void restoreCopy(const StoredCopy& copy);
    void discardCopy(const StoredCopy& copy);
    RecoveryWindow& recoveryWindow();

    Desktop& desktop_;
    ScenarioView* document_;
    QString currentFileName_;
    QString openDialogFileName_;
    QString helpFile_;
    QDialog* about_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    CheckPanel* checkPanel_ = nullptr;
    UnsavedChanges* changes_ = nullptr;
    RecoveryKeeper* recovery_ = nullptr;
    RecoveryWindow* recoveryWindow_ = nullptr;
    // The window's size before the check panel showed, and once it had made room for it.
    QSize sizeWithoutPanel_;
    QSize sizeWithPanel_;
};

} // namespace vexa
