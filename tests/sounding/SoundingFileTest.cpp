// The strict sounding file reader (a row a line, or a stream of numbers) and
// the safe writer that keeps the file as its user wrote it.
#include "TestSupport.h"

#include "platform/core/CappedFile.h"
#include "sounding/SoundingFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <cmath>
#include <limits>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>

TEST(SoundingFile, AStreamReadsRowsWhateverTheLineBreaksAndWritesThemBackExactly)
{
    const std::string path = testsupport::writeFile("a.dat", "1 2\n3 4 5 10\n20 30 40 50\n\n100 0.1 -2e-3 +4 5.5");
    SoundingTable t;
    CString err;
    EXPECT_FALSE(SoundingFile::Read(path.c_str(), 0, t, err));
    EXPECT_NE(err.str().find("a.dat:1: holds 2 numbers"), std::string::npos) << err.GetString();
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err, SoundingFile::Layout::Stream)) << err.GetString();
    ASSERT_EQ(t.Rows(), 3);
    EXPECT_EQ(t.x[1], 10.0f);
    EXPECT_EQ(t.vFwd[1], 50.0f);
    EXPECT_FLOAT_EQ(t.v[2], -0.002f);
    t.r[0] = 1.0f / 3.0f;  // written with the two significant digits of the "2" it replaces
    const std::string out = testsupport::tempDir() + "/out.dat";
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    SoundingTable back;
    ASSERT_TRUE(SoundingFile::Read(out.c_str(), 0, back, err, SoundingFile::Layout::Stream));
    EXPECT_EQ(back.r[0], 0.33f);
    EXPECT_EQ(back.x[2], 100.0f);

    SoundingTable two;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 2, two, err, SoundingFile::Layout::Stream));
    EXPECT_EQ(two.Rows(), 2);
}

TEST(SoundingFile, SavingKeepsCommentsHeaderAndTheSpellingOfUneditedNumbers)
{
    const std::string text = "# loop 100 m, Tx 10 A\ntime_ms  R       V       Rfwd    Vfwd\n"
                             "  0.400  326.20   35.03  322.54   35.48   # early\n"
                             "  0.608  303.65   41.09  296.56   42.77\n\n"
                             " 11.400   68.92  111.51   73.79  116.03\n";
    const std::string path = testsupport::writeFile("kept.dat", text);
    SoundingTable t;
    CString err;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err)) << err.GetString();
    ASSERT_EQ(t.Rows(), 3);
    EXPECT_EQ(t.header, "time_ms  R       V       Rfwd    Vfwd");
    EXPECT_EQ(t.v[2], 111.51f);

    const std::string out = testsupport::tempDir() + "/kept.dat";
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    std::string back;
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back, text);

    t.r[1] = 1303.25f;  // edits: right-aligned in their column
    t.v[0] = 0.4f;      // exact in fewer digits than the column's: its shortest form
    t.rFwd[2] = 398.19754f;  // dragged: the column's two decimals
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    std::string edited = text;
    edited.replace(edited.find("  303.65"), 8, " 1303.25");
    edited.replace(edited.find("   35.03"), 8, "     0.4");
    edited.replace(edited.find("   73.79"), 8, "  398.20");
    EXPECT_EQ(back, edited);

    // A table made in memory has no text to keep: five numbers a line.
    SoundingTable fresh = t;
    fresh.source.reset();
    fresh.header.clear();
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), fresh, err));
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back.substr(0, 30), "0.4 326.2 0.4 322.54 35.48\n0.6");
}

TEST(SoundingFile, MeasuredOnlyAndCommaSeparatedFilesReadAndWriteBack)
{
    // Three columns, commas, a byte order mark, a header and comments.
    const std::string text = "\xEF\xBB\xBF# TEM, loop 50 m\r\nt(s), rho, V\r\n1e-5, 120.5, 3.2e-3\r\n"
                             "2e-5,  98.25, 1.10e-3 # late\r\n";
    const std::string path = testsupport::writeFile("m.csv", text);
    SoundingTable t;
    CString err;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err)) << err.GetString();
    EXPECT_EQ(t.columns, 3);
    ASSERT_EQ(t.Rows(), 2);
    EXPECT_EQ(t.header, "t(s), rho, V");
    EXPECT_EQ(t.x[0], 1e-5f);
    EXPECT_EQ(t.v[1], 1.10e-3f);
    EXPECT_EQ(t.rFwd.GetSize(), 0);
    EXPECT_EQ(t.vFwd.GetSize(), 0);
    const std::string out = testsupport::tempDir() + "/m.csv";
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    std::string back;
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back, text);
    t.v[1] = 1.2345e-3f;  // an exponent form keeps its three significant digits
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    EXPECT_NE(back.find("2e-5,  98.25, 1.23e-3 # late"), std::string::npos) << back;

    // Made in memory: three numbers a line.
    SoundingTable fresh = t;
    fresh.source.reset();
    fresh.header.clear();
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), fresh, err)) << err.GetString();
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back, "1e-05 120.5 0.0032\n2e-05 98.25 0.0012345\n");
    // Five columns declared but three held: refused, not written short.
    fresh.columns = 5;
    EXPECT_FALSE(SoundingFile::Write(out.c_str(), fresh, err));
    EXPECT_EQ(err.str(), "the modelled R column holds 0 values for 2 rows");
}

TEST(SoundingFile, WhatWriteWritesReadReadsAtTheLimitsOfAFloat)
{
    SoundingTable t;
    const float lo = std::numeric_limits<float>::min(), hi = std::numeric_limits<float>::max();
    for (float v : {lo, -lo, hi, -hi, 0.0f, 1e-37f}) {
        float x = 1.0f;
        t.x.Add(x);
        t.r.Add(v);
        t.v.Add(v);
        t.rFwd.Add(v);
        t.vFwd.Add(v);
    }
    const std::string out = testsupport::tempDir() + "/limits.dat";
    CString err;
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    SoundingTable back;
    ASSERT_TRUE(SoundingFile::Read(out.c_str(), 0, back, err)) << err.GetString();
    for (int i = 0; i < t.Rows(); ++i)
        EXPECT_EQ(back.r[i], t.r[i]) << i;
    // One step past the least normal float: a value the reader refuses is
    // never written.
    float denormal = std::nextafter(lo, 0.0f);
    t.v.SetAt(3, denormal);
    EXPECT_FALSE(SoundingFile::Write(out.c_str(), t, err));
    EXPECT_NE(err.str().find("row 4: the measured V value"), std::string::npos) << err.GetString();
    EXPECT_NE(err.str().find("too small to be read back"), std::string::npos) << err.GetString();
    float tiny = 1e-40f;
    t.v.SetAt(3, tiny);
    EXPECT_FALSE(SoundingFile::Write(out.c_str(), t, err));
    SoundingTable still;
    ASSERT_TRUE(SoundingFile::Read(out.c_str(), 0, still, err)) << "the refused write left the file as it was";
    EXPECT_EQ(still.v[3], -hi);
}

TEST(SoundingFile, BadFilesNameTheLineOrRowAndLeaveTheTableAlone)
{
    SoundingTable t;
    float one = 1.0f;
    t.x.Add(one);
    CString err;
    using L = SoundingFile::Layout;
    const std::tuple<L, const char*, const char*> cases[] = {
        {L::Stream, "1 2 3 4 5 6 7", "bad.dat:1: row 2 is short of five numbers (has 2)"},
        {L::Stream, "1 2 3 4 5\n6 7 8 nan 9", "bad.dat:2: \"nan\" is not a number (modelled R column)"},
        {L::Stream, "# c\n1 2 3 4 5", "bad.dat:1: \"#\" is not a number"},
        {L::Lines, "1 2 3 4 5\n6 7 8 1e999 9", "bad.dat:2: \"1e999\" is out of range"},
        {L::Lines, "1 2 3 4 5,", "bad.dat:1: ends in a comma"},
        // A two-column file is refused, not read five numbers at a time.
        {L::Lines, "# t rho\n1 2\n3 4\n5 6\n7 8\n9 10\n", "bad.dat:2: holds 2 numbers; a sounding row holds five"},
        {L::Lines, "1 2 3 4 5 6 # six\n", "bad.dat:1: holds 6 numbers"},
        {L::Lines, "1 2 3 4\n", "bad.dat:1: holds 4 numbers"},
        // A file keeps one count of columns.
        {L::Lines, "1 2 3\n4 5 6 7 8\n", "bad.dat:2: holds 5 numbers where the rows above hold 3"},
        {L::Lines, "t R V r v\nx R V r v\n1 2 3 4 5", "bad.dat:2: \"x\" is not a number (abscissa column)"},
        {L::Lines, "1 2 3 4 5\nt R V r v\n", "bad.dat:2: \"t\" is not a number"},
        // A first row written as a number is never taken for a header.
        {L::Lines, "1e309 2 3 4 5\n1 2 3 4 5\n", "bad.dat:1: \"1e309\" is out of range (abscissa column)"},
        {L::Lines, "\xEF\xBB\xBFnan 2 3\n", "bad.dat:1: \"nan\" is not a number (abscissa column)"},
        {L::Lines, "# c\n+-1 2 3\n", "bad.dat:2: \"+-1\" is not a number (abscissa column)"},
        {L::Lines, "# only a comment\nt R V r v\n", "bad.dat: holds no sounding rows"},
        {L::Lines, "", "holds no sounding rows"},
        {L::Stream, "   \n\n", "holds no sounding rows"},
    };
    for (const auto& [layout, content, expect] : cases) {
        const std::string path = testsupport::writeFile("bad.dat", content);
        EXPECT_FALSE(SoundingFile::Read(path.c_str(), 0, t, err, layout)) << content;
        EXPECT_NE(err.str().find(expect), std::string::npos) << err.GetString();
        EXPECT_EQ(t.Rows(), 1);
    }
    EXPECT_FALSE(SoundingFile::Read("/no/such.dat", 0, t, err));
    EXPECT_NE(err.str().find("cannot open /no/such.dat"), std::string::npos);
}

TEST(SoundingFile, AFailedWriteKeepsTheOldFile)
{
    const std::string dir = testsupport::tempDir();
    const std::string path = dir + "/keep.dat";
    std::ofstream(path) << "1 2 3 4 5\n";
    SoundingTable uneven;
    float f = 1.0f;
    uneven.x.Add(f);
    CString err;
    EXPECT_FALSE(SoundingFile::Write(path.c_str(), uneven, err));
    EXPECT_EQ(err.str(), "the measured R column holds 0 values for 1 rows");
    SoundingTable wild;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, wild, err));
    wild.vFwd[0] = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(SoundingFile::Write(path.c_str(), wild, err));
    EXPECT_EQ(err.str(), "row 1: the modelled V value inf is not a finite number");
    SoundingTable t;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err));
    EXPECT_FALSE(SoundingFile::Write((dir + "/missing/keep.dat").c_str(), t, err));
    EXPECT_NE(err.str().find("cannot write beside"), std::string::npos) << err.GetString();
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "1 2 3 4 5");
}
