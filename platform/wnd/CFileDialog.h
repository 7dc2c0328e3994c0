// The common open and save file dialog: MFC's filter string
// ("Desc|*.a;*.b|...||"), OFN_ flags and default extension over Qt's file
// dialog. A test hook answers it in place of a user.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/afxtypes.h"

#if __has_include("platform/core/afxmsg.h")
#include "platform/core/afxmsg.h"
#else
// Dialog results, until the dialog layer's message header supplies them.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
#endif

#include <functional>

class CWnd;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

// What a file dialog asks, as a hook sees it.
struct FileDialogRequest {
    bool open = true;
    CString defaultExt;   // without the dot; empty for none
    CString fileName;     // the initial text of the name box
    DWORD flags = 0;
    CString filter;       // the MFC form, as given
    CString qtFilter;     // the same as Qt's "Desc (*.a *.b);;..." form
    CString title;
};

// Answers a dialog: true for OK with the chosen path in path, false for Cancel.
using FileDialogHook = std::function<bool(const FileDialogRequest&, CString& path)>;

// Installs a hook and returns the one it replaces; an empty hook removes it.
FileDialogHook AfxSetFileDialogHook(FileDialogHook hook);

class CFileDialog {
public:
    // The part of the framework's OPENFILENAME record a host may set before
    // DoModal.
    struct OpenFileName {
        DWORD Flags = 0;
        DWORD nFilterIndex = 1;  // 1-based, as on Windows
        const char* lpstrTitle = nullptr;
        const char* lpstrInitialDir = nullptr;
    };

    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog();
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, IDCANCEL otherwise. Without a hook on
    // a display nobody can answer (the offscreen platform) the dialog is
    // cancelled at once, so that an unattended run never hangs.
    virtual int DoModal();

    CString GetPathName() const { return m_path; }
    CString GetFileName() const;   // name with extension
    CString GetFileExt() const;    // extension without the dot
    CString GetFileTitle() const;  // name without extension
    CString GetFolderPath() const;

    // MFC filter string to Qt's form; a description's own "(…)" suffix is
    // replaced by the patterns, as Qt reads patterns from the parentheses.
    static CString QtFilter(const char* mfcFilter);

    OpenFileName m_ofn;

private:
    // The default extension added to a name typed without one (save mode).
    CString withDefaultExt(const CString& path) const;

    bool m_open;
    CString m_defExt;
    CString m_fileName;
    CString m_filter;
    CWnd* m_parent;
    CString m_path;
};
