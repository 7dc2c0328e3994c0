// Any bytes as a sounding file, read a row a line and as a stream: the strict
// reader either takes them or says why not, within its caps, and never reads
// out of bounds.
#include "platform/core/DataText.h"
#include "sounding/SoundingFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SoundingTable t;
    CString error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto layout : {SoundingFile::Layout::Lines, SoundingFile::Layout::Stream}) {
        const bool ok = SoundingFile::Parse(text, "fuzz", 0, t, error, layout);
        if (ok ? t.Rows() == 0 : error.IsEmpty())
            __builtin_trap();  // success must hand over rows; failure must say why
        // Unedited values are written back as they were read, byte for byte.
        std::string back;
        const CArray<float, float&>* columns[5] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
        const auto n = static_cast<size_t>(t.columns);
        if (ok && (!DataText::Rewrite(text, {true, true, true, 0}, static_cast<size_t>(t.Rows()) * n,
                                      [&](size_t k) { return (*columns[k % n])[static_cast<int>(k / n)]; }, back) ||
                   back != text))
            __builtin_trap();
        SoundingFile::Parse(text, "fuzz", 3, t, error, layout);
    }
    return 0;
}
