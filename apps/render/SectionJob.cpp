#include "SectionJob.h"

#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "geometry/PolyModelFile.h"
#include "geometry/SectionSheet.h"

bool SectionJob::Prepare(const RenderOptions& opt, std::string& error)
{
    m_input = opt.input.empty() ? BundledData::Path("section-model.txt").str() : opt.input;
    if (m_input.empty()) {
        error = "the bundled sample section-model.txt is not installed";
        return false;
    }
    CString err;
    if (!PolyModelFile::Read(m_input.c_str(), m_model, err)) {
        error = err.str();
        return false;
    }
    return true;
}

bool SectionJob::Render(const RenderOptions& opt, std::string& error)
{
    SectionSheet sheet;
    std::string why;
    if (!SectionSheet::Fits(m_model, why) || !sheet.Load(m_model)) {
        error = m_input + ": " + (why.empty() ? "the model has no extent to draw" : why);
        return false;
    }
    CString e;
    if (!ChartExporter::Export([&](CDC* dc) { sheet.Draw(dc); }, opt.output.c_str(), opt.dpi, e)) {
        error = e.str();
        return false;
    }
    return true;
}
