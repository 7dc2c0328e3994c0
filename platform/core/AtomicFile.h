// Writes a file so that it appears whole or not at all: the content goes to
// a temporary file beside the target, which replaces the target on Commit.
// A writer that fails or is destroyed without Commit leaves no trace.
#pragma once

#include "platform/core/CString.h"

#include <cstdio>
#include <functional>

class AtomicFile {
public:
    explicit AtomicFile(const char* targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Where to write the content (an unused name in the target's folder);
    // empty when the folder cannot take a new file, with Error() saying why.
    const CString& TempPath() const noexcept { return m_temp; }
    // Renames the temporary file over the target. False, with Error() set
    // and the temporary file removed, when that fails or the file is missing.
    bool Commit();
    const CString& Error() const noexcept { return m_error; }

    // The whole round: body writes the content to an open stream (false when
    // it fails), then the file replaces path. False with a one-line message
    // in error; path is then as it was.
    static bool Write(const char* path, const std::function<bool(std::FILE*)>& body, CString& error);

private:
    CString m_target;
    CString m_temp;
    CString m_error;
    bool m_committed = false;
};
