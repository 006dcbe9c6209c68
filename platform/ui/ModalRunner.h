#pragma once
// The one way a modal window runs: through the seam, activated where no
// window system does it.

#include "ModalSeam.h"

class QDialog;

// The window's end code. In strict test mode without a script the window is
// ended at once with its cancel code (cancelCode).
int RunModal(QDialog& window, ModalRun run, int cancelCode);
