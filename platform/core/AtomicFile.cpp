#include "platform/core/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
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
bool checkStat(const struct stat& st, const char* shown, CString& error)
{
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
    return true;
}

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
    if (!checkStat(st, shown, error))
        return false;
    mode = st.st_mode & 07777;
    return true;
}

// The named temporaries of the writers that are open, for a signal handler
// that removes them before the process ends. A slot holds its folder's
// handle (-1: free, -2: being filled) and the name inside that folder.
constexpr int kSlots = 4096;
struct TemporarySlot {
    std::atomic<int> folder{-1};
    char name[32] = {};
};
TemporarySlot g_slots[kSlots];
std::atomic<int> g_naming{0};      // threads between deciding to name a temporary and registering it
std::atomic<bool> g_ending{false}; // RemoveTemporaries ran: no new names
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

// Held while a temporary gets a name: the stop signals wait on this thread,
// and RemoveTemporaries (on another) waits until the name is registered.
class NamingScope {
public:
    NamingScope()
    {
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGINT);
        sigaddset(&stops, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stops, &m_old);
        g_naming.fetch_add(1);
    }
    ~NamingScope()
    {
        g_naming.fetch_sub(1);
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    NamingScope(const NamingScope&) = delete;
    NamingScope& operator=(const NamingScope&) = delete;
    static bool Ending() noexcept { return g_ending.load(); }

private:
    sigset_t m_old;
};

int registerTemporary(int folder, const std::string& name)
{
    static std::atomic<unsigned> hint{0};
    const unsigned first = hint.fetch_add(1);
    for (int k = 0; k < kSlots; ++k) {
        TemporarySlot& slot = g_slots[(first + static_cast<unsigned>(k)) % kSlots];
        int freeSlot = -1;
        if (slot.folder.compare_exchange_strong(freeSlot, -2)) {
            std::memcpy(slot.name, name.c_str(), std::min(name.size() + 1, sizeof slot.name));
            slot.name[sizeof slot.name - 1] = '\0';
            slot.folder.store(folder);
            return static_cast<int>(&slot - g_slots);
        }
    }
    return -1;
}

void unregisterTemporary(int& slot)
{
    if (slot >= 0)
        g_slots[slot].folder.store(-1);
    slot = -1;
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
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    m_dir = ::open(folderOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_dir < 0) {
        m_error.Format("cannot write beside %s: %s", m_target.GetString(), std::strerror(errno));
        return;
    }
    openTemporary(name.c_str(), false);
}

AtomicFile::AtomicFile(int folder, const char* name, const char* shown)
    : m_target(shown ? shown : (name ? name : "")), m_final(m_target)
{
    const std::string n = name ? name : "";
    if (n.empty() || n == "." || n == ".." || n.find('/') != std::string::npos) {
        m_error.Format("cannot write %s: not a file name", m_target.GetString());
        return;
    }
    m_dir = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (m_dir < 0) {
        m_error.Format("cannot write beside %s: %s", m_target.GetString(), std::strerror(errno));
        return;
    }
    openTemporary(n.c_str(), true);
}

void AtomicFile::openTemporary(const char* name, bool inFolder)
{
    if (std::strlen(name) > kMaxNameBytes) {
        m_error.Format("cannot write %s: the name is longer than %zu bytes", m_target.GetString(), kMaxNameBytes);
        return;
    }
    m_name = name;
    // The target as it is, never what a link at its place names: a link is
    // replaced by the new file (a path's links were resolved before).
    struct stat st {};
    bool exists = fstatat(m_dir, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT) {
        m_error.Format("cannot write %s: %s", m_target.GetString(), std::strerror(errno));
        return;
    }
    if (exists && S_ISLNK(st.st_mode) && inFolder)
        exists = false;
    if (exists) {
        if (!checkStat(st, m_target.GetString(), m_error))
            return;
        m_mode = st.st_mode & 07777;
        m_uid = static_cast<long>(st.st_uid);
        m_gid = static_cast<long>(st.st_gid);
    }
#ifdef O_TMPFILE
    // The creation mode goes through the process's umask, as a new file's
    // would. TARNEX_NO_TMPFILE takes the way of file systems without it.
    if (!std::getenv("TARNEX_NO_TMPFILE"))
        m_fd = openat(m_dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    int err = errno;
    for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
        const std::string temp = ".tarnex-" + randomSuffix();
        NamingScope naming;
        if (NamingScope::Ending()) {
            err = EINTR;
            break;
        }
        m_slot = registerTemporary(m_dir, temp);
        if (m_slot < 0) {
            err = EMFILE;
            break;
        }
        m_fd = openat(m_dir, temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
        err = errno;
        if (m_fd >= 0) {
            m_temp = temp;
            break;
        }
        unregisterTemporary(m_slot);
        if (err != EEXIST)
            break;
    }
    if (m_fd < 0)
        m_error.Format("cannot write beside %s: %s", m_target.GetString(), std::strerror(err));
}

AtomicFile::~AtomicFile()
{
    discard();
    if (m_dir >= 0)
        close(m_dir);
}

void AtomicFile::discard()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (!m_committed && !m_temp.empty())
        unlinkat(m_dir, m_temp.c_str(), 0);
    unregisterTemporary(m_slot);
    m_temp.clear();
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

// Gives the unnamed temporary a name beside the target, registered so that
// RemoveTemporaries finds it.
bool AtomicFile::nameTemporary()
{
    const std::string proc = "/proc/self/fd/" + std::to_string(m_fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = ".tarnex-" + randomSuffix();
        NamingScope naming;
        if (NamingScope::Ending())
            return fail("", EINTR);
        m_slot = registerTemporary(m_dir, temp);
        if (m_slot < 0)
            return fail("", EMFILE);
        if (linkat(AT_FDCWD, proc.c_str(), m_dir, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            m_temp = temp;
            return true;
        }
        const int err = errno;
        unregisterTemporary(m_slot);
        if (err != EEXIST)
            return fail("", err);
    }
    return fail("", EEXIST);
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
    // The replaced file's owner and group where this user may give them
    // (the superuser; a group the user belongs to); else the writer's.
    if (m_uid >= 0 && (static_cast<long>(st.st_uid) != m_uid || static_cast<long>(st.st_gid) != m_gid)) {
        if (fchown(m_fd, static_cast<uid_t>(m_uid), static_cast<gid_t>(m_gid)) != 0)
            (void)!fchown(m_fd, static_cast<uid_t>(-1), static_cast<gid_t>(m_gid));
        // A change of owner may clear the set-id bits: give the mode again.
        if (m_mode != 0 && fchmod(m_fd, m_mode) != 0)
            return fail("", errno);
    }
    const bool sync = !g_deferSync.load(std::memory_order_relaxed);
    if (sync && fsync(m_fd) != 0)
        return fail("", errno);
    if (m_temp.empty() && !nameTemporary())
        return false;
    if (close(m_fd) != 0) {
        m_fd = -1;
        return fail("", errno);
    }
    m_fd = -1;
    if (renameat(m_dir, m_temp.c_str(), m_dir, m_name.c_str()) != 0)
        return fail("", errno);
    m_committed = true;
    m_temp.clear();
    unregisterTemporary(m_slot);
    // The rename itself is on disk only once the folder is.
    const int dir = sync ? openat(m_dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void AtomicFile::RemoveTemporaries() noexcept
{
    g_ending.store(true);
    // A thread naming a temporary registers it before this goes on.
    while (g_naming.load() > 0) {
    }
    for (TemporarySlot& slot : g_slots) {
        const int folder = slot.folder.load();
        if (folder >= 0)
            unlinkat(folder, slot.name, 0);
    }
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
