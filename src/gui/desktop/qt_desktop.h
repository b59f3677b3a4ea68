#pragma once

#include "gui/desktop/desktop.h"

#include <QPointer>

namespace vexa {

class HelpViewer;

// The desktop of a real session: Qt's dialogs and message boxes, and our help viewer.
class QtDesktop final : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    void showError(QWidget* parent, const QString& text) override;
    void showWarning(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& question) override;
    void runModal(QDialog* window) override;
    void showHelp(QWidget* owner, const QString& helpFile, int command, int data) override;

private:
    QPointer<HelpViewer> helpViewer_;
};

} // namespace vexa
