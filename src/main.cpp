// Vexa Build: the editor's entry point.
#include "gui/app/editor_app.h"
#include "gui/app/main_window.h"
#include "gui/desktop/qt_desktop.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexa Build"));
    QApplication::setApplicationVersion(QStringLiteral(VEXA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    const QString launchFolder = QDir::currentPath();

    vexa::QtDesktop desktop;
    vexa::EditorApp editor(desktop);
    editor.startUp(QApplication::arguments(), QApplication::applicationDirPath(), launchFolder);
    return QApplication::exec();
}
