// The profile file reader: headers, commas, comments, and the line and
// column of every refusal.
#include "TestSupport.h"

#include "profile/ProfileFile.h"

#include <gtest/gtest.h>

namespace {

bool parse(const char* text, ProfileTable& t, CString& error) { return ProfileFile::Parse(text, "p.txt", t, error); }

std::string errorOf(const char* text)
{
    ProfileTable t;
    CString error;
    EXPECT_FALSE(parse(text, t, error)) << text;
    return error.str();
}

}  // namespace

TEST(ProfileFile, ReadsHeadersCommasAndComments)
{
    ProfileTable t;
    CString error;
    ASSERT_TRUE(parse("# line 3\nx, rho1, rho2\n0, 1.5, 2e1 # first\n\n10,\t-3 , +4\n", t, error)) << error.str();
    EXPECT_EQ(t.positionName, "x");
    ASSERT_EQ(t.names.size(), 2u);
    EXPECT_EQ(t.names[1], "rho2");
    EXPECT_EQ(t.x, (std::vector<double>{0, 10}));
    EXPECT_EQ(t.values[1], (std::vector<double>{20, 4}));
    ASSERT_TRUE(parse("1 2 3\n4 5 6\n", t, error));
    EXPECT_EQ(t.positionName, "");
    EXPECT_EQ(t.names[0], "剖面 1");
    EXPECT_EQ(t.Profiles(), 2);
}

TEST(ProfileFile, RefusesBadInputNamingLineAndColumn)
{
    EXPECT_EQ(errorOf("x a b\n1 2 3\n4 five 6\n"), "p.txt:3: column 3: \"five\" is not a number");
    EXPECT_EQ(errorOf("1 2 3\n4 5\n"), "p.txt:2: column 4: short row: 2 numbers where 3 are expected");
    EXPECT_EQ(errorOf("1 2\n4 5 6\n"), "p.txt:2: column 5: long row: 3 numbers where 2 are expected");
    EXPECT_EQ(errorOf("# only words\nx a b\n"), "p.txt: no data: the file holds no rows of numbers");
    EXPECT_EQ(errorOf(""), "p.txt: no data: the file holds no rows of numbers");
    EXPECT_EQ(errorOf("1\n"), "p.txt:1: column 1: a row needs the position and at least one profile's value");
    EXPECT_EQ(errorOf("x a\n1 2\ny b\n"), "p.txt:3: column 1: \"y\" is not a number");
    EXPECT_EQ(errorOf("1 nan\n"), "p.txt:1: column 3: \"nan\" is not a number");
    EXPECT_EQ(errorOf("1 1e999\n"), "p.txt:1: column 3: \"1e999\" is out of range");
    std::string wide = "0";
    for (int i = 0; i <= ProfileFile::kMaxProfiles; ++i)
        wide += " 1";
    EXPECT_NE(errorOf(wide.c_str()).find("more than 64 profiles"), std::string::npos);
    ProfileTable t;
    CString binary;
    EXPECT_FALSE(ProfileFile::Parse(std::string("1 2\0 3\n", 7), "p.txt", t, binary));
    EXPECT_EQ(binary.str(), "p.txt: not a text file (it holds a NUL byte)");

    ProfileTable untouched;
    untouched.x = {42};
    CString error;
    EXPECT_FALSE(ProfileFile::Read("/nonexistent/p.txt", untouched, error));
    EXPECT_NE(error.str().find("cannot open /nonexistent/p.txt"), std::string::npos);
    EXPECT_EQ(untouched.x, std::vector<double>{42});
}
