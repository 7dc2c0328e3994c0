// A static text control: a label that wraps its text within its rectangle.
#pragma once

#include "platform/wnd/CWnd.h"

class CStatic : public CWnd {
public:
    DECLARE_DYNAMIC(CStatic)

    static QWidget* CreateWidget(DWORD style, const char* text, QWidget* parent);
};
