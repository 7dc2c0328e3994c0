// Any argument vector (arguments separated by NUL bytes) for tarnex-render:
// options within their ranges, or one line of error.
#include "RenderOptions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() < 64; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    RenderOptions opt;
    std::string error;
    if (opt.Parse(args, error)) {
        if (opt.dpi < RenderOptions::kMinDpi || opt.dpi > RenderOptions::kMaxDpi || opt.rows < 0)
            __builtin_trap();
    } else if (error.empty() || error.find('\n') != std::string::npos) {
        __builtin_trap();
    }
    return 0;
}
