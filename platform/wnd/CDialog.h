// A dialog built from a template of the current resource module: controls at
// their rectangles in dialog units, their styles, captions and list data.
// DoModal runs it; a test can script what the user does during the run.
#pragma once

#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CWnd.h"

#include <functional>

class QDialog;
struct DialogTemplate;

class CDialog : public CWnd {
public:
    DECLARE_DYNAMIC(CDialog)

    CDialog();
    explicit CDialog(UINT idTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template is not found.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Dialog units to pixels with the template font's average character size.
    void MapDialogRect(LPRECT rect) const;
    UINT TemplateId() const noexcept { return m_nIDTemplate; }

    // A user's part in the next modal run: called once the dialog shows,
    // inside its run. A script that leaves the dialog open cancels it.
    using ModalScript = std::function<void(CDialog&)>;
    static void ScriptNextModal(ModalScript script);
    static int PendingModalScripts();
    static void ClearModalScripts();
    // Runs a script left open, and unscripted runs on a display nobody can
    // answer (the offscreen platform), which end at once with Cancel.
    static int ModalRunsCancelledForNobody();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The window of the dialog, built from the template by default.
    virtual QDialog* CreateDialogWindow(QWidget* parent);
    // Average character width and height of the template font, in pixels.
    int m_baseUnitX = 0;
    int m_baseUnitY = 0;
    // Fills parent with the template's controls, in dialog units.
    void buildControls(const DialogTemplate& t, QWidget* parent);
    // An empty dialog window whose Escape and close are this dialog's Cancel.
    QDialog* newDialogWindow(QWidget* parent);

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate = 0;
    int m_nModalResult = -1;
    bool m_ended = false;
};
