#include "chart/BundledData.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Folders where an installed tree keeps the samples: relative to this
// library (the install's own layout) and to the program, as a program in
// bin/ finds share/ beside it. Resolved by the file system, not by the text:
// "/lib/x86_64-linux-gnu/../../share" is /usr/share when /lib links to
// /usr/lib, and "/share" once the ".." are dropped from the text.
CString Found(const fs::path& p)
{
    std::error_code ec;
    if (!fs::is_regular_file(p, ec))
        return CString();
    const fs::path real = fs::canonical(p, ec);
    return ec ? CString() : CString(real.string().c_str());
}

}  // namespace

CString BundledData::Find(const char* folder, const char* name)
{
    if (!folder || !name || !*name)
        return CString();
    return Found(fs::path(folder) / name);
}

CString BundledData::Path(const char* name)
{
    if (!name || !*name)
        return CString();
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&BundledData::Path), &info) && info.dli_fname) {
        const fs::path lib(info.dli_fname);
        CString p = Found(lib.parent_path() / TARNEX_DATA_FROM_LIBDIR / name);
        if (!p.IsEmpty())
            return p;
    }
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        CString p = Found(exe.parent_path().parent_path() / "share" / "tarnex" / name);
        if (!p.IsEmpty())
            return p;
    }
    return Found(fs::path(TARNEX_SOURCE_DATA_DIR) / name);
}
