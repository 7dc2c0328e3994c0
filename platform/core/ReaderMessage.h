// The data readers' common complaints, each worded once as a template whose
// %1, %2 the reader fills: the library says them in English, and a host with
// a catalogue of the same templates takes a message apart again (Parse) to
// say it in its user's language, with the same arguments.
#pragma once

#include "platform/core/CString.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class ReaderMessage {
public:
    enum class Id {
        CannotOpen,          // path, the system's reason
        IsDirectory,         // path
        CannotRead,          // path, the system's reason
        TooLarge,            // path, the cap in bytes
        NotText,
        NotANumber,          // the field as read
        NotANumberIn,        // the field, its column
        OutOfRange,          // the field
        OutOfRangeIn,        // the field, its column
        RowCountOne,         // a sounding row of one number
        RowCount,            // a sounding row of n numbers: n
        RowCountChangedOne,  // one number after rows of n: n
        RowCountChanged,     // m numbers after rows of n: m, n
        LayerLineCount,      // the count found
        HalfSpaceLineCount,  // the count found
        NotPositive,         // the quantity, its value
        NoSoundingRows,
        NoLayers,
        NoStationRows,
        Count
    };

    // The context the templates are translated in.
    static constexpr const char* kContext = "ReaderMessage";

    // The English template.
    static const char* Template(Id id);
    // text with each %n (n from 1 to 9) replaced by args[n-1], in one pass,
    // so that an argument holding "%2" stays as written. A %n without an
    // argument stays as it is.
    static std::string Fill(std::string_view text, const std::vector<std::string>& args);
    // The English message.
    static CString Text(Id id, std::initializer_list<std::string> args = {});

    // A message as a reader made it: what stood before the template
    // ("data/x.dat:3: ", empty when nothing did), which template, and its
    // arguments.
    struct Parts {
        std::string prefix;
        Id id = Id::Count;
        std::vector<std::string> args;
    };
    // Finds the template a message was made from, after the shortest prefix
    // ending in ": " that lets one match (an argument that opens a template
    // holds no ": "). False for any other message.
    static bool Parse(std::string_view message, Parts& out);
};
