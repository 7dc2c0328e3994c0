// A sounding curve chart made from numpy columns or a sounding file, drawn
// as the render command draws it (legend, axis titles, labels kept apart).
#pragma once

#include "ArrayLike.h"
#include "Chart.h"

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"

#include <memory>

namespace pytarnex {

class SoundingChart : public Chart {
public:
    // Checks the table for the display model (1 linear, 2 log-log) and lays
    // the chart out; ValueError with the library's message when it cannot
    // be drawn. name stands for the data in messages.
    SoundingChart(const SoundingTable& table, int model, const char* name);
    static std::unique_ptr<SoundingChart> FromArrays(const ArrayLike& x, const ArrayLike& r, const ArrayLike& v,
                                                     const ArrayLike& rFwd, const ArrayLike& vFwd, int model);
    static std::unique_ptr<SoundingChart> FromFile(const std::filesystem::path& path, int model);

    int Model() const { return m_chart.m_nDisModel; }
    int Rows() const { return m_rows; }
    SoundingFigure& Figure() { return m_figure; }

protected:
    void Draw(CDC* dc) override;

private:
    CDrawRPCurve m_chart;
    SoundingFigure m_figure;
    int m_rows = 0;
};

}  // namespace pytarnex
