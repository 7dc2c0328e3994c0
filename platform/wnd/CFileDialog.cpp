#include "platform/wnd/CFileDialog.h"

#include "platform/wnd/CWnd.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <string>
#include <vector>

namespace {

FileDialogHook& hookSlot()
{
    static FileDialogHook hook;
    return hook;
}

std::vector<std::string> splitBars(const std::string& s)
{
    std::vector<std::string> out;
    std::string cur;
    for (const char ch : s) {
        if (ch == '|') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    out.push_back(cur);
    return out;
}

std::string trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    return s;
}

bool hasWildcard(const CString& s) { return s.str().find_first_of("*?") != std::string::npos; }

}  // namespace

FileDialogHook AfxSetFileDialogHook(FileDialogHook hook)
{
    FileDialogHook old = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return old;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : m_open(bOpenFileDialog != FALSE),
      m_defExt(lpszDefExt ? lpszDefExt : ""),
      m_fileName(lpszFileName ? lpszFileName : ""),
      m_filter(lpszFilter ? lpszFilter : ""),
      m_parent(pParentWnd)
{
    m_ofn.Flags = dwFlags;
}

CFileDialog::~CFileDialog() = default;

CString CFileDialog::QtFilter(const char* mfcFilter)
{
    if (!mfcFilter || !*mfcFilter)
        return CString();
    // Pairs of description and patterns; the list ends at an empty field.
    const std::vector<std::string> f = splitBars(mfcFilter);
    std::string out;
    for (size_t i = 0; i + 1 < f.size(); i += 2) {
        if (f[i].empty())
            break;
        std::string desc = f[i];
        if (const auto open = desc.rfind('('); open != std::string::npos && desc.back() == ')')
            desc = trimmed(desc.substr(0, open));
        std::string pats = f[i + 1];
        for (char& ch : pats)
            if (ch == ';')
                ch = ' ';
        if (!out.empty())
            out += ";;";
        out += desc + " (" + trimmed(pats) + ")";
    }
    return CString(out.c_str());
}

CString CFileDialog::withDefaultExt(const CString& path) const
{
    if (m_open || m_defExt.IsEmpty() || path.IsEmpty())
        return path;
    const QFileInfo fi(QString::fromUtf8(path.GetString()));
    if (!fi.suffix().isEmpty())
        return path;
    CString out = path;
    out += ".";
    out += m_defExt;
    return out;
}

int CFileDialog::DoModal()
{
    FileDialogRequest req;
    req.open = m_open;
    req.defaultExt = m_defExt;
    req.fileName = m_fileName;
    req.flags = m_ofn.Flags;
    req.filter = m_filter;
    req.qtFilter = QtFilter(m_filter);
    req.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : (m_open ? "Open" : "Save As");

    CString chosen;
    if (const FileDialogHook& hook = hookSlot()) {
        if (!hook(req, chosen) || chosen.IsEmpty())
            return IDCANCEL;
        m_path = withDefaultExt(chosen);
        return IDOK;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return IDCANCEL;

    QFileDialog dlg(m_parent ? m_parent->GetSafeHwnd() : nullptr, QString::fromUtf8(req.title.GetString()));
    dlg.setAcceptMode(m_open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dlg.setFileMode(m_open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(m_ofn.Flags & OFN_OVERWRITEPROMPT))
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!m_defExt.IsEmpty())
        dlg.setDefaultSuffix(QString::fromUtf8(m_defExt.GetString()));
    const QStringList filters = QString::fromUtf8(req.qtFilter.GetString()).split(QStringLiteral(";;"),
                                                                                   Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        const int index = static_cast<int>(m_ofn.nFilterIndex) - 1;
        if (index >= 0 && index < filters.size())
            dlg.selectNameFilter(filters[index]);
    }
    if (m_ofn.lpstrInitialDir)
        dlg.setDirectory(QString::fromUtf8(m_ofn.lpstrInitialDir));
    // A name with wildcards ("*.*") is a pattern, not a name to propose.
    if (!m_fileName.IsEmpty() && !hasWildcard(m_fileName))
        dlg.selectFile(QString::fromUtf8(m_fileName.GetString()));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return IDCANCEL;
    m_path = CString(dlg.selectedFiles().first().toUtf8().constData());
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    return CString(QFileInfo(QString::fromUtf8(m_path.GetString())).fileName().toUtf8().constData());
}

CString CFileDialog::GetFileExt() const
{
    return CString(QFileInfo(QString::fromUtf8(m_path.GetString())).suffix().toUtf8().constData());
}

CString CFileDialog::GetFileTitle() const
{
    return CString(QFileInfo(QString::fromUtf8(m_path.GetString())).completeBaseName().toUtf8().constData());
}

CString CFileDialog::GetFolderPath() const
{
    if (m_path.IsEmpty())
        return CString();
    return CString(QFileInfo(QString::fromUtf8(m_path.GetString())).absolutePath().toUtf8().constData());
}
