// One input file of a batch, read once: its type told from its first rows
// and its data taken from the same open file, so that pipes, FIFOs and
// /dev/stdin read like files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class BatchInput {
public:
    enum class Kind { Sounding, Survey };

    // What text (the start of an input is enough) holds, by the survey
    // reader's rule (SurveyFile::LooksLikeSurvey).
    static Kind KindOf(std::string_view text);

    // Opens path and reads enough to tell its kind. A regular file's data
    // is left to be read when needed (head holds its start); anything else
    // (a pipe, a FIFO, a terminal) is read whole now into head, up to
    // maxBytes. False with a one-line message naming path.
    static bool Open(const std::string& path, size_t maxBytes, Kind& kind, std::string& head, bool& whole,
                     std::string& error);
    // The bytes a sniff looks at in a regular file.
    static constexpr size_t kSniffBytes = 65536;
};
