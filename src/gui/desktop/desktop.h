#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace vexa {

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString title;      // empty: the platform's own title
    QString filter;     // in Qt's form: "Name (*.a *.b);;Other (*)"
    QString startName;  // the file name the dialog starts on
};

// Everything that would block a test, or that the platform lacks, goes through here:
// file and font dialogs, message boxes, modal runs and the help viewer. The editor uses
// the Qt implementation; tests script their own.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A chosen existing file, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    // A chosen file name, already confirmed where the file exists; nothing on cancel.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;

    // The error box: title "Vexa Build", error icon, OK; the text followed by ".".
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A warning that asks the user to choose again.
    virtual void showWarning(QWidget* parent, const QString& text) = 0;

    // Asks a question that is answered Yes or No; No unless the user says Yes.
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;

    // Runs a window modally until it is closed.
    virtual void runModal(QDialog* window) = 0;

    // Asks the help viewer for a command (3 contents, 261 search, 4 help on help).
    virtual void showHelp(QWidget* owner, const QString& helpFile, int command, int data) = 0;
};

// Turns a filter of the form "Name|*.a;*.b|Other|*.*" into Qt's form.
QString qtFileFilter(const QString& pipeSeparated);

} // namespace vexa
