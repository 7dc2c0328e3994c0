// tarnex-em1d invert SURVEY -o OUTDIR: every station of a survey table or a
// folder of soundings inverted on several threads, one model file each, a
// table of all models and the models stitched into a polygon section.
#pragma once

#include "SystemOptions.h"

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
    };

    // Exit statuses of a survey run.
    static constexpr int kExitSomeFailed = 1;
    static constexpr int kExitNothing = 3;
    static constexpr int kExitInterrupted = 130;

    // Whether path is a survey: a folder, or a table whose header starts "station".
    static bool IsSurvey(const std::string& path);

    // Runs the survey; messages (one line each) and the summary go to stderr.
    static int Run(const Settings& settings);

    // One station's column of the stitched section.
    struct Column {
        std::string name;
        double x = 0;
        std::vector<double> thickness, resistivity;
        double depth = 0;   // the column ends here (the depth of investigation)
    };
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
