#pragma once

#include <QDialog>

class QPushButton;

namespace vexa {

// The buttons a form's title bar offers.
enum class TitleButtons { Close, CloseAndMinimize };

// The flags of a dialog window whose title bar offers just those buttons.
Qt::WindowFlags titleFlags(TitleButtons buttons);

// A window that puts itself in the middle of the screen each time it is shown. Esc does
// not close it: the About and splash windows close only with their single button (and
// About also with its close box).
class CentredDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    void Button1Click() { accept(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The skeleton of every tool window: a Create dialog, a composer, the position
// calculator. Made once and kept; opening never blocks the main window; the close box
// hides it. Enter presses the default button; Esc presses the cancel button, and does
// nothing in a form that has none.
class FormWindow : public QDialog {
    Q_OBJECT
public:
    FormWindow(const char* name, const QString& title, QWidget* parent, TitleButtons buttons = TitleButtons::Close,
               Qt::WindowFlags extraFlags = {});

    // The main window's Create entry: prepares the fields (prepare()), shows the form
    // modeless, raises and activates it. Choosing the entry again prepares it again.
    void open() override;

protected:
    // What opening does to the form's fields.
    virtual void prepare() {}

    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }
    // Centred on the screen each time it is shown.
    void setCentred(bool centred) { centred_ = centred; }
    // Fixes the size at what the layout needs with the fonts in use, and no smaller than
    // the designed client area (the area below the menu bar).
    void fixSizeNoSmallerThan(QSize designedClientArea);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* cancelButton_ = nullptr;
    bool centred_ = false;
};

// Puts a window in the middle of its screen.
void centreOnScreen(QWidget& window);

} // namespace vexa
