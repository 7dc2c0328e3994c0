// The common colour dialog over Qt's colour chooser: an initial colour, CC_
// flags, the chosen colour after OK. A test hook answers it in place of a user.
#pragma once

#include "platform/core/afxmsg.h"

#include <functional>

class CWnd;

constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;
constexpr DWORD CC_ANYCOLOR = 0x00000100;

// What a colour dialog asks, as a hook sees it.
struct ColorDialogRequest {
    COLORREF initial = 0;
    DWORD flags = 0;
};

// Answers a dialog: true for OK with the chosen colour in colour, false for Cancel.
using ColorDialogHook = std::function<bool(const ColorDialogRequest&, COLORREF& colour)>;

// Installs a hook and returns the one it replaces; an empty hook removes it.
ColorDialogHook AfxSetColorDialogHook(ColorDialogHook hook);

class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog();
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK when the user chose a colour, IDCANCEL otherwise. Without a hook
    // on a display nobody can answer (the offscreen platform) the dialog is
    // cancelled at once, so that an unattended run never hangs.
    virtual INT_PTR DoModal();
    // The chosen colour after OK, the initial one before.
    COLORREF GetColor() const noexcept { return m_color; }

    // The part of the framework's CHOOSECOLOR record a host may set.
    struct ChooseColor {
        COLORREF rgbResult = 0;
        DWORD Flags = 0;
    } m_cc;

private:
    COLORREF m_color;
    CWnd* m_parent;
};
