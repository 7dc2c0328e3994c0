#include "platform/wnd/ShellOpen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

struct RegKeyData {
    std::string value;
    bool root = false;
};

namespace {

// Association files are small; anything larger is not read.
constexpr qint64 kMaxAssocFileBytes = 1 << 20;
constexpr int kOpenerWaitMs = 5000;

std::vector<pid_t>& unreaped()
{
    static std::vector<pid_t> pids;
    return pids;
}

// Children that outlived their wait are collected on later calls.
void reapFinished()
{
    auto& pids = unreaped();
    for (size_t i = 0; i < pids.size();) {
        int status = 0;
        if (waitpid(pids[i], &status, WNOHANG) != 0)
            pids.erase(pids.begin() + static_cast<long>(i));
        else
            ++i;
    }
}

int errnoToCode(int e)
{
    switch (e) {
    case ENOENT: return SE_ERR_FNF;
    case ENOTDIR: return SE_ERR_PNF;
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    case ENOMEM:
    case EAGAIN: return SE_ERR_OOM;
    case ENOEXEC: return 11;
    default: return 1;
    }
}

int spawn(const std::vector<std::string>& args, pid_t& pid)
{
    if (args.empty() || args[0].empty())
        return SE_ERR_FNF;
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    return rc == 0 ? 0 : errnoToCode(rc);
}

QString env(const char* name, const QString& fallback)
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? fallback : QString::fromLocal8Bit(v);
}

QStringList configDirs()
{
    QStringList dirs{env("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"))};
    dirs += env("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return dirs;
}

QStringList applicationDirs()
{
    QStringList dirs{env("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share")) +
                     QStringLiteral("/applications")};
    for (const QString& d :
         env("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

// The lines of a key-file section, or none when the file is missing or too large.
QStringList sectionLines(const QString& path, const QString& section)
{
    QFile f(path);
    if (f.size() > kMaxAssocFileBytes || !f.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    QStringList out;
    bool in = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            in = line == QLatin1Char('[') + section + QLatin1Char(']');
        else if (in && !line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            out << line;
    }
    return out;
}

QString valueOf(const QStringList& lines, const QString& key)
{
    for (const QString& l : lines) {
        const int eq = l.indexOf(QLatin1Char('='));
        if (eq > 0 && l.left(eq).trimmed() == key)
            return l.mid(eq + 1).trimmed();
    }
    return {};
}

QString desktopFile(const QString& id)
{
    for (const QString& dir : applicationDirs()) {
        const QString p = dir + QLatin1Char('/') + id;
        if (QFileInfo(p).isFile())
            return p;
    }
    return {};
}

// The desktop's default program for a MIME type: the first listed entry
// that exists, from the default lists, then the added associations.
QString defaultApplication(const QString& mime)
{
    QStringList lists;
    for (const QString& d : configDirs())
        lists << d + QStringLiteral("/mimeapps.list");
    for (const QString& d : applicationDirs())
        lists << d + QStringLiteral("/mimeapps.list");
    for (const char* section : {"Default Applications", "Added Associations"}) {
        for (const QString& list : lists) {
            const QString ids = valueOf(sectionLines(list, QString::fromLatin1(section)), mime);
            for (const QString& id : ids.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                if (!desktopFile(id.trimmed()).isEmpty())
                    return id.trimmed();
        }
    }
    for (const QString& d : applicationDirs()) {
        const QString ids = valueOf(sectionLines(d + QStringLiteral("/mimeinfo.cache"), QStringLiteral("MIME Cache")), mime);
        for (const QString& id : ids.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!desktopFile(id.trimmed()).isEmpty())
                return id.trimmed();
    }
    return {};
}

// A desktop entry's Exec line in the registry's form: the file and address
// field codes become the "%1" placeholder, "%%" a percent sign, and the
// codes for icon, name and entry file are dropped.
std::string commandOf(const QString& id)
{
    const QString exec = valueOf(sectionLines(desktopFile(id), QStringLiteral("Desktop Entry")), QStringLiteral("Exec"));
    QString out;
    for (int i = 0; i < exec.size(); ++i) {
        if (exec[i] != QLatin1Char('%') || i + 1 >= exec.size()) {
            out += exec[i];
            continue;
        }
        const QChar c = exec[++i];
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        else if (QStringLiteral("fFuU").contains(c))
            out += QStringLiteral("%1");
    }
    return out.trimmed().toStdString();
}

QString mimeOfExtension(const std::string& ext)
{
    if (ext == ".htm" || ext == ".html")
        return QStringLiteral("text/html");
    return {};
}

// Words of a command line: blanks separate, double quotes group, a
// backslash before a quote keeps the quote.
std::vector<std::string> splitCommandLine(const std::string& s)
{
    std::vector<std::string> words;
    std::string cur;
    bool inQuotes = false, any = false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\' && i + 1 < s.size() && s[i + 1] == '"') {
            cur += '"';
            ++i;
            any = true;
        } else if (c == '"') {
            inQuotes = !inQuotes;
            any = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (any)
                words.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any)
        words.push_back(cur);
    return words;
}

}  // namespace

HKEY RegClassesRoot()
{
    static RegKeyData root{std::string(), true};
    return &root;
}

LONG RegOpenKeyEx(HKEY key, LPCTSTR subkey, DWORD, DWORD, HKEY* result)
{
    if (!key || !key->root || !subkey || !result)
        return ERROR_INVALID_PARAMETER;
    const std::string name(subkey);
    std::string value;
    static const std::string kCommand = "\\shell\\open\\command";
    if (!name.empty() && name[0] == '.') {
        const QString mime = mimeOfExtension(name);
        value = mime.isEmpty() ? std::string() : defaultApplication(mime).toStdString();
    } else if (name.size() > kCommand.size() && name.compare(name.size() - kCommand.size(), kCommand.size(), kCommand) == 0) {
        value = commandOf(QString::fromStdString(name.substr(0, name.size() - kCommand.size())));
    }
    if (value.empty())
        return ERROR_FILE_NOT_FOUND;
    *result = new RegKeyData{value, false};
    return ERROR_SUCCESS;
}

LONG RegQueryValue(HKEY key, LPCTSTR subkey, LPTSTR value, LONG* size)
{
    if (!key || key->root || (subkey && *subkey) || !size || *size < 0)
        return ERROR_INVALID_PARAMETER;
    const LONG need = static_cast<LONG>(key->value.size() + 1);
    if (!value) {
        *size = need;
        return ERROR_SUCCESS;
    }
    if (need > *size) {
        *size = need;
        return ERROR_MORE_DATA;
    }
    std::memcpy(value, key->value.c_str(), static_cast<size_t>(need));
    *size = need;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (!key || key->root)
        return ERROR_INVALID_PARAMETER;
    delete key;
    return ERROR_SUCCESS;
}

HINSTANCE ShellExecute(QWidget*, LPCTSTR operation, LPCTSTR file, LPCTSTR, LPCTSTR, int)
{
    reapFinished();
    const auto result = [](int code) { return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code)); };
    if (operation && std::strcmp(operation, "open") != 0)
        return result(SE_ERR_NOASSOC);
    if (!file)
        return result(SE_ERR_FNF);
    pid_t pid = 0;
    if (const int err = spawn({"xdg-open", file}, pid))
        return result(err);
    // xdg-open says 2 for a missing file, 3 for a missing tool, 4 when the
    // program it chose failed.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kOpenerWaitMs);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (!WIFEXITED(status))
                return result(1);
            switch (WEXITSTATUS(status)) {
            case 0: return result(42);
            case 2: return result(SE_ERR_FNF);
            case 3:
            case 4: return result(SE_ERR_NOASSOC);
            default: return result(1);
            }
        }
        if (done < 0)
            return result(42);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    unreaped().push_back(pid);
    return result(42);
}

UINT WinExecWithArgument(LPCTSTR cmdLine, int argumentStart, UINT)
{
    reapFinished();
    if (!cmdLine)
        return SE_ERR_FNF;
    const std::string line(cmdLine);
    const size_t cut = argumentStart < 0 ? line.size() : std::min(line.size(), static_cast<size_t>(argumentStart));
    std::vector<std::string> args = splitCommandLine(line.substr(0, cut));
    if (cut < line.size())
        args.push_back(line.substr(cut));
    pid_t pid = 0;
    if (const int err = spawn(args, pid))
        return static_cast<UINT>(err);
    unreaped().push_back(pid);
    return 33;
}

UINT WinExec(LPCTSTR cmdLine, UINT showCmd) { return WinExecWithArgument(cmdLine, -1, showCmd); }
