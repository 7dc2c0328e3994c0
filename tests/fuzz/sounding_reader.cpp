// Any bytes as a sounding file: the strict reader either takes them or says
// why not, within its caps, and never reads out of bounds.
#include "sounding/SoundingFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SoundingTable t;
    CString error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool ok = SoundingFile::Parse(text, "fuzz", 0, t, error);
    if (ok ? t.Rows() == 0 : error.IsEmpty())
        __builtin_trap();  // success must hand over rows; failure must say why
    SoundingFile::Parse(text, "fuzz", 3, t, error);
    return 0;
}
