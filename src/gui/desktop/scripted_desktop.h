#pragma once

#include "gui/desktop/desktop.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace vexa {

// A desktop that never blocks: dialogs answer from queues filled beforehand (an empty
// queue answers "cancel"), and everything shown is recorded. Tests and the screenshot
// tool drive the whole editor through it without a display.
class ScriptedDesktop final : public Desktop {
public:
    struct HelpCall {
        QString file;
        int command;
        int data;
    };

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<bool> yesNoAnswers;

    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QFont> fontRequests;
    QStringList errors;    // as shown, with the closing "."
    QStringList warnings;
    QStringList questions;
    std::vector<QDialog*> modalRuns;
    std::vector<HelpCall> helpCalls;

    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    void showError(QWidget* parent, const QString& text) override;
    void showWarning(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& question) override;
    void runModal(QDialog* window) override;
    void showHelp(QWidget* owner, const QString& helpFile, int command, int data) override;
};

} // namespace vexa
