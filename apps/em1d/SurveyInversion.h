// tarnex-em1d invert SURVEY -o OUTDIR: every station of a survey table or a
// folder of soundings inverted on several threads, one model file each, a
// table of all models and the models stitched into a polygon section.
#pragma once

#include "SystemOptions.h"

#include <cstddef>
#include <string>
#include <vector>

class SurveyInversion {
public:
    struct Settings {
        std::string input;          // a survey table or a folder of sounding files
        std::string outdir;
        int layers = 3;
        bool smooth = false;
        std::string fix;            // as --fix
        double noisePercent = 5.0;
        SystemOptions system;       // win over a table's or sounding's "# tem:" line
        int jobs = 0;               // 0: one a processor
        double spacing = 10.0;      // m between stations without an x_m column
        bool quiet = false;
        // 0: the whole survey, with its table and section. Else this run
        // inverts the stations whose index from 0 leaves shard-1 divided by
        // shards and writes their table for the stitch instead.
        int shard = 0, shards = 0;
    };

    // Exit statuses of a survey run.
    static constexpr int kExitSomeFailed = 1;
    static constexpr int kExitNothing = 3;
    static constexpr int kExitInterrupted = 130;

    // Whether path is a survey: a folder, or a table whose header starts "station".
    static bool IsSurvey(const std::string& path);

    // Runs the survey; messages (one line each) and the summary go to stderr.
    static int Run(const Settings& settings);

    // One station's inverted model: its row of models.csv and its column of
    // the stitched section.
    struct Column {
        std::string name;
        double x = 0;
        std::vector<double> thickness, resistivity;
        double depth = 0;   // the column ends here (the depth of investigation)
        double misfit = 0;  // %
    };
    // Writes models.csv, section-model.txt and, for several lines,
    // section-LINE.txt into outdir from the inverted stations in survey
    // order; false with a message when a file cannot be written. The whole
    // run and the stitch of its shards both write through here, so that
    // they write the same bytes.
    static bool WriteSurvey(const std::string& outdir, const std::vector<Column>& columns, double spacing,
                            std::string& error);
    // models.csv's header (no line end) for models of up to most layers,
    // and a model's row in it: the numbers at the digits the table shows
    // or, exact, at full precision (the shards' tables).
    static std::string TableHeader(std::size_t most);
    static std::string TableRow(const Column& model, std::size_t most, bool exact);

    // The polygon model of the columns (sorted by x): each a column of
    // rectangles from the midpoint to its neighbours to the next midpoint
    // (half a spacing beyond the ends), layers cut at its depth. Neighbouring
    // rectangles share the vertices of both columns' interfaces on their
    // common side, so the section tiles without gaps.
    static std::string Section(std::vector<Column> columns, double spacing);
    // The columns by survey line, in the order lines first appear; a line
    // whose positions overlap those of the lines before it is shifted along
    // x (by shift) to lie after them.
    struct Line {
        std::string name;
        std::vector<Column> columns;
        double shift = 0;
    };
    static std::vector<Line> Lines(const std::vector<Column>& columns, double spacing);
};
