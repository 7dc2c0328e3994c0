// How the studio's windows tell the user that something failed: through the
// window's hook when a test set one, on stderr offscreen, else in a message box.
#pragma once

#include "platform/core/CString.h"

#include <functional>

class QWidget;

void ShowStudioError(QWidget* parent, const std::function<void(const CString&)>& hook, const CString& message);
