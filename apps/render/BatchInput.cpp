#include "BatchInput.h"

#include "platform/core/TextNumber.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

// The fields of a line without its comment: separated by blanks, tabs or commas.
std::vector<std::string_view> fieldsOf(std::string_view line)
{
    if (const size_t hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',' || line[i] == '\r'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',' && line[i] != '\r')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A token that reads as a number, or would but for its range ("1e309").
bool numeric(std::string_view token)
{
    double v = 0;
    return TextNumber::Read(token, v) != TextNumber::Result::NotANumber;
}

bool numbers(const std::vector<std::string_view>& f, size_t from)
{
    for (size_t k = from; k < f.size(); ++k)
        if (!numeric(f[k]))
            return false;
    return true;
}

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
    std::vector<std::vector<std::string_view>> rows;  // the first lines with fields
    std::string_view firstLine;
    bool haveFirst = false;
    size_t pos = 0;
    while (pos < text.size() && rows.size() < 3) {
        size_t end = text.find('\n', pos);
        const bool complete = end != std::string_view::npos;
        if (!complete)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!complete && text.size() >= kSniffBytes)
            break;  // maybe cut by the sniff: not a row to judge
        std::vector<std::string_view> f = fieldsOf(line);
        if (f.empty())
            continue;
        if (!haveFirst) {
            firstLine = line;
            haveFirst = true;
        }
        rows.push_back(std::move(f));
    }
    // The first row of data decides; the line before it may be a header.
    for (size_t r = 0; r < rows.size() && r < 2; ++r) {
        const auto& f = rows[r];
        if (f.size() == 5 && numbers(f, 0))
            return Kind::Sounding;
        if (f.size() == 6 && numbers(f, 1)) {
            if (!numeric(f[0]))
                return Kind::Survey;
            const bool sameStation = r + 1 < rows.size() && rows[r + 1].size() == 6 && rows[r + 1][0] == f[0];
            return sameStation ? Kind::Survey : Kind::Sounding;
        }
    }
    if (!haveFirst)
        return Kind::Sounding;
    return rows.front().size() == 6 || firstLine.find(',') != std::string_view::npos ? Kind::Survey
                                                                                      : Kind::Sounding;
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
