#include "editor_fixture.h"

#include "gui/document/text_codec.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

namespace vexa::test {

void EditorFixture::SetUp()
{
    launchFolder_ = QDir::currentPath();
    files_ = std::make_unique<QTemporaryDir>();
    programFolder_ = std::make_unique<QTemporaryDir>();
    stateFolder_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(files_->isValid() && programFolder_->isValid() && stateFolder_->isValid());
    qputenv("XDG_STATE_HOME", stateFolder_->path().toLocal8Bit());
}

void EditorFixture::TearDown()
{
    app_.reset();
    QDir::setCurrent(launchFolder_);
}

void EditorFixture::startEditor(const QStringList& arguments, bool withHelpFile)
{
    if (withHelpFile)
        QFile::copy(QStringLiteral(VEXA_SOURCE_DIR "/data/help/VexaBuild.hlp"), programFolder_->filePath("VexaBuild.hlp"));
    app_ = std::make_unique<EditorApp>(desktop_);
    app_->startUp(QStringList{QStringLiteral("vexabuild")} + arguments, programFolder_->path(), files_->path());
}

QPlainTextEdit& EditorFixture::pane(PaneId id) const
{
    return *document().paneEditor(id);
}

std::vector<std::string> EditorFixture::paneLines(PaneId id) const
{
    std::vector<std::string> lines;
    const std::string text = encodeTextReplacing(paneText(pane(id)), '?');
    for (std::string_view line : splitPaneText(text))
        lines.emplace_back(line);
    return lines;
}

void EditorFixture::setPaneText(PaneId id, const QString& text)
{
    pane(id).setPlainText(text);
}

void EditorFixture::choose(const char* actionName)
{
    QAction* action = main().action(actionName);
    ASSERT_NE(action, nullptr) << actionName;
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            Q_EMIT menu->aboutToShow();
    }
    if (action->isEnabled())
        action->trigger();
}

QString EditorFixture::path(const QString& name) const
{
    return files_->filePath(name);
}

void EditorFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray EditorFixture::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vexa::test
