#pragma once

class QWidget;

namespace velt {

// A visible window is hidden; a hidden one is shown, non-modal, in front.
void ToggleWindow(QWidget *window);
// Moves a window to the middle of its screen.
void CentreOnScreen(QWidget *window);
// Shows a window, or brings it to the front when it is already visible.
void ShowInFront(QWidget *window);

}  // namespace velt
