// Reads a whole input up to a byte cap: regular files, pipes, FIFOs and
// /proc files alike (read until the end, never by the size the file claims),
// so that no reader takes more memory than it can afford.
#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <string>

class CappedFile {
public:
    // The content of path in out. False, with a one-line message naming
    // path, when it cannot be opened, is a folder, fails to read, or holds
    // more than maxBytes (the message names that cap); out is then empty.
    static bool ReadAll(const char* path, size_t maxBytes, std::string& out, CString& error);
};
