// The number tokens of a text data file as the user wrote it, and the same
// text with new values put in, keeping comments, blanks and untouched numbers.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class DataText {
public:
    struct Rules {
        // '#' starts a comment that runs to the end of its line.
        bool comments = true;
        // The first line holding anything but a comment may name the columns:
        // it is a header when its first number field does not look like a
        // number (TextTable's rule).
        bool header = false;
        // Commas separate fields as blanks do.
        bool commas = true;
        // A changed value is written in the shortest form that reads back
        // exactly, not with the precision of the number it replaces: for
        // columns computed anew (a model's response), not edited by hand.
        bool fullPrecision = false;
        // Fields at the start of every line that are not values (a survey
        // row's station name): kept as they are, never passed to token().
        size_t leadingFields = 0;
    };

    // Calls token(line, pos, len) for every token outside comments and the
    // header, in file order, until it returns false; line counts from 1.
    // Fields are split as TextTable splits them. Returns the header line's
    // text (empty when none, or when the text is not a table by these rules).
    static std::string_view Scan(std::string_view text, Rules rules,
                                 const std::function<bool(int line, size_t pos, size_t len)>& token);

    // The text with token k holding values(k), for k = 0 .. count-1: a token
    // whose value is unchanged keeps its spelling; a changed one is written
    // with the precision of the number it replaces (as many decimals, or
    // significant digits in an exponent form, at least two significant
    // digits), and the blanks beside it give or take room so that its
    // column stays aligned with the lines around it (right-aligned columns
    // keep their end, others their start; comma-separated fields keep
    // their separators as they are).
    // False when the text does not hold exactly count tokens.
    static bool Rewrite(std::string_view text, Rules rules, size_t count, const std::function<float(size_t)>& values,
                        std::string& out);
};
