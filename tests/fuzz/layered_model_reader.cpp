// Any bytes as a layered model file: a model within the format's bounds, or
// a message; never a crash.
#include "model1d/LayeredModelFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    LayeredModel m;
    CString error;
    if (LayeredModelFile::Parse(text.c_str(), "fuzz", m, error)) {
        if (m.Layers() < 1 || m.thick.GetSize() != m.Layers() - 1)
            __builtin_trap();
        for (int i = 0; i < m.Layers(); ++i)
            if (!(m.res[i] > 0 && m.res[i] <= LayeredModelFile::kMaxValue))
                __builtin_trap();
    } else if (error.IsEmpty()) {
        __builtin_trap();
    }
    return 0;
}
