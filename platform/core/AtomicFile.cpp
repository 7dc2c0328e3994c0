#include "platform/core/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_deferSync{false};

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link); a dangling link names the file to create. Refused past 40 links,
// the kernel's own limit.
bool resolveLinks(std::string& path, CString& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::string link(4096, '\0');
        const ssize_t n = readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<size_t>(n) >= link.size()) {
            error.Format("cannot follow the link %s", path.c_str());
            return false;
        }
        link.resize(static_cast<size_t>(n));
        path = link[0] == '/' ? link : folderOf(path) + "/" + link;
    }
    error.Format("too many levels of links at %s", path.c_str());
    return false;
}

std::string randomSuffix()
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 gen(std::random_device{}());
    std::string s(8, 'x');
    for (char& c : s)
        c = kChars[gen() % (sizeof kChars - 1)];
    return s;
}

// Checks an existing target: a folder, a device or a read-only file is not
// replaced. Sets mode to the target's permission bits when it exists.
bool checkTarget(const std::string& path, const char* shown, unsigned& mode, bool& exists, CString& error)
{
    struct stat st {};
    exists = stat(path.c_str(), &st) == 0;
    if (!exists) {
        if (errno == ENOENT)
            return true;
        error.Format("cannot write %s: %s", shown, std::strerror(errno));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error.Format("cannot write %s: is a directory", shown);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error.Format("cannot write %s: not a regular file", shown);
        return false;
    }
    // Write bits, not access(): the superuser may write anything, but a
    // file its owner made read-only is kept as the owner wants.
    if ((st.st_mode & 0222) == 0) {
        error.Format("cannot write %s: the file is read-only", shown);
        return false;
    }
    mode = st.st_mode & 07777;
    return true;
}

}  // namespace

AtomicFile::AtomicFile(const char* targetPath) : m_target(targetPath ? targetPath : "")
{
    if (m_target.IsEmpty()) {
        m_error = "no output file named";
        return;
    }
    std::string path(m_target.GetString());
    if (!resolveLinks(path, m_error))
        return;
    m_final = CString(path);
    const size_t slash = path.rfind('/');
    if (path.size() - (slash == std::string::npos ? 0 : slash + 1) > kMaxNameBytes) {
        m_error.Format("cannot write %s: the name is longer than %zu bytes", m_target.GetString(), kMaxNameBytes);
        return;
    }
    bool exists = false;
    if (!checkTarget(path, m_target.GetString(), m_mode, exists, m_error))
        return;
    const std::string folder = folderOf(path);
#ifdef O_TMPFILE
    // The creation mode goes through the process's umask, as a new file's would.
    m_fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
        const std::string name = folder + "/.tarnex-" + randomSuffix();
        m_fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            m_temp = CString(name);
        else if (errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_error.Format("cannot write beside %s: %s", m_target.GetString(), std::strerror(errno));
        return;
    }
    if (!exists)
        m_mode = 0;  // keep the mode the creation gave
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (!m_committed && !m_temp.IsEmpty())
        unlink(m_temp.GetString());
    m_temp.Empty();
}

bool AtomicFile::fail(const char* what, int err)
{
    m_error.Format("cannot write %s: %s%s", m_target.GetString(), what, err ? std::strerror(err) : "");
    discard();
    return false;
}

bool AtomicFile::Append(const void* data, size_t size)
{
    if (m_fd < 0) {
        if (m_error.IsEmpty())
            m_error.Format("cannot write %s: the file is closed", m_target.GetString());
        return false;
    }
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(m_fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail("", n < 0 ? errno : ENOSPC);
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool AtomicFile::Commit(bool allowEmpty)
{
    if (m_fd < 0) {
        if (m_error.IsEmpty())
            m_error.Format("cannot write %s: nothing to commit", m_target.GetString());
        return false;
    }
    struct stat st {};
    if (fstat(m_fd, &st) != 0)
        return fail("", errno);
    if (st.st_size == 0 && !allowEmpty) {
        m_error.Format("nothing was written for %s", m_target.GetString());
        discard();
        return false;
    }
    if (m_mode != 0 && fchmod(m_fd, m_mode) != 0)
        return fail("", errno);
    const bool sync = !g_deferSync.load(std::memory_order_relaxed);
    if (sync && fsync(m_fd) != 0)
        return fail("", errno);
    if (m_temp.IsEmpty()) {
        // Give the unnamed file a name only now, beside the target.
        const std::string folder = folderOf(m_final.GetString());
        const std::string proc = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100 && m_temp.IsEmpty(); ++attempt) {
            const std::string name = folder + "/.tarnex-" + randomSuffix();
            if (linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                m_temp = CString(name);
            else if (errno != EEXIST)
                return fail("", errno);
        }
        if (m_temp.IsEmpty())
            return fail("", EEXIST);
    }
    if (close(m_fd) != 0) {
        m_fd = -1;
        return fail("", errno);
    }
    m_fd = -1;
    if (std::rename(m_temp.GetString(), m_final.GetString()) != 0)
        return fail("", errno);
    m_committed = true;
    m_temp.Empty();
    // The rename itself is on disk only once the folder is.
    const int dir = sync ? open(folderOf(m_final.GetString()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void AtomicFile::DeferSync(bool defer) noexcept { g_deferSync.store(defer); }

bool AtomicFile::SyncFileSystem(const char* folder, CString& error)
{
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || syncfs(fd) != 0) {
        error.Format("cannot sync %s to disk: %s", folder, std::strerror(errno));
        if (fd >= 0)
            close(fd);
        return false;
    }
    close(fd);
    return true;
}

bool AtomicFile::CheckWritable(const char* path, CString& error)
{
    if (!path || !*path) {
        error = "no output file named";
        return false;
    }
    std::string p(path);
    if (!resolveLinks(p, error))
        return false;
    unsigned mode = 0;
    bool exists = false;
    if (!checkTarget(p, path, mode, exists, error))
        return false;
    const std::string folder = folderOf(p);
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error.Format("cannot write %s: no folder %s", path, folder.c_str());
        return false;
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        error.Format("cannot write %s: %s", path, std::strerror(errno));
        return false;
    }
    return true;
}

bool AtomicFile::Write(const char* path, const std::function<bool(std::FILE*)>& body, CString& error)
{
    AtomicFile file(path);
    if (file.Handle() < 0) {
        error = file.Error();
        return false;
    }
    const int fd = dup(file.Handle());
    std::FILE* f = fd >= 0 ? fdopen(fd, "w") : nullptr;
    if (!f) {
        if (fd >= 0)
            close(fd);
        error.Format("cannot write %s: %s", path, std::strerror(errno));
        return false;
    }
    bool ok = body(f);
    ok = std::fflush(f) == 0 && !std::ferror(f) && ok;
    const int err = errno;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        error.Format("cannot write %s: %s", path, std::strerror(err ? err : EIO));
        return false;
    }
    if (!file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}

bool AtomicFile::WriteBytes(const char* path, std::string_view bytes, CString& error)
{
    AtomicFile file(path);
    if (file.Handle() < 0 || !file.Append(bytes.data(), bytes.size()) || !file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}
