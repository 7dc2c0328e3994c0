// The layered model text file: reading with comments, exact write-back,
// clear refusals of bad files, and drawing a model file to an image.
#include "TestSupport.h"

#include "model1d/LayeredModelFile.h"
#include "platform/core/CappedFile.h"
#include "model1d/LayeredModelRender.h"

#include <QImage>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

TEST(LayeredModelFile, ReadsLayersAndHalfSpaceAndWritesThemBackExactly)
{
    const std::string path =
        testsupport::writeFile("m.txt", "# cover\n\n 10  100 # top\n20\t10\r\n  # note\n1e3\n\n");
    LayeredModel m;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read(path.c_str(), m, err)) << err.GetString();
    ASSERT_EQ(m.Layers(), 3);
    ASSERT_EQ(m.thick.GetSize(), 2);
    EXPECT_EQ(m.thick[1], 20.0f);
    EXPECT_EQ(m.res[2], 1000.0f);

    m.res[1] = 1.0f / 3.0f;  // written with the two significant digits of the number it replaces
    const std::string out = testsupport::tempDir() + "/out.txt";
    ASSERT_TRUE(LayeredModelFile::Write(out.c_str(), m, err)) << err.GetString();
    LayeredModel back;
    ASSERT_TRUE(LayeredModelFile::Read(out.c_str(), back, err)) << err.GetString();
    EXPECT_EQ(back.res[1], 0.33f);
    EXPECT_EQ(back.thick[0], 10.0f);

    LayeredModel half;
    ASSERT_TRUE(LayeredModelFile::Parse("42", "x", half, err));
    EXPECT_EQ(half.Layers(), 1);
    EXPECT_EQ(half.thick.GetSize(), 0);

    ASSERT_TRUE(LayeredModelFile::Read(TARNEX_SOURCE_DIR "/data/layered-model.txt", m, err)) << err.GetString();
    EXPECT_GE(m.Layers(), 2);
}

TEST(LayeredModelFile, SavingKeepsCommentsAlignmentAndUneditedNumbers)
{
    std::string text;
    CString err;
    ASSERT_TRUE(CappedFile::ReadAll(TARNEX_SOURCE_DIR "/data/layered-model.txt", 1 << 16, text, err));
    const std::string path = testsupport::writeFile("sand.txt", text);
    LayeredModel m;
    ASSERT_TRUE(LayeredModelFile::Read(path.c_str(), m, err)) << err.GetString();
    ASSERT_TRUE(LayeredModelFile::Write(path.c_str(), m, err)) << err.GetString();
    std::string back;
    ASSERT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back, text);

    m.res[0] = 95.5f;  // dragged: whole ohm-metres as its column, the comment in its place
    m.thick[1] = 0.4f;
    ASSERT_TRUE(LayeredModelFile::Write(path.c_str(), m, err)) << err.GetString();
    ASSERT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 16, back, err));
    std::string edited = text;
    for (const auto& [was, now] : {std::pair<std::string, std::string>{"5     80      # dry", "5     96      # dry"},
                                   {"15    20 ", "0.4   20 "}})
        edited.replace(edited.find(was), was.size(), now);
    EXPECT_EQ(back, edited);

    // Another number of layers: the leading comments stay, the layers are
    // written afresh.
    float r = 7.0f, h = 3.0f;
    m.thick.Add(h);
    m.res.Add(r);
    ASSERT_TRUE(LayeredModelFile::Write(path.c_str(), m, err)) << err.GetString();
    ASSERT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 16, back, err));
    EXPECT_EQ(back.substr(0, back.find("\n5 95.5\n")), text.substr(0, text.find("\n5 ")));
    LayeredModel five;
    ASSERT_TRUE(LayeredModelFile::Read(path.c_str(), five, err)) << err.GetString();
    EXPECT_EQ(five.Layers(), 5);
    EXPECT_EQ(five.res[0], 95.5f);
}

TEST(LayeredModelFile, BadFilesNameTheLineAndLeaveTheModelAlone)
{
    std::string many;
    for (int i = 0; i < LayeredModelFile::kMaxLayers; ++i)
        many += "1 1\n";
    many += "5\n";
    const std::pair<std::string, const char*> cases[] = {
        {"10 abc\n5", "m:1: \"abc\" is not a number"},
        {"10 100\nnan", "m:2: \"nan\" is not a number"},
        {"0 100\n5", "m:1: thickness 0 must be greater than 0"},
        {"10 -3\n5", "m:1: resistivity -3 must be greater than 0"},
        {"10 100\n0", "m:2: half-space resistivity 0 must be greater than 0"},
        {"10 1e6\n5", "m:1: resistivity 1e+06 exceeds 100000"},
        {"60000 1\n60000 1\n5", "m:2: the layers reach 120000 below the surface"},
        {"10 100\n20 10", "m:2: missing half-space"},
        {"10\n5", "m:1: a layer line must hold two numbers (thickness resistivity), found 1"},
        {"10 100 7\n5", "m:1: a layer line must hold two numbers"},
        {"10 100\n5 6 7", "m:2: the half-space line must hold one number"},
        {"", "m: no layers"},
        {"# only a comment\n\n", "m: no layers"},
        {many, "too many layers, at most 1000"},
    };
    LayeredModel m;
    float one = 1.0f;
    m.res.Add(one);
    CString err;
    for (const auto& [text, expect] : cases) {
        EXPECT_FALSE(LayeredModelFile::Parse(text.c_str(), "m", m, err)) << text;
        EXPECT_NE(err.str().find(expect), std::string::npos) << err.GetString();
        EXPECT_EQ(m.Layers(), 1);
    }
    EXPECT_FALSE(LayeredModelFile::Read("/no/such/model.txt", m, err));
    EXPECT_NE(err.str().find("cannot open /no/such/model.txt"), std::string::npos);
    const std::string binary = testsupport::writeFile("bin.txt", std::string("10 1\0\0", 6));
    EXPECT_FALSE(LayeredModelFile::Read(binary.c_str(), m, err));
    EXPECT_NE(err.str().find("not a text file"), std::string::npos);
}

TEST(LayeredModelFile, ARefusedOrFailedWriteKeepsTheOldFile)
{
    const std::string dir = testsupport::tempDir();
    const std::string path = dir + "/keep.txt";
    std::ofstream(path) << "10 100\n5\n";
    LayeredModel m;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read(path.c_str(), m, err));
    m.res[0] = -4.0f;  // dragged left of the area
    EXPECT_FALSE(LayeredModelFile::Write(path.c_str(), m, err));
    EXPECT_NE(err.str().find("layer 1: resistivity -4 must be greater than 0"), std::string::npos)
        << err.GetString();
    m.res[0] = 4.0f;
    EXPECT_FALSE(LayeredModelFile::Write((dir + "/missing/keep.txt").c_str(), m, err));
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(s.str(), "10 100\n5\n");
}

TEST(LayeredModelRender, ModelFileBecomesAnImageWithItsBlueOutline)
{
    const std::string out = testsupport::tempDir() + "/model.png";
    CString err;
    ASSERT_TRUE(LayeredModelRender::RenderFile(TARNEX_SOURCE_DIR "/data/layered-model.txt", out.c_str(), 96, err))
        << err.GetString();
    const QImage img(QString::fromStdString(out));
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(testsupport::countColour(img, QColor(0, 0, 255), 80), 200);

    const std::string bad = testsupport::writeFile("bad.txt", "10 x\n5");
    const std::string none = testsupport::tempDir() + "/none.png";
    EXPECT_FALSE(LayeredModelRender::RenderFile(bad.c_str(), none.c_str(), 96, err));
    EXPECT_NE(err.str().find(":1: \"x\" is not a number"), std::string::npos);
    EXPECT_FALSE(std::ifstream(none).good());
    EXPECT_FALSE(LayeredModelRender::RenderFile(bad.c_str(), "out.gif", 96, err));
    EXPECT_NE(err.str().find("unknown output type"), std::string::npos);
}
