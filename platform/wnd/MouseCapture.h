// Mouse capture as the framework's windows have it: while a window holds the
// capture, every mouse event goes to it, even outside its client area.
#pragma once

#include "platform/core/afxtypes.h"

class QWidget;
using HWND = QWidget*;

// Gives w the capture and returns the window that held it (or null).
HWND SetCapture(HWND w);
// Ends the capture, whoever holds it.
BOOL ReleaseCapture();
// The window holding the capture, or null.
HWND GetCapture();
