// How the module reports failures to Python: bad input as ValueError with
// the library's one-line message, trouble with a file as OSError.
#pragma once

#include <filesystem>
#include <string>

namespace pytarnex {

[[noreturn]] void RaiseValueError(const std::string& message);
// An OSError of the class Python picks for err (FileNotFoundError, ...).
[[noreturn]] void RaiseOSError(int err, const std::filesystem::path& path);
[[noreturn]] void RaiseOSError(const std::string& message);

// Raises OSError when path cannot be opened for reading or is a folder, so
// that a reader's failure after this check is about the file's content.
// Opens without blocking, so a FIFO with no writer yet is not waited on here.
void CheckReadable(const std::filesystem::path& path);

}  // namespace pytarnex
