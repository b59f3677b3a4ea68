#include "gui/desktop/qt_desktop.h"

#include "gui/help/help_viewer.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace vexa {

QtDesktop::QtDesktop() = default;

QtDesktop::~QtDesktop()
{
    delete helpViewer_;
}

namespace {
std::optional<QString> chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setNameFilter(request.filter);
    dialog.selectFile(request.startName);
}
} // namespace

std::optional<QString> QtDesktop::chooseFileToOpen(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

std::optional<QString> QtDesktop::chooseFileToSave(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return chosen(dialog);  // the dialog itself asks before an existing file is replaced
}

std::optional<QFont> QtDesktop::chooseFont(QWidget* parent, const QFont& initial)
{
    bool confirmed = false;
    const QFont font = QFontDialog::getFont(&confirmed, initial, parent);
    if (!confirmed)
        return std::nullopt;
    return font;
}

void QtDesktop::showError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text + QLatin1Char('.'),
                    QMessageBox::Ok, parent);
    box.exec();
}

void QtDesktop::showWarning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDesktop::askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDesktop::runModal(QDialog* window)
{
    window->exec();
}

// The help window is a window of its own beside the editor, made on first use.
void QtDesktop::showHelp(QWidget* /*owner*/, const QString& helpFile, int command, int /*data*/)
{
    if (!helpViewer_)
        helpViewer_ = new HelpViewer;
    if (helpViewer_->loadFile(helpFile))
        helpViewer_->runCommand(command);
}

} // namespace vexa
