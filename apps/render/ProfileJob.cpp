#include "ProfileJob.h"

#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "profile/ProfilePanel.h"

bool ProfileJob::Prepare(const RenderOptions& opt, std::string& error)
{
    const std::string input = opt.input.empty() ? BundledData::Path("profiles.txt").str() : opt.input;
    if (input.empty()) {
        error = "the bundled sample profiles.txt is not installed";
        return false;
    }
    CString err;
    if (!ProfileFile::Read(input.c_str(), m_table, err)) {
        error = err.str();
        return false;
    }
    return true;
}

bool ProfileJob::Render(const RenderOptions& opt, std::string& error)
{
    CRectProf panel;
    ProfilePanel::Load(panel, m_table);
    CString e;
    if (!ChartExporter::Export([&](CDC* dc) { ProfilePanel::Draw(panel, m_table, dc); }, opt.output.c_str(), opt.dpi,
                               e)) {
        error = e.str();
        return false;
    }
    return true;
}
