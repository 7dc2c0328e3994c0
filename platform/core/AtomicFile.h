// Writes a file so that it appears whole or not at all: the content goes to
// a temporary file beside the target, which replaces the target on Commit.
// A writer that fails or is destroyed without Commit leaves no trace.
#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string_view>

class AtomicFile {
public:
    // Opens a temporary file in the target's folder. A symbolic link is
    // written through to the file it names, as editors do; an existing
    // read-only target is refused; the new file keeps the target's mode.
    explicit AtomicFile(const char* targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The open temporary file: -1 when it could not be made, with Error()
    // saying why. Where the file system allows, it has no name until Commit,
    // so that a crash leaves nothing behind.
    int Handle() const noexcept { return m_fd; }
    // The file that Commit replaces: the target with its links resolved.
    const CString& FinalPath() const noexcept { return m_final; }

    // Appends bytes through the handle; false, with Error() set, on a short
    // or failed write (a full disk, a file size limit).
    bool Append(const void* data, size_t size);
    // Syncs the content to disk, gives it the target's mode, renames it over
    // the target and syncs the folder. An empty file is refused unless
    // allowEmpty. False, with Error() set and the temporary removed, when
    // any step fails; the target is then as it was.
    bool Commit(bool allowEmpty = false);
    const CString& Error() const noexcept { return m_error; }

    // Whether path could be written now (its folder takes a new file and the
    // target is not read-only), without creating anything.
    static bool CheckWritable(const char* path, CString& error);

    // The whole round: body writes the content to an open stream (false when
    // it fails), then the file replaces path. False with a one-line message
    // in error; path is then as it was.
    static bool Write(const char* path, const std::function<bool(std::FILE*)>& body, CString& error);
    // The same for content already in memory.
    static bool WriteBytes(const char* path, std::string_view bytes, CString& error);

    // A program that writes many files at once (a batch of charts) may defer
    // the syncing of each file and folder to one SyncFileSystem at its end:
    // every file still appears whole or not at all to other programs, and
    // is on disk once SyncFileSystem returns. Off by default.
    static void DeferSync(bool defer) noexcept;
    // Syncs the whole file system that holds folder; false with a message.
    static bool SyncFileSystem(const char* folder, CString& error);

    // Longest target name this writer takes: the file system's own limit.
    static constexpr size_t kMaxNameBytes = 255;

private:
    bool fail(const char* what, int err);
    void discard();

    CString m_target;
    CString m_final;
    CString m_temp;  // the temporary's name, once it has one
    CString m_error;
    int m_fd = -1;
    unsigned m_mode = 0;
    bool m_committed = false;
};
