#include "Chart.h"

#include "OffscreenGui.h"
#include "PyErrors.h"

#include "chart/ChartExporter.h"
#include "platform/core/AtomicFile.h"

#include <string>

namespace pytarnex {

std::string Chart::encode(const char* type, int dpi)
{
    EnsureGui();
    CString error;
    std::string bytes;
    if (!ChartExporter::Encode([this](CDC* dc) { Draw(dc); }, type, dpi, bytes, error))
        RaiseValueError(error.str());
    return bytes;
}

void Chart::Save(const std::filesystem::path& path, int dpi)
{
    const std::string name = path.string();
    if (!ChartExporter::IsSupported(name.c_str()))
        RaiseValueError("unknown output type for " + name + ": use .png, .svg, .pdf or .bmp");
    CString error;
    // Refused before drawing, which can take a while for a large chart.
    if (!AtomicFile::CheckWritable(name.c_str(), error))
        RaiseOSError(error.str());
    const std::string bytes = encode(name.c_str(), dpi);
    if (!AtomicFile::WriteBytes(name.c_str(), bytes, error))
        RaiseOSError(error.str());
}

pybind11::bytes Chart::Png(int dpi)
{
    const std::string bytes = encode(".png", dpi);
    return pybind11::bytes(bytes);
}

}  // namespace pytarnex
