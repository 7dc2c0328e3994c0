// Any bytes as a 2-D polygon model file: a model whose every polygon has a
// positive resistivity, or a message; never a crash.
#include "geometry/PolyModelFile.h"
#include "morvel/TMOD2D.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TMOD2D model;
    CString error;
    if (!PolyModelFile::Parse(text.c_str(), "fuzz", model, error) && error.IsEmpty())
        __builtin_trap();
    return 0;
}
