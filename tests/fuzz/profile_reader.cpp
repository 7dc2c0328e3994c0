// Any bytes as a profile table: every profile as long as the position
// column, or a message; never a crash.
#include "profile/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ProfileTable t;
    CString error;
    if (ProfileFile::Parse(text, "fuzz", t, error)) {
        if (t.Stations() < 1 || t.Profiles() < 1 || static_cast<int>(t.names.size()) != t.Profiles())
            __builtin_trap();
        for (const auto& column : t.values)
            if (static_cast<int>(column.size()) != t.Stations())
                __builtin_trap();
    } else if (error.IsEmpty()) {
        __builtin_trap();
    }
    return 0;
}
