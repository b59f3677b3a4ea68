#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QWidget;

namespace vexa {

class Desktop;
class TForm1;
class TForm3;
class TForm2;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class MapWindow;

// The editor's windows, made once in a fixed order and kept for the whole run. Each
// window has one owner: the main window and the splash, which have no parent window, are
// owned here; every other window is a child of the main window (so it stays in front of
// it and goes with it) and is owned by it, this class keeps only a pointer.
class EditorApp {
public:
    explicit EditorApp(Desktop& desktop);
    ~EditorApp();
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    // Version texts, working folder, help file, the splash, the main window, and the file
    // named on the command line (arguments[1]; a relative name is taken from the folder
    // the editor was started in).
    void startUp(const QStringList& arguments, const QString& executableFolder, const QString& launchFolder);

    // Every window, in the order they were made.
    std::vector<QWidget*> windows() const;

    TForm1& mainWindow() const { return *main_; }
    TForm3& aboutWindow() const { return *about_; }
    TForm7& splashWindow() const { return *splash_; }
    TForm2& buildingsDialog() const { return *buildings_; }
    TForm4& unitsDialog() const { return *units_; }
    TForm5& shipsDialog() const { return *ships_; }
    TForm6& infantryDialog() const { return *infantry_; }
    TForm9& positionCalculator() const { return *calculator_; }
    TForm13& triggersDialog() const { return *triggers_; }
    TForm14& teamTypesDialog() const { return *teamTypes_; }
    TForm15& waypointsDialog() const { return *waypoints_; }
    TForm16& countryDialog() const { return *country_; }
    // The Tools menu's map, made after the windows above and not among them.
    MapWindow& mapWindow() const { return *map_; }

private:
    Desktop& desktop_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<TForm7> splash_;
    // Owned by the main window.
    TForm9* calculator_ = nullptr;
    TForm2* buildings_ = nullptr;
    TForm3* about_ = nullptr;
    TForm4* units_ = nullptr;
    TForm5* ships_ = nullptr;
    TForm6* infantry_ = nullptr;
    TForm8* terrain_ = nullptr;
    TForm10* smudge_ = nullptr;
    TForm11* overlay_ = nullptr;
    TForm12* cellTriggers_ = nullptr;
    TForm13* triggers_ = nullptr;
    TForm14* teamTypes_ = nullptr;
    TForm15* waypoints_ = nullptr;
    TForm16* country_ = nullptr;
    MapWindow* map_ = nullptr;
};

} // namespace vexa
