// The batch's pieces that need no process: file names of stations, the
// contact sheet's escaping, the option parser and the progress line.
#include "BatchOptions.h"
#include "BatchProgress.h"
#include "ContactSheet.h"
#include "StationNames.h"

#include <gtest/gtest.h>

TEST(StationNames, UnsafeNamesBecomeOrdinaryFileNames)
{
    EXPECT_EQ(StationNames::Safe("L1-001"), "L1-001");
    EXPECT_EQ(StationNames::Safe("a/b\\c:d*e?f\"g<h>i|j k"), "a_b_c_d_e_f_g_h_i_j_k");
    EXPECT_EQ(StationNames::Safe(".."), "_.");
    EXPECT_EQ(StationNames::Safe("-rf"), "_rf");
    EXPECT_EQ(StationNames::Safe(""), "station");
    EXPECT_EQ(StationNames::Safe("con"), "_con");
    EXPECT_EQ(StationNames::Safe("COM7.x"), "_COM7.x");
    EXPECT_EQ(StationNames::Safe("COM0"), "COM0");
    EXPECT_EQ(StationNames::Safe("测点\x01\xff"), "测点__");
    // Cut at a character boundary, never inside one.
    std::string chinese;
    for (int i = 0; i < 40; ++i)
        chinese += "测";
    const std::string cut = StationNames::Safe(chinese);
    EXPECT_EQ(cut.size(), 99u);
    EXPECT_EQ(cut, chinese.substr(0, 99));
}

TEST(StationNames, ClashesGetTheFirstFreeNumberWhateverTheCase)
{
    const std::vector<std::string> names =
        StationNames::Assign({"A/1", "a_1", "A_1~2", "B", "A_1", "b"});
    const std::vector<std::string> expect = {"A_1", "a_1~3", "A_1~2", "B", "A_1~4", "b~2"};
    EXPECT_EQ(names, expect);
    EXPECT_EQ(StationNames::Assign({"A/1", "a_1", "A_1~2", "B", "A_1", "b"}), expect);
    // Beyond ASCII: the case of ü/Ü, and the composed and decomposed forms.
    const std::vector<std::string> umlauts = StationNames::Assign({"M\xc3\xbc", "M\xc3\x9c", "Mu\xcc\x88", "Mu"}, StationNames::FoldedKey);
    EXPECT_EQ(umlauts, (std::vector<std::string>{"M\xc3\xbc", "M\xc3\x9c~2", "Mu\xcc\x88~3", "Mu"}));
}

TEST(ContactSheet, NamesFromTheDataCannotBreakThePage)
{
    EXPECT_EQ(ContactSheet::Escape("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
    EXPECT_EQ(ContactSheet::Escape("a\x1b[1m\xc2\x85\xc3\xbc"), "a\\x1b[1m\\xc2\\x85\xc3\xbc");
    EXPECT_EQ(ContactSheet::Href("测 1#?%.png"), "%E6%B5%8B%201%23%3F%25.png");
    const std::string page =
        ContactSheet::Html("S", {{"<b>", "_b_.png", "thumbs/_b_.png", ""}, {"bad", "bad.png", "", "cannot open"}});
    EXPECT_NE(page.find("<a href=\"_b_.png\"><img src=\"thumbs/_b_.png\" alt=\"&lt;b&gt;\""), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("title=\"cannot open\">failed"), std::string::npos);
    EXPECT_EQ(page.find("href=\"bad.png\""), std::string::npos);
}

TEST(BatchOptions, ParsesAndRefusesWithReasons)
{
    BatchOptions o;
    std::string err;
    ASSERT_TRUE(o.Parse({"a.csv", "dir", "-o", "out", "--format", "SVG", "--jobs", "3", "--shard", "2/5", "--quiet",
                         "--no-index", "--model", "2", "--dpi", "300"},
                        err))
        << err;
    EXPECT_EQ(o.inputs, (std::vector<std::string>{"a.csv", "dir"}));
    EXPECT_EQ(o.format, "svg");
    EXPECT_EQ(o.jobs, 3);
    EXPECT_EQ(o.shard, 2);
    EXPECT_EQ(o.shards, 5);
    EXPECT_TRUE(o.quiet);
    EXPECT_FALSE(o.index);
    EXPECT_FALSE(o.Book());
    EXPECT_EQ(o.dpi, 300);

    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"-o", "out"}, "at least one input"},
        {{"a"}, "needs -o"},
        {{"a", "-o", "x", "--shard", "3/2"}, "--shard takes K/N"},
        {{"a", "-o", "x", "--shard", "0/2"}, "--shard takes K/N"},
        {{"a", "-o", "x", "--shard", "1/"}, "--shard takes K/N"},
        {{"a", "-o", "x", "--jobs", "0"}, "--jobs takes"},
        {{"a", "-o", "x", "--format", "jpg"}, "--format takes"},
        {{"a", "-o", "s.PDF", "--format", "png"}, "--format png does not apply"},
        {{"a", "-o", "s.pdf", "--shard", "1/2"}, "cannot be drawn in shards"},
        {{"a", "-o", "x", "--bogus"}, "unknown option --bogus"},
        {{"a", "-o"}, "-o needs a value"},
    };
    for (const auto& [args, expect] : bad) {
        BatchOptions b;
        EXPECT_FALSE(b.Parse(args, err)) << expect;
        EXPECT_NE(err.find(expect), std::string::npos) << err;
    }
}

TEST(BatchProgress, TheBarSaysDoneRateAndTimeLeft)
{
    EXPECT_EQ(BatchProgress::Bar(25, 100, 0.5, 10), "25/100 charts [##........]  50 charts/s  0:02 left");
    EXPECT_EQ(BatchProgress::Bar(100, 100, 2.0, 4), "100/100 charts [####]  50 charts/s");
    EXPECT_EQ(BatchProgress::Bar(0, 0, 0.0, 0), "0/0 charts  0 charts/s");
}
