// Window messages beyond commands and timers: mouse, cursor, background,
// control colours and notifications, the reflection of a control's
// notifications back to the control, and the message-map rows that route them.
#pragma once

#include "platform/core/CPoint.h"
#include "platform/core/afxmsg.h"

#include <bit>

class CBrush;
class CDC;
class QCursor;
class QWidget;
using HCURSOR = QCursor*;
using HBRUSH = CBrush*;

constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
// What a control receives when its parent reflects its own notification to it.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
// The reflected control-colour message, whatever the control's kind.
constexpr UINT WM_CTLCOLOR = 0x0019;

constexpr UINT STN_CLICKED = 0;
constexpr DWORD SS_NOTIFY = 0x00000100;
constexpr DWORD SS_CENTERIMAGE = 0x00000200;
constexpr int CTLCOLOR_STATIC = 6;
constexpr UINT HTCLIENT = 1;
constexpr UINT MK_LBUTTON = 0x0001;

// RedrawWindow and SetWindowPos flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;

struct tagMSG {
    QWidget* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    tagPOINT pt{0, 0};
};
using MSG = tagMSG;

struct NMHDR {
    QWidget* hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

constexpr LPARAM MAKELPARAM(int lo, int hi)
{
    return static_cast<LPARAM>((static_cast<DWORD>(lo) & 0xffff) | ((static_cast<DWORD>(hi) & 0xffff) << 16));
}

// Handler shapes of the rows below (beside AfxSig_vv and AfxSig_vw).
constexpr int AfxSig_vwp = 100;      // void (UINT flags, CPoint point)
constexpr int AfxSig_bWww = 101;     // BOOL (CWnd*, UINT hitTest, UINT message)
constexpr int AfxSig_bD = 102;       // BOOL (CDC*)
constexpr int AfxSig_hDu = 103;      // HBRUSH (CDC*, UINT ctlColor)
constexpr int AfxSig_vNMHDRpl = 104; // void (NMHDR*, LRESULT*)

using AFX_PMSG_MOUSE = void (CWnd::*)(UINT, CPoint);
using AFX_PMSG_CURSOR = BOOL (CWnd::*)(CWnd*, UINT, UINT);
using AFX_PMSG_DC = BOOL (CWnd::*)(CDC*);
using AFX_PMSG_CTLCOLOR = HBRUSH (CWnd::*)(CDC*, UINT);
using AFX_PMSG_NOTIFY = void (CWnd::*)(NMHDR*, LRESULT*);

// Rows keep every handler as AFX_PMSG; the row's shape says how to call it.
#define TARNEX_MSG_ROW(msg, code, id, sig, type, fn) \
    {msg, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), sig, \
     std::bit_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn)), nullptr},

#define ON_WM_MOUSEMOVE() TARNEX_MSG_ROW(WM_MOUSEMOVE, 0, 0, AfxSig_vwp, AFX_PMSG_MOUSE, OnMouseMove)
#define ON_WM_SETCURSOR() TARNEX_MSG_ROW(WM_SETCURSOR, 0, 0, AfxSig_bWww, AFX_PMSG_CURSOR, OnSetCursor)
#define ON_WM_ERASEBKGND() TARNEX_MSG_ROW(WM_ERASEBKGND, 0, 0, AfxSig_bD, AFX_PMSG_DC, OnEraseBkgnd)
#define ON_WM_CTLCOLOR_REFLECT() \
    TARNEX_MSG_ROW(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, AfxSig_hDu, AFX_PMSG_CTLCOLOR, CtlColor)
#define ON_CONTROL_REFLECT(code, fn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::fn), nullptr},
#define ON_NOTIFY_REFLECT(code, fn) \
    TARNEX_MSG_ROW(WM_REFLECT_BASE + WM_NOTIFY, code, 0, AfxSig_vNMHDRpl, AFX_PMSG_NOTIFY, fn)
#define ON_NOTIFY(code, id, fn) TARNEX_MSG_ROW(WM_NOTIFY, code, id, AfxSig_vNMHDRpl, AFX_PMSG_NOTIFY, fn)

// The cursor shown over the window under the pointer; SetCursor returns the one before.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
void MessageBeep(UINT type);
// Beeps asked for so far, for tests.
int MessageBeepCount();
