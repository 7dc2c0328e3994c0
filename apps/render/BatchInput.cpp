#include "BatchInput.h"

#include "sounding/SurveyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Read to the end of fd into out, up to maxBytes; errno when it fails.
int readRest(int fd, size_t maxBytes, std::string& out, bool& tooLarge)
{
    char buf[65536];
    tooLarge = false;
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (out.size() + static_cast<size_t>(n) > maxBytes) {
            tooLarge = true;
            return 0;
        }
        out.append(buf, static_cast<size_t>(n));
    }
}

}  // namespace

BatchInput::Kind BatchInput::KindOf(std::string_view text)
{
    // The survey reader's own rule, on the same bytes the reader gets.
    return SurveyFile::LooksLikeSurvey(text) ? Kind::Survey : Kind::Sounding;
}

bool BatchInput::Open(const std::string& path, size_t maxBytes, Kind& kind, std::string& head, bool& whole,
                      std::string& error)
{
    head.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        struct stat link {};
        const bool dangling = err == ENOENT && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
        error = "cannot open " + path + ": " + (dangling ? "a symbolic link to no file" : std::strerror(err));
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        error = "cannot read " + path + ": is a directory";
        return false;
    }
    const bool regular = S_ISREG(st.st_mode);
    whole = !regular;
    int err = 0;
    bool tooLarge = false;
    if (whole) {
        // A pipe gives its bytes once: the whole of it is kept.
        err = readRest(fd, maxBytes, head, tooLarge);
    } else {
        head.resize(kSniffBytes);
        size_t got = 0;
        while (got < head.size()) {
            const ssize_t n = read(fd, head.data() + got, head.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                err = n < 0 ? errno : 0;
                break;
            }
            got += static_cast<size_t>(n);
        }
        head.resize(got);
        kind = KindOf(head);
        // A survey table is read whole now, from the same open file.
        if (!err && kind == Kind::Survey && got == kSniffBytes)
            err = readRest(fd, maxBytes, head, tooLarge);
        whole = kind == Kind::Survey;
    }
    close(fd);
    if (err) {
        head.clear();
        error = "cannot read " + path + ": " + std::strerror(err);
        return false;
    }
    if (tooLarge) {
        head.clear();
        head.shrink_to_fit();
        error = path + " is larger than " + std::to_string(maxBytes) + " bytes, the most this reader takes";
        return false;
    }
    if (!regular)
        kind = KindOf(head);
    return true;
}
