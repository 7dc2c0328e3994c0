// Runs an axis's parameter dialog with this library's resources current:
// the values go in, and come back only if the user ends with OK.
#pragma once

#include "frame/CModuleResGuard.h"
#include "platform/core/afxmsg.h"

// copy(to, from) moves the exchanged values between the object and the
// dialog, which name them alike. True when the dialog ended with OK.
template <class Dialog, class Object, class Copy>
bool RunParameterDialog(Object& object, Copy copy)
{
    CModuleResGuard guard;
    Dialog dlg(nullptr);
    copy(dlg, object);
    if (dlg.DoModal() != IDOK)
        return false;
    copy(object, dlg);
    return true;
}
