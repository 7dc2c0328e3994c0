// The strict sounding file reader and the safe writer.
#include "TestSupport.h"

#include "sounding/SoundingFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

TEST(SoundingFile, ReadsRowsWhateverTheLineBreaksAndWritesThemBackExactly)
{
    const std::string path = testsupport::writeFile("a.dat", "1 2\n3 4 5 10\n20 30 40 50\n\n100 0.1 -2e-3 +4 5.5");
    SoundingTable t;
    CString err;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err)) << err.GetString();
    ASSERT_EQ(t.Rows(), 3);
    EXPECT_EQ(t.x[1], 10.0f);
    EXPECT_EQ(t.vFwd[1], 50.0f);
    EXPECT_FLOAT_EQ(t.v[2], -0.002f);
    t.r[0] = 1.0f / 3.0f;  // needs all nine digits to come back
    const std::string out = testsupport::tempDir() + "/out.dat";
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err)) << err.GetString();
    SoundingTable back;
    ASSERT_TRUE(SoundingFile::Read(out.c_str(), 0, back, err));
    EXPECT_EQ(back.r[0], t.r[0]);
    EXPECT_EQ(back.x[2], 100.0f);

    SoundingTable two;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 2, two, err));
    EXPECT_EQ(two.Rows(), 2);
}

TEST(SoundingFile, BadFilesNameTheRowAndLeaveTheTableAlone)
{
    SoundingTable t;
    float one = 1.0f;
    t.x.Add(one);
    CString err;
    const std::pair<const char*, const char*> cases[] = {
        {"1 2 3 4 5 6 7", "row 2 is short of five numbers (has 2)"},
        {"1 2 3 4 5\n6 7 8 nan 9", "row 2: \"nan\" is not a number (modelled R column)"},
        {"1 2 3 4 5\n6 7 8 1e999 9", "row 2: \"1e999\" is out of range"},
        {"1 2 3 4 5,", "row 1: \"5,\" is not a number"},
        {"", "holds no sounding rows"},
        {"   \n\n", "holds no sounding rows"},
    };
    for (const auto& [content, expect] : cases) {
        const std::string path = testsupport::writeFile("bad.dat", content);
        EXPECT_FALSE(SoundingFile::Read(path.c_str(), 0, t, err)) << content;
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
    EXPECT_NE(err.str().find("differ in length"), std::string::npos);
    SoundingTable t;
    ASSERT_TRUE(SoundingFile::Read(path.c_str(), 0, t, err));
    EXPECT_FALSE(SoundingFile::Write((dir + "/missing/keep.dat").c_str(), t, err));
    EXPECT_NE(err.str().find("cannot write beside"), std::string::npos) << err.GetString();
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "1 2 3 4 5");
}
