// Owner-drawn controls: the messages, records and styles with which a list
// box or a button lets its owner draw and measure its items. The framework
// reflects each message to the control's own DrawItem, MeasureItem or
// CompareItem, as MFC's message reflection does.
#pragma once

#include "platform/wnd/CWnd.h"

using ULONG_PTR = std::uintptr_t;

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_COMPAREITEM = 0x0039;

// Control types.
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;

// What to draw, and the item's state.
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;

// Button and list box styles, edit and list box messages.
constexpr DWORD BS_OWNERDRAW = 0x000B;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_USETABSTOPS = 0x0080;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_NOSEL = 0x4000;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LBN_SELCHANGE = 1;
constexpr int LB_ERR = -1;

#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;  // (UINT)-1 for an empty list
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    ULONG_PTR itemData;
};
using LPMEASUREITEMSTRUCT = MEASUREITEMSTRUCT*;

struct COMPAREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    HWND hwndItem;
    UINT itemID1;
    ULONG_PTR itemData1;
    UINT itemID2;
    ULONG_PTR itemData2;
    DWORD dwLocaleId;
};
using LPCOMPAREITEMSTRUCT = COMPAREITEMSTRUCT*;

// The overridable part of an owner-drawn control.
class COwnerDrawn {
public:
    virtual ~COwnerDrawn() = default;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) = 0;
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    virtual int CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
};

// Delivers WM_DRAWITEM, WM_MEASUREITEM or WM_COMPAREITEM for a control to the
// control object that owns its window. The result is CompareItem's for
// WM_COMPAREITEM, TRUE when delivered otherwise, 0 when nobody draws it.
LRESULT AfxReflectOwnerDraw(HWND control, UINT message, void* record);

// Makes a control's widget paint through its owner's DrawItem (a whole item,
// with its selection, focus and disabled state), for the widget's lifetime.
void AfxMakeOwnerDrawn(HWND control, UINT ctlType);
