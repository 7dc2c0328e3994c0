// The index.html of a batch folder: every station's thumbnail and name,
// linking to its full chart; one self-contained page that any browser shows offline.
#pragma once

#include <string>
#include <vector>

class ContactSheet {
public:
    struct Station {
        std::string name;      // as in the data (UTF-8)
        std::string file;      // the chart's file name in the folder
        std::string thumb;     // the thumbnail's path relative to the folder; empty: none
        std::string problem;   // why it failed in this run (shown, no link); empty: none
    };

    // The page. A thumbnail that is missing (a station that failed to draw,
    // another shard's station not yet copied in) shows as "not drawn".
    static std::string Html(const std::string& title, const std::vector<Station>& stations);
    // Text for HTML: & < > " ' escaped, control bytes (C1 included) and
    // invalid UTF-8 shown as \xNN.
    static std::string Escape(const std::string& text);
    // A file name for a link: bytes outside A-Z a-z 0-9 - . _ ~ as %XX.
    static std::string Href(const std::string& file);
};
