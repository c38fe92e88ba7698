#include "ui/window_toggle.h"

#include <QWidget>

namespace velt {

void ShowInFront(QWidget *window)
{
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
