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
    // The shortest form that reads back exactly, not six decimals.
    EXPECT_EQ(Rewritten("1 2\n", {1, 1.0f / 3.0f}), "1 0.33333334\n");
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
              "5     80.125  # sand\n1.5   20      # clay\n30    250\n7\n");
    // No room left: one blank always stays between a number and the text
    // beside it, the line grows instead.
    EXPECT_EQ(Rewritten(" 1 2\n10 3\n", {1, 2, 10.0625f, 3}), " 1 2\n10.0625 3\n");
    // Numbers all as wide tell nothing: a column set off by blanks is
    // taken as right-aligned, one at the line's start as left-aligned.
    EXPECT_EQ(Rewritten("1  2\n1  3\n", {1, 2.03125f, 1.5f, 3}), "1 2.03125\n1.5 3\n");
}
