// The font dialog: face, style, size and effects from Qt's font chooser, and
// a text colour, read from and written to a LOGFONT and a COLORREF. Heights
// are screen pixels (negative = character height), as the framework has them.
#pragma once

#include "platform/wnd/CDialog.h"

#include <QFont>

class QFontDialog;
class QComboBox;

constexpr DWORD CF_SCREENFONTS = 0x1;
constexpr DWORD CF_EFFECTS = 0x100;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x40;

// Control ids of the font dialog's own controls.
constexpr int kFontFaceCombo = 1136;
constexpr int kFontColorCombo = 1139;
constexpr int kFontSampleText = 1093;

struct CHOOSEFONT {
    DWORD Flags = 0;
    LOGFONT* lpLogFont = nullptr;
    COLORREF rgbColors = RGB(0, 0, 0);
    int iPointSize = 0;  // tenths of a point, after OK
};

class CFontDialog : public CDialog {
public:
    DECLARE_DYNAMIC(CFontDialog)

    explicit CFontDialog(LOGFONT* plfInitial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    ~CFontDialog() override;

    CHOOSEFONT m_cf;
    LOGFONT m_lf;

    // While the dialog runs, the font its controls show; afterwards the one chosen.
    void GetCurrentFont(LOGFONT* lf) const;
    COLORREF GetColor() const;
    CString GetFaceName() const;
    int GetSize() const;  // tenths of a point
    BOOL IsBold() const { return m_lf.lfWeight >= FW_BOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic ? TRUE : FALSE; }

    // For scripted runs: what a user would pick in the controls.
    void SelectFont(const LOGFONT& lf);
    void SelectColor(COLORREF color);

protected:
    QDialog* CreateDialogWindow(QWidget* parent) override;
    void OnOK() override;

public:
    BOOL DestroyWindow() override;

private:
    LOGFONT chosenFont() const;
    COLORREF chosenColor() const;
    LOGFONT m_initial;
    QFont m_shownFirst;  // what the chooser showed for the initial font
    QFontDialog* m_chooser = nullptr;
    QComboBox* m_colors = nullptr;
};
