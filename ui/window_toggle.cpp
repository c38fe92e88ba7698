#include "ui/window_toggle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velt {

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void ShowInFront(QWidget *window)
{
    // Centred the first time it is shown; afterwards it stays where the
    // user put it.
    if (!window->property("velt-placed").toBool()) {
        CentreOnScreen(window);
        window->setProperty("velt-placed", true);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void ToggleWindow(QWidget *window)
{
    if (window->isVisible())
        window->close();
    else
        ShowInFront(window);
}

}  // namespace velt
