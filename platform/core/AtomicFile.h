// Writes a file so that it appears whole or not at all: the content goes to
// a temporary file beside the target, which replaces the target on Commit.
// A writer that fails or is destroyed without Commit leaves no trace.
#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

class AtomicFile {
public:
    // Opens a temporary file in the target's folder. A symbolic link is
    // written through to the file it names, as editors do; an existing
    // read-only target is refused; the new file keeps the target's mode.
    explicit AtomicFile(const char* targetPath);
    // Writes name inside a folder the caller opened (folder stays open while
    // the writer lives), never through a symbolic link: a link at name is
    // replaced by the new file and the file it names is left alone. For a
    // program writing into a folder others may write to as well. shown
    // stands for the file in messages.
    AtomicFile(int folder, const char* name, const char* shown);
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

    // Removes the named temporary files of every writer still open, for a
    // signal handler about to end the process: async-signal-safe, and once
    // it has run no writer makes another temporary name. A writer's named
    // temporary is made with SIGINT and SIGTERM blocked on its thread, so
    // that the handler never waits on its own thread.
    static void RemoveTemporaries() noexcept;

    // Longest target name this writer takes: the file system's own limit.
    static constexpr size_t kMaxNameBytes = 255;

private:
    void openTemporary(const char* name, bool inFolder);
    bool fail(const char* what, int err);
    bool nameTemporary();
    void discard();

    CString m_target;
    CString m_final;
    CString m_error;
    std::string m_name;  // the target's name inside m_dir
    std::string m_temp;  // the temporary's name inside m_dir, once it has one
    int m_dir = -1;      // the target's folder
    int m_fd = -1;
    int m_slot = -1;     // where RemoveTemporaries finds the temporary's name
    unsigned m_mode = 0;
    long m_uid = -1, m_gid = -1;  // the replaced file's owner, kept where the writer may
    bool m_committed = false;
};
