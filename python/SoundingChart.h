// A sounding curve chart made from numpy columns or a sounding file, drawn
// as the render command draws it: by default in the units and view that
// suit the data (legend, axis titles, labels kept apart), or in the chart
// class's own layout when asked for plainly.
#pragma once

#include "ArrayLike.h"
#include "Chart.h"

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"

#include <memory>
#include <optional>
#include <string>

namespace pytarnex {

class SoundingChart : public Chart {
public:
    // How the caller asked for the chart: view "auto", "linear" or "loglog"
    // (None: auto), its older spelling model 1 or 2 (None: not given), and
    // plain for the chart class's own layout of the numbers as they stand.
    struct Options {
        std::optional<std::string> view;
        std::optional<int> model;
        bool plain = false;
    };

    // Checks the table for the view asked for and lays the chart out;
    // ValueError with the library's message when it cannot be drawn. name
    // stands for the data in messages.
    SoundingChart(const SoundingTable& table, const Options& options, const char* name);
    // r_fwd and v_fwd None (or both wholly NaN, as read_sounding gives a
    // measured-only file): a measured-only sounding. header names the
    // columns as a file's header line does.
    static std::unique_ptr<SoundingChart> FromArrays(const ArrayLike& x, const ArrayLike& r, const ArrayLike& v,
                                                     const ArrayLike& rFwd, const ArrayLike& vFwd,
                                                     std::optional<int> model, const std::optional<std::string>& view,
                                                     bool plain, const std::string& header);
    static std::unique_ptr<SoundingChart> FromFile(const std::filesystem::path& path, std::optional<int> model,
                                                   const std::optional<std::string>& view, bool plain);

    // The display model drawn: 1 linear, 2 log-log.
    int Model() const { return m_chart.m_nDisModel; }
    const char* View() const { return Model() == 2 ? "loglog" : "linear"; }
    bool Plain() const { return !m_figure.plan; }
    bool Modelled() const { return m_figure.plan ? m_figure.plan->modelled : m_figure.modelled; }
    // Why the view asked for could not be drawn; empty when it was.
    std::string Note() const { return m_figure.plan ? m_figure.plan->note.str() : std::string(); }
    int Rows() const { return m_rows; }

protected:
    void Draw(CDC* dc) override;

private:
    CDrawRPCurve m_chart;
    SoundingFigure m_figure;
    int m_rows = 0;
};

}  // namespace pytarnex
