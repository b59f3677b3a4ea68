#pragma once

#include "core/document/layout.h"
#include "gui/app/editor_app.h"
#include "gui/app/main_window.h"
#include "gui/desktop/scripted_desktop.h"
#include "gui/document/scenario_view.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QAction;
class QPlainTextEdit;

namespace vexa::test {

// The whole editor on a scripted desktop, started as a user would start it, with a
// temporary folder for files. The executable's folder is a temporary folder that holds
// the help file unless a test asks for none.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the editor; arguments are what follows the program name on the command line.
    void startEditor(const QStringList& arguments = {}, bool withHelpFile = true);

    TForm1& main() const { return app_->mainWindow(); }
    ScenarioView& document() const { return main().document(); }
    QPlainTextEdit& pane(PaneId id) const;
    // A pane's text, as bytes, under the line rule ('\n' after every line).
    std::vector<std::string> paneLines(PaneId id) const;
    void setPaneText(PaneId id, const QString& text);

    // Chooses a menu entry of the main window by its name, running its menu's
    // before-drop-down handler first as opening the menu would.
    void choose(const char* actionName);

    // A path in the temporary folder, and files there.
    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    template <typename T>
    T* child(const QWidget& window, const char* name) const
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedDesktop desktop_;
    std::unique_ptr<EditorApp> app_;
    std::unique_ptr<QTemporaryDir> files_;
    std::unique_ptr<QTemporaryDir> programFolder_;
    // The state folder (XDG_STATE_HOME) of the editors a test starts: empty at first, so
    // no recovery window stands in the way, and never the user's own.
    std::unique_ptr<QTemporaryDir> stateFolder_;
    QString launchFolder_;
};

} // namespace vexa::test
