// Loads a sounding into the chart, checks that it can be drawn, and renders
// the chart to an image or document: the one glue of hosts, apps and tests.
#pragma once

#include "platform/core/CString.h"

class CDrawRPCurve;
struct SoundingFigure;
struct SoundingTable;

class SoundingRender {
public:
    // Hands the table to the chart in display model 1 (which any data can
    // take), then lays it out again in `model`. Returns the model in force:
    // data that the log-log model cannot show (reaching 0) keeps model 1.
    static int Load(CDrawRPCurve& chart, const SoundingTable& table, int model);
    // Whether the table can be drawn in `model` (1 or 2): every abscissa
    // positive and the largest above 0.1, so that it spans a decade; model 2
    // needs every value positive too. False with a one-line message naming
    // the row; name stands for the file.
    static bool Check(const SoundingTable& table, int model, const char* name, CString& error);
    // Whether a figure can draw the table: at least one row and every
    // abscissa positive (the abscissa is logarithmic); its magnitude and the
    // values' signs do not matter, the figure's plan brings them in.
    static bool CheckFigure(const SoundingTable& table, const char* name, CString& error);
    // The display model that gives a readable chart of the table when the
    // user asked for `model`. The linear model (1) makes its frame
    // (largest value + 100) / (largest value + 1) times its nominal height,
    // so small values give a chart many times taller than wide, mostly
    // empty grid. Where that factor passes kMaxLinearStretch and every value
    // is positive, the log-log model (2) is chosen instead; where some value
    // is not positive, model 1 stays. In both cases note says so in one line
    // (empty when the asked model is kept without remark).
    static constexpr double kMaxLinearStretch = 4.0;
    static int ReadableModel(const SoundingTable& table, int model, CString& note);
    // Reads the file (every row, or the first maxRows when maxRows > 0),
    // checks it and loads it. The chart is left as it was on failure.
    static bool LoadFile(CDrawRPCurve& chart, const char* path, int maxRows, int model, CString& error);
    // Writes the whole chart to outPath (.png, .bmp, .svg or .pdf); a failed
    // write leaves the file as it was.
    static bool Render(CDrawRPCurve& chart, const char* outPath, int dpi, CString& error);
    // The chart as a figure (DrawSoundingFigure): labels kept apart, legend
    // and axis titles as the figure says.
    static bool Render(CDrawRPCurve& chart, const SoundingFigure& figure, const char* outPath, int dpi,
                       CString& error);
    // One sounding to one file, as the render command draws it: the table
    // (checked by the caller) loaded in `model` on a chart of its own.
    // One sounding to one file through a planned figure (SoundingFigure::For).
    static bool RenderFigure(const SoundingTable& table, const SoundingFigure& figure, const char* outPath, int dpi,
                             CString& error);
    static bool RenderTable(const SoundingTable& table, int model, const SoundingFigure& figure, const char* outPath,
                            int dpi, CString& error);
};
