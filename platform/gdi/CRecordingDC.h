// A device context that draws nothing and records every call (see
// RecordingBackend). Its device is a virtual page of the given pixel size
// and resolution; SaveAsPng replays the drawing onto a white image.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/gdi/RecordingBackend.h"

class CRecordingDC : public CDC {
public:
    explicit CRecordingDC(int dpi = 96, CSize size = CSize(1600, 1200));
    ~CRecordingDC() override;

    const std::vector<GdiOp>& ops() const noexcept { return m_rec.ops(); }
    void ClearRecording() noexcept { m_rec.clear(); }
    bool SaveAsPng(const char* path) const;
    CRect DeviceBounds() const { return m_rec.deviceBounds(); }
    // Measuring only: calls leave their bounds and are not kept.
    void SetBoundsOnly(bool on) noexcept { m_rec.setKeepOps(!on); }

private:
    RecordingBackend m_rec;
};
