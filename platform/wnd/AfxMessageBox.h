// Message boxes that a test can watch and answer: with a hook installed,
// every box goes to it (text, caption, type) and its answer is the box's
// result; without one a real modal box is shown.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/afxmsg.h"

#include <functional>

struct MessageBoxCall {
    CString text;
    CString caption;
    UINT type = MB_OK;
};

using MessageBoxHook = std::function<int(const MessageBoxCall&)>;

// Installs a hook and returns the one it replaces; an empty hook removes it.
MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook);

// The caption is the application's name when none is given. On a display
// nobody can answer (the offscreen platform) an unhooked box is answered with
// its first button at once, so that an unattended run never hangs.
int AfxShowMessageBox(const char* text, const char* caption, UINT type);
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
