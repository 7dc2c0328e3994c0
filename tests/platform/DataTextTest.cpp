// Writing a data file's text back with new values: everything but the
// changed numbers stays byte for byte, and columns stay aligned.
#include "platform/core/DataText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The text with the given values; false when the counts differ.
std::string Rewritten(const std::string& text, const std::vector<float>& values, DataText::Rules rules = {})
{
    std::string out;
    EXPECT_TRUE(DataText::Rewrite(text, rules, values.size(), [&](size_t k) { return values[k]; }, out)) << text;
    return out;
}

}  // namespace

TEST(DataText, UnchangedValuesKeepTheirSpellingAndCommentsStay)
{
    const std::string text = "# cover\n\n5     80      # dry sand cover\n15\t20.00\r\n  # note\n1.2e2 # granite\n";
    EXPECT_EQ(Rewritten(text, {5, 80, 15, 20, 120}), text);
    // 0.4 as a float is 0.400000006: a changed neighbour must not respell it.
    EXPECT_EQ(Rewritten("0.4 1\n", {0.4f, 2}), "0.4 2\n");
    // A changed value takes the precision of the number it replaces, two
    // significant digits at least.
    EXPECT_EQ(Rewritten("1 2\n", {1, 1.0f / 3.0f}), "1 0.33\n");
    // -0 is not 0: a sign the user typed is not lost, nor one added.
    EXPECT_EQ(Rewritten("-0 0\n", {-0.0f, 0.0f}), "-0 0\n");

    std::string out;
    EXPECT_FALSE(DataText::Rewrite("1 2 3\n", {}, 2, [](size_t) { return 0.0f; }, out));
    EXPECT_TRUE(out.empty());
}

TEST(DataText, ChangedValuesKeepTheirColumnsAligned)
{
    // Right-aligned columns keep their end: a longer value takes blanks
    // from its left, a shorter one gives them back there.
    const std::string right = "    0.400   326.20\n    0.608   303.65\n   11.400    68.92\n";
    EXPECT_EQ(Rewritten(right, {0.4f, 1326.25f, 0.608f, 3.5f, 11.4f, 68.92f}),
              "    0.400  1326.25\n    0.608      3.5\n   11.400    68.92\n");
    // Left-aligned columns keep their start, taking and giving blanks on
    // their right; a value at the end of its line adds no trailing blank.
    const std::string left = "5     80      # sand\n15    20      # clay\n30    250\n120\n";
    EXPECT_EQ(Rewritten(left, {5, 80.125f, 1.5f, 20, 30, 250, 7}),
              "5     80.1    # sand\n1.5   20      # clay\n30    250\n7\n");
    // No room left: one blank always stays between a number and the text
    // beside it, the line grows instead.
    EXPECT_EQ(Rewritten(" 1 2\n10 3\n", {1, 2, 10.0625f, 3}), " 1 2\n10.1 3\n");
    // Numbers all as wide tell nothing: a column set off by blanks is
    // taken as right-aligned, one at the line's start as left-aligned.
    EXPECT_EQ(Rewritten("1  2\n1  3\n", {1, 2.03125f, 1.5f, 3}), "1 2.03\n1.5 3\n");
}

TEST(DataText, ChangedValuesTakeThePrecisionOfTheDataAndAreNeverLost)
{
    // A dragged value in a column of two decimals, in exponent forms of
    // three significant digits either case.
    EXPECT_EQ(Rewritten("326.20\n", {398.19754f}), "398.20\n");
    EXPECT_EQ(Rewritten("1.25e-3 3.20E+02\n", {1.23456e-3f, 398.1975f}), "1.23e-3 3.98E+02\n");
    // A value exact in no more digits than the old one: its shortest form.
    EXPECT_EQ(Rewritten("326.20\n", {3.5f}), "3.5\n");
    // Rounded to the column it would read back as the old value: a digit
    // more, so that the edit is kept.
    EXPECT_EQ(Rewritten("96\n", {95.5f}), "95.5\n");
    EXPECT_EQ(Rewritten("2.0\n", {2.03125f}), "2.03\n");
    // Where the column's precision holds nothing of the value: its shortest form.
    EXPECT_EQ(Rewritten("0.5\n", {1e-30f}), "1e-30\n");
    EXPECT_EQ(Rewritten("1\n", {3.4028235e38f}), "3.4028235e+38\n");
    EXPECT_EQ(Rewritten("-1.5\n", {-0.123456f}), "-0.12\n");
}

TEST(DataText, CommaSeparatedFieldsAndLeadingNamesStayAsWritten)
{
    DataText::Rules rules;
    rules.header = true;
    EXPECT_EQ(Rewritten("t, a\n1.00, 2.50\n3.00,4.50\n", {1, 2.756f, 3.125f, 4.5f}, rules),
              "t, a\n1.00, 2.76\n3.12,4.50\n");
    rules.header = false;
    rules.leadingFields = 2;
    EXPECT_EQ(Rewritten("L1 100 5 1.5\nL1 100 6 2.5\n", {5, 1.75f, 6, 2.5f}, rules),
              "L1 100 5 1.8\nL1 100 6 2.5\n");
}
