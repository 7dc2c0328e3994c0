// The render command's option parser on its own: what each command line
// chooses, and the message each bad one gets, without starting a process.
#include "BatchOptions.h"
#include "RenderOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using Chart = RenderOptions::Chart;

}  // namespace

TEST(RenderOptions, EachCommandLineChoosesChartInputOutputAndNumbers)
{
    struct Case {
        Args args;
        Chart chart;
        std::string input, output;
        int model, dpi, rows;
        bool help;
    };
    const std::vector<Case> cases = {
        {{}, Chart::Sounding, "", "sounding.png", 0, 150, 0, false},
        {{"s.dat", "-o", "x.SVG", "--model", "2"}, Chart::Sounding, "s.dat", "x.SVG", 2, 150, 0, false},
        {{"s.dat", "--view", "linear"}, Chart::Sounding, "s.dat", "sounding.png", 1, 150, 0, false},
        {{"s.dat", "--view", "loglog", "--view", "auto"}, Chart::Sounding, "s.dat", "sounding.png", 0, 150, 0, false},
        {{"--output", "d/x.pdf", "--dpi", "24", "--rows", "7"}, Chart::Sounding, "", "d/x.pdf", 0, 24, 7,
         false},
        {{"model"}, Chart::LayeredModel, "", "model.png", 0, 150, 0, false},
        {{"model", "m.txt", "-o", "m.bmp", "--dpi", "2400"}, Chart::LayeredModel, "m.txt", "m.bmp", 0,
         2400, 0, false},
        {{"axes", "-h"}, Chart::Axes, "", "axes.png", 0, 150, 0, true},
        // "model" names the chart only in first place; later it is a file.
        {{"a.dat", "-o", "o.png"}, Chart::Sounding, "a.dat", "o.png", 0, 150, 0, false},
    };
    for (const Case& c : cases) {
        RenderOptions o;
        std::string error;
        ASSERT_TRUE(o.Parse(c.args, error)) << error;
        EXPECT_EQ(o.chart, c.chart);
        EXPECT_EQ(o.input, c.input);
        EXPECT_EQ(o.output, c.output);
        EXPECT_EQ(o.model, c.model);
        EXPECT_EQ(o.dpi, c.dpi);
        EXPECT_EQ(o.rows, c.rows);
        EXPECT_EQ(o.help, c.help);
        EXPECT_FALSE(o.stream || o.plain);
    }
    RenderOptions o;
    std::string error;
    ASSERT_TRUE(o.Parse({"s.dat", "--stream", "--plain"}, error)) << error;
    EXPECT_TRUE(o.stream && o.plain);
    ASSERT_TRUE(o.Parse({"model", "--plain"}, error)) << error;
}

TEST(RenderOptions, EveryBadCommandLineGetsItsOwnMessage)
{
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"-o"}, "-o needs a value"},
        {{"-o", ""}, "the output file name is empty"},
        {{"-o", "x.jpg"}, "unknown output type for x.jpg"},
        {{"-o", "dir.png/x"}, "unknown output type for dir.png/x"},
        {{"--model", "3"}, "--model takes 1 or 2, not \"3\""},
        {{"--model", "1x"}, "--model takes 1 or 2"},
        {{"model", "--model", "2"}, "--model chooses the view of a sounding chart only"},
        {{"--view", "log"}, "--view takes auto, linear or loglog, not \"log\""},
        {{"model", "--view", "linear"}, "--view chooses the view of a sounding chart only"},
        {{"--dpi", "23"}, "--dpi takes a whole number from 24 to 2400, not \"23\""},
        {{"--dpi", "2401"}, "--dpi takes a whole number"},
        {{"--dpi", "99999999999999999999"}, "--dpi takes a whole number"},
        {{"--rows", "0"}, "--rows takes a positive whole number"},
        {{"--rows", " 5"}, "--rows takes a positive whole number"},
        {{"axes", "--rows", "5"}, "--rows applies to sounding files only"},
        {{"model", "--stream"}, "--stream applies to sounding files only"},
        {{"profile", "--plain"}, "--plain applies to the sounding and model charts only"},
        {{"axes", "in.dat"}, "axes takes no input file (in.dat)"},
        {{"a.dat", "b.dat"}, "more than one input file: a.dat and b.dat"},
        {{"--frobnicate"}, "unknown option --frobnicate (see --help)"},
    };
    for (const auto& [args, expect] : cases) {
        RenderOptions o;
        std::string error;
        EXPECT_FALSE(o.Parse(args, error)) << expect;
        EXPECT_NE(error.find(expect), std::string::npos) << "wanted: " << expect << "\ngot: " << error;
    }
}

// The chart and the batch read their numbers and formats by one rule: what
// one takes the other takes, what one refuses the other refuses.
TEST(RenderOptions, ChartAndBatchTakeTheSameNumbersAndFormats)
{
    for (const char* dpi : {"100", "+100", "0100", "24", "2400", "23", "2401", " 100", "1e2", "100.0", "-100", ""}) {
        RenderOptions chart;
        BatchOptions batch;
        std::string e1, e2;
        const bool a = chart.Parse({"--dpi", dpi}, e1);
        const bool b = batch.Parse({"in", "-o", "out", "--dpi", dpi}, e2);
        EXPECT_EQ(a, b) << "--dpi \"" << dpi << "\": " << e1 << " / " << e2;
        if (a && b)
            EXPECT_EQ(chart.dpi, batch.dpi) << dpi;
        else
            EXPECT_EQ(e1, e2) << dpi;
    }
    for (const char* format : {"png", "SVG", "Pdf", "bmp", "jpg", "tiff"}) {
        RenderOptions chart;
        BatchOptions batch;
        std::string e1, e2;
        EXPECT_EQ(chart.Parse({"-o", std::string("x.") + format}, e1),
                  batch.Parse({"in", "-o", "out", "--format", format}, e2))
            << format << ": " << e1 << " / " << e2;
    }
    // The help of each lists every option its table holds.
    const std::string help = RenderOptions::Usage(), batchHelp = BatchOptions::Usage();
    for (const char* o : {"--output OUT", "--model 1|2", "--dpi N", "--rows N", "--stream", "--plain", "--help"})
        EXPECT_NE(help.find(o), std::string::npos) << o;
    for (const char* o : {"--format F", "--jobs N", "--shard K/N", "--quiet", "--no-index", "Exit status: 0"})
        EXPECT_NE(batchHelp.find(o), std::string::npos) << o;
}
