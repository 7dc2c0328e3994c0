// How the studio's windows tell the user that something failed: through the
// window's hook when a test set one, on stderr offscreen, else in a message box.
#pragma once

#include "platform/core/CString.h"

#include <functional>

class QWidget;

// A data reader's complaint in the user's language, its "file:line: " kept
// and its arguments (names, numbers, the system's reason) as the reader gave
// them; any other message as it is.
CString InUserLanguage(const CString& message);

// Shows message in the user's language.
void ShowStudioError(QWidget* parent, const std::function<void(const CString&)>& hook, const CString& message);
