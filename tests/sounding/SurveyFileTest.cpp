// The survey table reader's strictness and the writer that leaves unedited
// stations byte for byte.
#include "TestSupport.h"

#include "platform/core/TextTable.h"
#include "sounding/SurveyFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const kSurvey = "# line 1, east end\r\n"
                            "station, x, rho, v, rho_fwd, v_fwd\r\n"
                            "L1-001, 1, 120.5, 3.25, 118, 3.1\r\n"
                            "# a note inside the station\r\n"
                            "L1-001,   2.5, 98.0,  2.0, 99, 2.2\r\n"
                            "\r\n"
                            "# next station\r\n"
                            "测点7, 1, 50, 1, 51, 1.5\r\n"
                            "L1-003, 1, 7, 0.5, 7.5, 0.25";

}  // namespace

TEST(SurveyFile, ReadsStationsAndWritesUneditedOnesBackByteForByte)
{
    const std::string path = testsupport::writeFile("survey.csv", kSurvey);
    SurveyTable t;
    CString err;
    ASSERT_TRUE(SurveyFile::Read(path.c_str(), t, err)) << err.GetString();
    ASSERT_EQ(t.Stations(), 3);
    EXPECT_EQ(t.stations[0].name, "L1-001");
    EXPECT_EQ(t.stations[1].name, "测点7");
    EXPECT_EQ(t.stations[0].table.Rows(), 2);
    EXPECT_EQ(t.stations[0].table.x[1], 2.5f);
    EXPECT_EQ(t.stations[0].table.vFwd[1], 2.2f);
    EXPECT_EQ(t.stations[2].table.vFwd[0], 0.25f);
    EXPECT_EQ(t.stations[1].firstLine, 8);
    EXPECT_EQ(t.header, "station, x, rho, v, rho_fwd, v_fwd");
    EXPECT_EQ(t.separator, ", ");
    EXPECT_EQ(t.newline, "\r\n");

    const std::string same = testsupport::tempDir() + "/same.csv";
    ASSERT_TRUE(SurveyFile::Write(same.c_str(), t, err)) << err.GetString();
    EXPECT_EQ(slurp(same), kSurvey);

    // Editing the middle station rewrites its changed numbers only, with the
    // precision of the numbers they replace; separators and spelling stay.
    t.stations[1].table.r[0] = 1.0f / 3.0f;
    t.stations[1].edited = true;
    t.stations[2].table.r[0] = 999;  // not marked: its text stays
    const std::string edited = testsupport::tempDir() + "/edited.csv";
    ASSERT_TRUE(SurveyFile::Write(edited.c_str(), t, err)) << err.GetString();
    std::string expect = kSurvey;
    expect.replace(expect.find("测点7, 1, 50,"), std::string("测点7, 1, 50,").size(), "测点7, 1, 0.33,");
    EXPECT_EQ(slurp(edited), expect);
    SurveyTable back;
    ASSERT_TRUE(SurveyFile::Read(edited.c_str(), back, err));
    EXPECT_EQ(back.stations[1].table.r[0], 0.33f);
    EXPECT_EQ(back.stations[2].table.r[0], 7.0f);

    // A station added after one that ended the file without a line end.
    SurveyStation added;
    added.name = "L1-004";
    float one = 1, two = 2;
    for (auto* c : {&added.table.x, &added.table.r, &added.table.v, &added.table.rFwd})
        c->Add(one);
    added.table.vFwd.Add(two);
    t.stations.push_back(added);
    ASSERT_TRUE(SurveyFile::Write(edited.c_str(), t, err)) << err.GetString();
    const std::string grown = slurp(edited);
    const std::string tail = "L1-003, 1, 7, 0.5, 7.5, 0.25\r\nL1-004, 1, 1, 1, 1, 2\r\n";
    ASSERT_GE(grown.size(), tail.size());
    EXPECT_EQ(grown.substr(grown.size() - tail.size()), tail);
}

TEST(SurveyFile, WhiteSpaceSeparatedTablesWithoutHeaderAndPlainSoundingsAreToldApart)
{
    SurveyTable t;
    CString err;
    ASSERT_TRUE(SurveyFile::Parse("101\t1 2 3 4 5\n101\t10 20 30 40 50\n102\t1 2 3 4 5\n", "s", t, err))
        << err.GetString();
    EXPECT_EQ(t.Stations(), 2);
    EXPECT_EQ(t.separator, "\t");
    EXPECT_TRUE(t.header.empty());
    EXPECT_TRUE(t.lead.empty());

    // Told apart by the first row past comments and header: a name first is
    // a survey; numbered stations need a header naming four or six columns.
    EXPECT_TRUE(SurveyFile::LooksLikeSurvey("\xEF\xBB\xBF# survey\nA1,1,2,3,4,5"));
    EXPECT_TRUE(SurveyFile::LooksLikeSurvey("station x r v rf vf\n101 1 2 3 4 5\n"));
    EXPECT_TRUE(SurveyFile::LooksLikeSurvey("station, x_m, t, r, v\n"));
    EXPECT_TRUE(SurveyFile::LooksLikeSurvey("station t r v\n7 1 2 3\n"));
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("\n101 1 2 3 4 5\n")) << "six numbers: a bad sounding";
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("# a sounding\nt r v rf vf\n1 2 3 4 5\n6 7 8 9 10\n"));
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("t, r, v\n1, 2, 3\n"));
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("1 2 3\n4 5\n"));
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("# nothing yet\n"));
    EXPECT_FALSE(SurveyFile::LooksLikeSurvey("sounding\n1 2 3 4 5\n")) << "a one-word header";
}

TEST(SurveyFile, BadTablesNameTheLineAndLeaveTheTableAlone)
{
    SurveyTable t;
    t.header = "kept";
    CString err;
    const std::pair<std::string, const char*> cases[] = {
        {"A 1 2 3 4 5\nA 1 2 3 4\n", "2: has 5 fields where the first row above has 6"},
        {"A 1 2 3 4 5 6\n", "1: has 7 fields; a survey table has 6"},
        {"s x r v\nA 1 2 3 4 5\n", "2: has 6 fields where the header above has 4"},
        {"s x_m r v\n", "1: the header names 4 columns; a survey table has station, x_m, then"},
        {"# c\nA 1 2 3 4 5\nB 1 2 3 4 5\n\nA 2 2 3 4 5\n",
         "5: station A appears again after station B (line 3); its rows began on line 2"},
        {", 1, 2, 3, 4, 5\n", "1: has an empty field"},
        {"A, 1, 2,, 4, 5\n", "1: has an empty field"},
        {"A, 1, 2, 3, 4, 5,\n", "1: ends in a comma"},
        {"A 1 2 3 4 5\nB 1 2 x 4 5\n", "2: \"x\" is not a number (measured V column)"},
        {"A 1 2 3 4 1e99\n", "1: \"1e99\" is out of range (modelled V column)"},
        {"s x r v rf vf\nA 1 2 3 4 5\nt x r v rf vf\n", "3: \"x\" is not a number (abscissa column)"},
        {"A 1 x 3 4 5\n", "1: \"x\" is not a number (measured R column)"},
        // A first row written as a number is a row, never a header; a byte
        // order mark does not split the first station.
        {"A 1e309 2 3 4 5\n", "1: \"1e309\" is out of range (abscissa column)"},
        {"\xEF\xBB\xBF" "A nan 2 3 4 5\n", "1: \"nan\" is not a number (abscissa column)"},
        {"s, x_m, t, r, v\nA, 1e999, 1, 2, 3\n", "2: \"1e999\" is out of range (x_m column)"},
        {std::string(65, 'N') + " 1 2 3 4 5", "1: \"NNNN"},
        {"# nothing\n\n", " holds no station rows"},
        {"s x r v rf vf\n", " holds no station rows"},
    };
    for (const auto& [content, expect] : cases) {
        EXPECT_FALSE(SurveyFile::Parse(content, "t.csv", t, err)) << content;
        EXPECT_NE(err.str().find(std::string("t.csv:") + expect), std::string::npos) << err.GetString();
        EXPECT_EQ(t.header, "kept");
    }
}

TEST(SurveyFile, WriteRefusesTablesThatWouldNotReadBack)
{
    SurveyTable t;
    CString err;
    ASSERT_TRUE(SurveyFile::Parse("A 1 2 3 4 5\nB 1 2 3 4 5\n", "s", t, err));
    const std::string path = testsupport::writeFile("keep.txt", "old");
    auto refused = [&](const char* expect) {
        EXPECT_FALSE(SurveyFile::Write(path.c_str(), t, err));
        EXPECT_NE(err.str().find(expect), std::string::npos) << err.GetString();
        EXPECT_EQ(slurp(path), "old");
    };
    t.stations[1].name = "A";
    refused("two stations are named A");
    t.stations[1].name = "B C";
    refused("holds a blank, comma or '#'");
    t.stations[1].name = "";
    refused("is empty");
    t.stations[1].name = "B";
    t.stations[1].table.vFwd.RemoveAll();
    refused("the columns of station B differ in length");
    t.stations[1].table = SoundingTable();
    refused("station B has no rows");
}

TEST(SurveyFile, PositionsAndMeasuredOnlyRowsReadAndWriteBackAsWritten)
{
    const std::string text = "\xEF\xBB\xBF# tem: loop_radius=50 rx_area=100\n"
                             "Station, X_M, t_ms, rho, V\n"
                             "L01-001, 0, 0.1, 120.50, 3.25\n"
                             "L01-001, 0.5, 1.0, 98.00, 2.00\n"
                             "L01-002, 25, 0.1, 7.00, 0.50\n";
    SurveyTable t;
    CString err;
    ASSERT_TRUE(SurveyFile::Parse(text, "s", t, err)) << err.GetString();
    EXPECT_TRUE(t.positions);
    EXPECT_EQ(t.columns, 3);
    ASSERT_EQ(t.Stations(), 2) << "the byte order mark does not split the first station";
    EXPECT_EQ(t.stations[0].name, "L01-001");
    EXPECT_EQ(t.stations[0].x, 0.0) << "the first row's position, the second's differs";
    EXPECT_EQ(t.stations[1].x, 25.0);
    EXPECT_EQ(t.stations[0].table.columns, 3);
    EXPECT_EQ(t.stations[0].table.x[1], 1.0f);
    EXPECT_EQ(t.stations[0].table.v[1], 2.0f);
    EXPECT_EQ(t.stations[0].table.rFwd.GetSize(), 0);
    std::string note;
    EXPECT_TRUE(TextTable::Note(t.lead, "tem", note));
    EXPECT_EQ(note, "loop_radius=50 rx_area=100");

    const std::string same = testsupport::tempDir() + "/same.csv";
    ASSERT_TRUE(SurveyFile::Write(same.c_str(), t, err)) << err.GetString();
    EXPECT_EQ(slurp(same), text);
    // An edit keeps the position column and every other number as written.
    t.stations[0].table.r[1] = 101.23456f;
    t.stations[0].edited = true;
    ASSERT_TRUE(SurveyFile::Write(same.c_str(), t, err)) << err.GetString();
    std::string expect = text;
    expect.replace(expect.find("0.5, 1.0, 98.00"), 15, "0.5, 1.0, 101.23");
    EXPECT_EQ(slurp(same), expect);
    // Rows of another count than the first are refused by their line.
    EXPECT_FALSE(SurveyFile::Parse("s, x_m, t, r, v\nA, 0, 1, 2, 3\nA, 0, 1, 2, 3, 4, 5\n", "m.csv", t, err));
    EXPECT_EQ(err.str().substr(0, 41), "m.csv:3: has 7 fields where the header ab");
}
