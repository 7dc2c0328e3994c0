#include "platform/core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

AtomicFile::AtomicFile(const char* targetPath) : m_target(targetPath ? targetPath : "")
{
    if (m_target.IsEmpty()) {
        m_error = "no output file named";
        return;
    }
    // mkstemp both picks an unused name and proves the folder is writable.
    std::string pattern = std::string(m_target.GetString()) + ".tmp-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        m_error.Format("cannot write beside %s: %s", m_target.GetString(), std::strerror(errno));
        return;
    }
    close(fd);
    m_temp = CString(pattern);
}

AtomicFile::~AtomicFile()
{
    if (!m_committed && !m_temp.IsEmpty())
        std::remove(m_temp.GetString());
}

bool AtomicFile::Commit()
{
    if (m_temp.IsEmpty())
        return false;
    struct stat st {};
    if (stat(m_temp.GetString(), &st) != 0 || st.st_size == 0) {
        m_error.Format("nothing was written for %s", m_target.GetString());
        return false;
    }
    // mkstemp creates the file private to its owner; give it the usual mode.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(m_temp.GetString(), 0666 & ~mask);
    if (std::rename(m_temp.GetString(), m_target.GetString()) != 0) {
        m_error.Format("cannot write %s: %s", m_target.GetString(), std::strerror(errno));
        return false;
    }
    m_committed = true;
    return true;
}

bool AtomicFile::Write(const char* path, const std::function<bool(std::FILE*)>& body, CString& error)
{
    AtomicFile file(path);
    if (file.TempPath().IsEmpty()) {
        error = file.Error();
        return false;
    }
    std::FILE* f = std::fopen(file.TempPath(), "w");
    if (!f) {
        error.Format("cannot write %s: %s", path, std::strerror(errno));
        return false;
    }
    bool ok = body(f);
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        error.Format("cannot write %s: %s", path, std::strerror(errno));
        return false;
    }
    if (!file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}
