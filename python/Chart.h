// What every chart of the module shares: drawing to a file or to PNG bytes
// through the exporter the render command uses.
#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>

class CDC;

namespace pytarnex {

class Chart {
public:
    virtual ~Chart() = default;

    // Writes the chart to path, the type by its ending (.png, .svg, .pdf,
    // .bmp). ValueError for an unknown ending, a resolution out of range or
    // a page too large; OSError when the file cannot be written (an existing
    // file is then left as it was).
    void Save(const std::filesystem::path& path, int dpi);
    // The chart as PNG bytes.
    pybind11::bytes Png(int dpi);

protected:
    // Draws the whole chart on dc; called twice a picture (measure, draw).
    virtual void Draw(CDC* dc) = 0;

private:
    std::string encode(const char* type, int dpi);
};

}  // namespace pytarnex
