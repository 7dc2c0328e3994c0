// A window: wraps a QWidget. GetDC gives a device context with the window's
// mapping (one unit a pixel, the window's resolution) that draws into the
// window's own surface, shown when the widget paints. Notifications of child
// controls and timers reach the handlers named in the window's message map.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/core/CRect.h"
#include "platform/core/afxmsg.h"
#include "platform/wnd/WndMessages.h"

#include <map>
#include <memory>

class QAbstractButton;
class QWidget;
class QImage;
class QTimer;
using HWND = QWidget*;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static const CRuntimeClass classRuntime;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* c) const { return GetRuntimeClass()->IsDerivedFrom(c); }

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    // Attaching makes this object the window's permanent one: GetDlgItem and
    // FromHandle return it. Detaching (or destroying the widget) undoes that.
    BOOL Attach(HWND w);
    HWND Detach();
    BOOL IsWindow() const noexcept { return m_hWnd != nullptr; }
    static CWnd* FromHandlePermanent(HWND w);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    virtual BOOL DestroyWindow();

    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;  // screen coordinates
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();

    // Text, state and children.
    void SetWindowText(const char* text);
    int GetWindowText(char* buffer, int maxCount) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int cmd);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const char* text);
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    // Timers repeat every elapse milliseconds until killed; each tick goes to
    // the WM_TIMER entry of the message map.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unusedProc);
    BOOL KillTimer(UINT_PTR id);
    bool HasTimer(UINT_PTR id) const { return m_timers.count(id) != 0; }

    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    // WM_COMMAND: the control id in the low word, the notification in the high.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR idEvent);
    // Handed to WindowProc: commands, timers and mapped messages go to the
    // message map; a control class answers its own queries.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Called by child controls: their notification goes to the nearest
    // ancestor window that has a CWnd.
    static void NotifyParent(QWidget* control, UINT code);
    // Gives a control widget the id GetDlgItem finds it by.
    static void AssignControlId(QWidget* control, int id);
    // A control class says how to wrap a widget of its kind, so that
    // GetDlgItem hands out a temporary object of that class without CWnd
    // knowing its subclasses. The factory returns null for other widgets.
    using TemporaryFactory = std::unique_ptr<CWnd> (*)(QWidget* widget);
    static bool RegisterTemporaryFactory(TemporaryFactory factory);

    // What GetDC contexts have drawn; the widget shows it when it paints.
    QImage* surface();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    BOOL dispatch(UINT message, UINT code, UINT id, UINT_PTR arg);
    // A window this object created and destroys with itself.
    void adoptWindow(HWND w);
    // Makes a freshly built control widget this object's window: its id,
    // its rectangle in the parent's client area, shown if the style says so.
    BOOL attachNewControl(QWidget* w, const RECT& rect, DWORD style, UINT id);
    // Sets a check box or radio button as CheckDlgButton and CButton do.
    static void setButtonChecked(QAbstractButton* button, bool checked);
    // Drops the temporary objects GetDlgItem made and detaches the permanent
    // ones of the children, before the children go.
    void releaseChildren();
    void dropTemporaries() const;

private:
    std::shared_ptr<QImage> m_surface;
    std::map<UINT_PTR, QTimer*> m_timers;
    mutable std::map<QWidget*, std::unique_ptr<CWnd>> m_temporaries;
    mutable std::unique_ptr<CFont> m_font;
    struct Links;
    std::unique_ptr<Links> m_links;
    bool m_ownsWindow = false;

    // ---- styles, subclassing and window messages ----
public:
    // The style the window was made or modified with; for a window made
    // elsewhere, what its widget shows (child, visible, text alignment).
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    // Attaches w and routes its mouse, cursor, click and colour events
    // through this object's message map; PreSubclassWindow runs first.
    BOOL SubclassWindow(HWND w);
    virtual void PreSubclassWindow();
    virtual BOOL PreTranslateMessage(MSG* msg);
    // The message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sends the notification to the control's own map first (reflection),
    // then to the nearest ancestor window's map.
    static LRESULT SendNotify(CWnd* control, NMHDR* hdr);
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags);
    // The nearest ancestor frame window, or null.
    class CFrameWnd* GetParentFrame() const;
    // The window with the keyboard focus: its nearest ancestor that has a
    // window object; null when the focus is nowhere or in no such window.
    static CWnd* GetFocus();
    // Default message handlers a derived handler passes on to.
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    // Dispatches one of the shapes of WndMessages.h; false when no row matched.
    bool dispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Turns the widget's mouse, cursor, click and paint events into messages.
    void routeEvents();
    friend class WndEventRouter;
};

// The device context of a window's client area, released by CWnd::ReleaseDC
// or by its destructor.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    std::unique_ptr<GdiBackend> m_painter;
};
