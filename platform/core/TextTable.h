// The one way the data readers read text: a table of fields a line, with
// '#' comments, an optional header line naming the columns, fields
// separated by blanks, tabs or commas, numbers read strictly by TextNumber,
// and every message in the form "name:line: message".
#pragma once

#include "platform/core/CString.h"
#include "platform/core/ReaderMessage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TextTable {
public:
    struct Rules {
        // '#' starts a comment that runs to the end of its line.
        bool comments = true;
        // A comma separates two fields as blanks do (one comma, blanks
        // around it allowed); a comma with no field on one side of it is
        // refused. Off: a comma is part of its field.
        bool commas = true;
        // The first line holding a field may name the columns: it does when
        // its field headerField (0 = the first) does not look like a number.
        // A field that looks like one ("1e309", "nan", "+-1") makes the line
        // a row, whose bad number is then refused by its line.
        bool header = false;
        size_t headerField = 0;
        // The longest field taken; a longer one is refused (0: no cap).
        size_t maxFieldChars = 64;
    };

    struct Field {
        std::string_view text;
        size_t pos = 0;  // byte offset in the whole text
    };

    struct Line {
        int number = 0;        // from 1
        size_t start = 0;      // first byte of the line
        size_t end = 0;        // end of the line, before "\n" or "\r\n"
        size_t next = 0;       // first byte of the next line
        std::vector<Field> fields;
        bool header = false;   // the header line naming the columns

        size_t Count() const noexcept { return fields.size(); }
        // 1-based character column of field k, for messages.
        int Column(size_t k) const noexcept { return static_cast<int>(fields[k].pos - start) + 1; }
    };

    // name stands for the file in messages ("name:line: ..."); text must
    // outlive the table. A UTF-8 byte order mark at its start is skipped.
    TextTable(std::string_view text, std::string name, Rules rules);

    // Reads path (a file, pipe or FIFO) into text, up to maxBytes: false
    // with a message naming path when it cannot be read, is larger (the
    // message names the cap) or holds a NUL byte (not a text file).
    static bool Load(const char* path, size_t maxBytes, std::string& text, CString& error);

    // The next line holding a field (the header line included, marked so),
    // comment and blank lines skipped. False at the end of the text, or on a
    // line the rules refuse (Failed() then true, Error() saying why).
    bool Next(Line& line);

    // Field k of line as a number, the same in every locale. False with
    // "name:line: "tok" is not a number (what column)" when it is not one,
    // or is beyond the type's range. what may be null.
    bool Number(const Line& line, size_t k, float& out, const char* what = nullptr);
    bool Number(const Line& line, size_t k, double& out, const char* what = nullptr);

    // Records "name:line: message" (line 0: "name: message") and returns
    // false, so that a reader can write "return table.Fail(...)".
    bool Fail(int line, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
    // The same with one of the readers' common complaints, which a host can
    // translate.
    bool Fail(int line, ReaderMessage::Id id, std::initializer_list<std::string> args = {});
    bool Failed() const noexcept { return m_failed; }
    const CString& Error() const noexcept { return m_error; }

    // The header line's text from its first field to its last (no comment);
    // empty when the text has none (or it was not reached yet).
    std::string_view Header() const noexcept { return m_header; }
    // A line's text (without its line end), as read.
    std::string_view Text(const Line& line) const { return m_text.substr(line.start, line.end - line.start); }
    std::string_view Source() const noexcept { return m_text; }
    const std::string& Name() const noexcept { return m_name; }
    // Bytes of the byte order mark skipped at the start (0 or 3).
    size_t Bom() const noexcept { return m_bom; }

    // Whether a field is written as a number would be: an optional sign or
    // signs, then a digit or a point and a digit, or an infinity or NaN by
    // name. Such a field is a value (good or bad), never a column's name.
    static bool LooksNumeric(std::string_view field);

    // A comment line of the form "# key: value" (blanks around allowed):
    // the first one's value in value, true when found. Hosts read settings
    // that travel with the data this way ("# tem: loop_radius=50").
    static bool Note(std::string_view text, std::string_view key, std::string& value);
    // Every comment of text (what follows '#', to the end of its line) with
    // its line number, in file order.
    struct Comment {
        int line;
        std::string_view text;
    };
    static std::vector<Comment> Comments(std::string_view text);

private:
    bool split(Line& line, size_t stop);
    bool fail(int line, const CString& message);

    std::string_view m_text;
    std::string m_name;
    Rules m_rules;
    size_t m_pos = 0;
    size_t m_bom = 0;
    int m_line = 0;
    bool m_seenField = false;
    bool m_failed = false;
    std::string_view m_header;
    CString m_error;
};
