// The one text-reading layer of the data readers: lines, comments, the
// header, separators, numbers, caps, and the form of every message.
#include "platform/core/TextTable.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Every line's fields as "a|b|c", header lines marked "H:".
std::vector<std::string> rows(std::string_view text, TextTable::Rules rules, std::string* error = nullptr)
{
    TextTable t(text, "f.txt", rules);
    std::vector<std::string> out;
    TextTable::Line line;
    while (t.Next(line)) {
        std::string r = line.header ? "H:" : "";
        for (size_t k = 0; k < line.Count(); ++k)
            r += (k ? "|" : "") + std::string(line.fields[k].text);
        out.push_back(r);
    }
    if (error)
        *error = t.Error().str();
    return out;
}

using Rows = std::vector<std::string>;

}  // namespace

TEST(TextTable, SplitsLinesSkipsBomCommentsAndBlankLines)
{
    TextTable::Rules rules;
    EXPECT_EQ(rows("\xEF\xBB\xBF# note\r\n1 2\r\n\r\n  3\t4 # five\n", rules), (Rows{"1|2", "3|4"}));
    EXPECT_EQ(rows("1 2\n3 4", rules), (Rows{"1|2", "3|4"})) << "a last line without its end";
    // Line numbers count comment and blank lines; positions are bytes of the whole text.
    TextTable t("\xEF\xBB\xBF\n# c\n 7,8\r\n", "f", rules);
    TextTable::Line l;
    ASSERT_TRUE(t.Next(l));
    EXPECT_EQ(l.number, 3);
    EXPECT_EQ(l.fields[1].pos, 11u);
    EXPECT_EQ(l.Column(1), 4);
    EXPECT_EQ(t.Text(l), " 7,8") << "the line without its CR LF";
    EXPECT_EQ(l.next, 14u);
    EXPECT_EQ(t.Bom(), 3u);
    EXPECT_FALSE(t.Next(l));
    EXPECT_FALSE(t.Failed());
    // Comments off: '#' is a field's text.
    rules.comments = false;
    EXPECT_EQ(rows("1 #2\n", rules), (Rows{"1|#2"}));
}

TEST(TextTable, HeaderIsAWordNeverABadNumber)
{
    TextTable::Rules rules;
    rules.header = true;
    EXPECT_EQ(rows("\xEF\xBB\xBFtime_ms, rho\n1, 2\n", rules), (Rows{"H:time_ms|rho", "1|2"}));
    // Only the first line holding fields may be a header.
    EXPECT_EQ(rows("# c\nx y\nt z\n", rules), (Rows{"H:x|y", "t|z"}));
    // A first row that is written as a number is a row, however bad the number.
    for (const char* first : {"1e309", "nan", "+-1", "-inf", ".5x", "NaN(1)"})
        EXPECT_EQ(rows(std::string(first) + " 2\n", rules), (Rows{std::string(first) + "|2"})) << first;
    for (const char* word : {"t(s)", "-x", "Inference", "nano", "x_m", "."})
        EXPECT_FALSE(TextTable::LooksNumeric(word)) << word;
    // The field that decides may be another than the first (a station's name leads).
    rules.headerField = 1;
    EXPECT_EQ(rows("station x\nL1 1e309\n", rules), (Rows{"H:station|x", "L1|1e309"}));
    EXPECT_EQ(rows("001 1e309\n", rules), (Rows{"001|1e309"}));
    TextTable t("  t(s)   rho  # names\n1 2\n", "f", rules);
    TextTable::Line l;
    t.Next(l);
    EXPECT_EQ(t.Header(), "t(s)   rho");
    rules.header = false;
    EXPECT_EQ(rows("t z\n", rules), (Rows{"t|z"}));
}

TEST(TextTable, CommasSeparateOneFieldFromTheNext)
{
    TextTable::Rules rules;
    EXPECT_EQ(rows("a , b,c\td\n", rules), (Rows{"a|b|c|d"}));
    std::string error;
    EXPECT_EQ(rows("1 2\n1,,2\n", rules, &error), (Rows{"1|2"}));
    EXPECT_EQ(error, "f.txt:2: has an empty field (two commas, or a comma first)");
    rows(",1\n", rules, &error);
    EXPECT_EQ(error, "f.txt:1: has an empty field (two commas, or a comma first)");
    rows("1, 2 ,  # c\n", rules, &error);
    EXPECT_EQ(error, "f.txt:1: ends in a comma");
    rules.commas = false;
    EXPECT_EQ(rows("a,b c\n", rules), (Rows{"a,b|c"}));
}

TEST(TextTable, NumbersAreStrictAndMessagesNameFileAndLine)
{
    TextTable t("1.5 +-1 1e-40 1e-40 0x10\n", "data/s.dat", {});
    TextTable::Line l;
    ASSERT_TRUE(t.Next(l));
    float f = 0;
    double d = 0;
    EXPECT_TRUE(t.Number(l, 0, f));
    EXPECT_EQ(f, 1.5f);
    EXPECT_FALSE(t.Number(l, 1, f, "measured R"));
    EXPECT_EQ(t.Error().str(), "data/s.dat:1: \"+-1\" is not a number (measured R column)");
    EXPECT_FALSE(t.Number(l, 2, f));
    EXPECT_EQ(t.Error().str(), "data/s.dat:1: \"1e-40\" is out of range");
    EXPECT_TRUE(t.Number(l, 3, d)) << "a double holds 1e-40";
    EXPECT_FALSE(t.Number(l, 4, d));
    EXPECT_FALSE(t.Next(l)) << "a table that failed reads no further";
    EXPECT_FALSE(t.Fail(0, "holds %d rows", 0));
    EXPECT_EQ(t.Error().str(), "data/s.dat: holds 0 rows");
}

TEST(TextTable, CapsFieldsAndFilesAndRefusesBinary)
{
    TextTable::Rules rules;
    rules.maxFieldChars = 8;
    std::string error;
    EXPECT_EQ(rows("12345678\n", rules, &error), (Rows{"12345678"}));
    EXPECT_EQ(rows("1\n123456789\n", rules, &error), (Rows{"1"}));
    EXPECT_EQ(error, "f.txt:2: \"123456789\" is longer than 8 characters, the longest field this reader takes");
    // A quoted field shows control bytes escaped.
    rows("\x1b[2J123456\n", rules, &error);
    EXPECT_EQ(error.find('\x1b'), std::string::npos);

    const std::string path = testsupport::writeFile("table.txt", "1 2\n");
    std::string text;
    CString err;
    EXPECT_TRUE(TextTable::Load(path.c_str(), 4, text, err));
    EXPECT_EQ(text, "1 2\n");
    EXPECT_FALSE(TextTable::Load(path.c_str(), 3, text, err));
    EXPECT_NE(err.str().find("larger than 3 bytes"), std::string::npos) << err.str();
    const std::string bin = testsupport::writeFile("table.bin", std::string("1 2\0", 4));
    EXPECT_FALSE(TextTable::Load(bin.c_str(), 100, text, err));
    EXPECT_EQ(err.str(), bin + ": not a text file (it holds a NUL byte)");
    EXPECT_TRUE(text.empty());
}

TEST(TextTable, NotesTravelInCommentLines)
{
    const std::string text = "\xEF\xBB\xBF# survey of 2026\r\n#tem :  loop_radius=50 rx_area=100  \r\n1 2 # tem: late\n";
    std::string v;
    ASSERT_TRUE(TextTable::Note(text, "tem", v));
    EXPECT_EQ(v, "loop_radius=50 rx_area=100") << "the first such line, trimmed";
    EXPECT_FALSE(TextTable::Note(text, "te", v));
    EXPECT_FALSE(TextTable::Note("tem: 1\n", "tem", v)) << "not a comment";
    const auto all = TextTable::Comments(text);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].text, " survey of 2026");
    EXPECT_EQ(all[2].line, 3);
    EXPECT_EQ(all[2].text, " tem: late");
}
