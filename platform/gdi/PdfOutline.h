// Adds an outline (the bookmarks a PDF viewer lists beside the pages) to a
// finished PDF by an incremental update, leaving the original bytes as they are.
#pragma once

#include "platform/core/CString.h"

#include <string>
#include <vector>

class PdfOutline {
public:
    struct Entry {
        std::string title;  // UTF-8
        int page = 0;       // 0-based page the bookmark opens
        // 0: a top-level bookmark; 1: under the last top-level one before it
        // (a survey line's stations under the line).
        int level = 0;
    };

    // Appends to pdf new outline objects, a new catalog revision that names
    // them (and asks the viewer to show them), a cross-reference section and
    // a trailer pointing back to the previous one. The document must end in
    // a classic cross-reference table, as Qt's PDF writer makes it. False
    // with a one-line message (pdf then unchanged) when it cannot be read or
    // an entry names a page it does not have.
    static bool Append(std::string& pdf, const std::vector<Entry>& entries, CString& error);

    // The object numbers of the pages in page order, read through the
    // catalog and its page tree; false with a message when that fails.
    static bool PageObjects(const std::string& pdf, std::vector<int>& pages, CString& error);
    // A PDF text string for title: plain when printable ASCII (with \, ( and
    // ) escaped), else UTF-16BE with a byte-order mark, in hexadecimal.
    static std::string TextString(const std::string& utf8);
};
