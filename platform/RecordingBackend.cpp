#include "platform/RecordingBackend.h"

#include "platform/FontResolver.h"

GdiTextMetrics RecordingBackend::measure(const CString& text, const GdiStyle& style)
{
    return FontResolver::measure(text, style);
}

void RecordingBackend::replay(GdiBackend& target) const
{
    for (const GdiOp& op : m_ops)
        target.draw(op);
}
