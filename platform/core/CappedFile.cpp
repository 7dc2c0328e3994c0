#include "platform/core/CappedFile.h"
#include "platform/core/ReaderMessage.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CappedFile::ReadAll(const char* path, size_t maxBytes, std::string& out, CString& error)
{
    out.clear();
    if (!path || !*path) {
        error = "no input file named";
        return false;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ReaderMessage::Text(ReaderMessage::Id::CannotOpen, {path, std::strerror(errno)});
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        error = ReaderMessage::Text(ReaderMessage::Id::IsDirectory, {path});
        return false;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            close(fd);
            out.clear();
            error = ReaderMessage::Text(ReaderMessage::Id::CannotRead, {path, std::strerror(err)});
            return false;
        }
        if (n == 0)
            break;
        if (out.size() + static_cast<size_t>(n) > maxBytes) {
            close(fd);
            out.clear();
            out.shrink_to_fit();
            error = ReaderMessage::Text(ReaderMessage::Id::TooLarge, {path, std::to_string(maxBytes)});
            return false;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return true;
}
