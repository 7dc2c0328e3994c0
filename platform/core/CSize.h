// A width and height pair in logical or device units (extent of a text run,
// size of a bitmap), layout-compatible with tagSIZE.
#pragma once

#include "platform/core/afxtypes.h"

class CSize : public tagSIZE {
public:
    CSize() noexcept : tagSIZE{0, 0} {}
    CSize(int w, int h) noexcept : tagSIZE{w, h} {}
    CSize(const tagSIZE& s) noexcept : tagSIZE(s) {}

    bool operator==(const tagSIZE& o) const noexcept { return cx == o.cx && cy == o.cy; }
    bool operator!=(const tagSIZE& o) const noexcept { return !(*this == o); }
};
