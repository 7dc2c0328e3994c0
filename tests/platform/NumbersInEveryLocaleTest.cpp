// Numbers read and written the same under a decimal-comma locale: labels,
// saved files, read files and typed values. The locale is built for the test
// with localedef into a temporary folder.
#include "TestSupport.h"

#include "axis/BoundedNumber.h"
#include "model1d/LayeredModelFile.h"
#include "platform/core/CLocaleScope.h"
#include "platform/core/CappedFile.h"
#include "platform/core/NumberFormat.h"
#include "sounding/SoundingFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class DecimalCommaLocale : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (std::system("command -v localedef >/dev/null 2>&1") != 0)
            return;
        const std::string dir = testsupport::tempDir();
        const std::string cmd = "localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0 && std::system(("test -d " + dir + "/de_DE.UTF-8").c_str()) != 0)
            return;
        setenv("LOCPATH", dir.c_str(), 1);
        s_ready = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    static void TearDownTestSuite()
    {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
    void SetUp() override
    {
        if (!s_ready)
            GTEST_SKIP() << "no localedef or de_DE definition on this machine";
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        ASSERT_STREQ(buf, "1,5") << "the decimal-comma locale is not in force";
    }
    static bool s_ready;
};

bool DecimalCommaLocale::s_ready = false;

}  // namespace

TEST_F(DecimalCommaLocale, LabelsAndSavedFilesKeepThePoint)
{
    CString s;
    s.Format("%.1f %g", 0.1, 2.25);
    EXPECT_EQ(s.str(), "0.1 2.25");
    EXPECT_EQ(BoundedNumber::Format(10.0, 1, 19).str(), "10.0");
    EXPECT_EQ(NumberFormat::Shortest(2.25f), "2.25");

    SoundingTable t;
    CString err;
    const std::string in = testsupport::writeFile("s.dat", "0.400 1.5 2.25 3 4\n");
    ASSERT_TRUE(SoundingFile::Read(in.c_str(), 0, t, err)) << err.GetString();
    EXPECT_EQ(t.x[0], 0.4f);
    const std::string out = testsupport::tempDir() + "/out.dat";
    t.r[0] = 2.5f;  // an edited value is written afresh, unedited ones as they were
    ASSERT_TRUE(SoundingFile::Write(out.c_str(), t, err));
    std::string text;
    ASSERT_TRUE(CappedFile::ReadAll(out.c_str(), 1000, text, err));
    EXPECT_EQ(text, "0.400 2.5 2.25 3 4\n");

    LayeredModel m;
    ASSERT_TRUE(LayeredModelFile::Parse("10.5 100\n250\n", "m", m, err)) << err.GetString();
    EXPECT_EQ(m.thick[0], 10.5f);
}

TEST_F(DecimalCommaLocale, TypedValuesTakeAPointAndScopesRestoreTheLocale)
{
    float v = 0;
    EXPECT_TRUE(BoundedNumber::ParseFloat("2.5", v));
    EXPECT_EQ(v, 2.5f);
    {
        const CLocaleScope classic;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        EXPECT_STREQ(buf, "1.5");
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    EXPECT_STREQ(buf, "1,5") << "the scope did not give the thread's locale back";
}
