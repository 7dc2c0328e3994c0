// Number tokens of data files: the forms taken, the forms refused and why,
// and how a refused token is quoted back to the user.
#include "platform/core/TextNumber.h"

#include <gtest/gtest.h>

TEST(TextNumber, TakesCFormsAndSaysWhyOthersAreRefused)
{
    using R = TextNumber::Result;
    float f = -1;
    EXPECT_EQ(TextNumber::Read("0.400", f), R::Ok);
    EXPECT_EQ(f, 0.4f);
    EXPECT_EQ(TextNumber::Read("+4", f), R::Ok);
    EXPECT_EQ(f, 4.0f);
    EXPECT_EQ(TextNumber::Read("-2e-3", f), R::Ok);
    EXPECT_EQ(f, -0.002f);
    EXPECT_EQ(TextNumber::Read("0", f), R::Ok);
    EXPECT_EQ(TextNumber::Read("1e39", f), R::OutOfRange);
    EXPECT_EQ(TextNumber::Read("1e-99999", f), R::OutOfRange);
    EXPECT_EQ(TextNumber::Read("1e-42", f), R::OutOfRange);  // denormal only
    EXPECT_EQ(f, 0.0f) << "a refused token changed the value";
    double d = 0;
    EXPECT_EQ(TextNumber::Read("1e39", d), R::Ok);
    EXPECT_EQ(d, 1e39);
    for (const char* bad : {"0x1p3", "inf", "nan", "-", "+", "++1", "+-1", "1,5", "1.5.", "", " 1"})
        EXPECT_EQ(TextNumber::Read(bad, f), R::NotANumber) << bad;
    EXPECT_STREQ(TextNumber::Describe(R::OutOfRange), "is out of range");
}

TEST(TextNumber, QuotesEscapeControlBytesAndNeverCutACharacter)
{
    EXPECT_EQ(TextNumber::Quote("a\x1b[31mb"), "a\\x1b[31mb");
    EXPECT_EQ(TextNumber::Quote("\xff\xfe"), "\\xff\\xfe");
    EXPECT_EQ(TextNumber::Quote("\xe5\xae"), "\\xe5\\xae");  // a cut character
    // 39 ASCII characters and then a three-byte character: the 40th is whole.
    const std::string s = std::string(39, 'a') + "深度" + "x";
    EXPECT_EQ(TextNumber::Quote(s), std::string(39, 'a') + "深...");
    EXPECT_EQ(TextNumber::Quote(std::string(40, 'b')), std::string(40, 'b'));
}
