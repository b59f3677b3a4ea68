#include "gui/forms/form_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace vexa {

namespace {

bool isEscape(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier;
}

} // namespace

Qt::WindowFlags titleFlags(TitleButtons buttons)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (buttons == TitleButtons::CloseAndMinimize)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void CentredDialog::showEvent(QShowEvent* event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

void CentredDialog::keyPressEvent(QKeyEvent* event)
{
    if (isEscape(*event))
        return;
    QDialog::keyPressEvent(event);
}

FormWindow::FormWindow(const char* name, const QString& title, QWidget* parent, TitleButtons buttons,
                       Qt::WindowFlags extraFlags)
    : QDialog(parent, titleFlags(buttons) | extraFlags)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    setModal(false);
}

void FormWindow::open()
{
    prepare();
    show();
    raise();
    activateWindow();
}

void FormWindow::setDefaultButton(QPushButton* button)
{
    button->setDefault(true);
}

void FormWindow::fixSizeNoSmallerThan(QSize designedClientArea)
{
    const QWidget* menuBar = layout() ? layout()->menuBar() : nullptr;
    const int menuHeight = menuBar ? menuBar->sizeHint().height() : 0;
    const QSize needed = sizeHint();
    setFixedSize(std::max(needed.width(), designedClientArea.width()),
                 std::max(needed.height(), designedClientArea.height() + menuHeight));
}

void FormWindow::showEvent(QShowEvent* event)
{
    if (centred_)
        centreOnScreen(*this);
    QDialog::showEvent(event);
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (isEscape(*event)) {
        if (cancelButton_)
            cancelButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vexa
