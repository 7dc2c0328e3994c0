#include "PyErrors.h"

#include <pybind11/pybind11.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace py = pybind11;

namespace pytarnex {

void RaiseValueError(const std::string& message) { throw py::value_error(message); }

void RaiseOSError(int err, const std::filesystem::path& path)
{
    errno = err;
    PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
    throw py::error_already_set();
}

void RaiseOSError(const std::string& message)
{
    PyErr_SetString(PyExc_OSError, message.c_str());
    throw py::error_already_set();
}

void CheckReadable(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        RaiseOSError(errno, path);
    struct stat st {};
    const bool folder = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    ::close(fd);
    if (folder)
        RaiseOSError(EISDIR, path);
}

}  // namespace pytarnex
