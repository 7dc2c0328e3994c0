// The table one shard of a survey's inversion leaves for the stitch,
// models-K-of-N.csv: the rows of models.csv for its stations, at full
// precision and with each station's place in the survey, and the stations
// it could not invert.
#pragma once

#include "SurveyInversion.h"

#include <cstddef>
#include <string>
#include <vector>

class ShardTable {
public:
    struct Row {
        std::size_t index = 0;   // the station's place in the survey, from 0
        SurveyInversion::Column model;
    };
    struct Failure {
        std::size_t index = 0;
        std::string message;     // "station NAME: why", as the shard said it
    };

    int shard = 1, shards = 1;
    std::size_t stations = 0;    // in the whole survey, every shard's
    double spacing = 10;         // m, as the run was given it
    std::vector<Row> rows;       // in survey order
    std::vector<Failure> failures;

    static constexpr std::size_t kMaxBytes = 512u * 1024 * 1024;

    // "models-K-of-N.csv"
    static std::string FileName(int shard, int shards);
    // K and N of a file name of that form, exactly: no sign, no leading zero.
    static bool ParseFileName(const std::string& name, int& shard, int& shards);

    std::string Text() const;
    // Reads and checks a table Text wrote: false with "path:line: why".
    bool Read(const std::string& path, std::string& error);
};
