// The polygon model file: the bundled sample as a model, and one clear line
// naming file and line for every kind of bad input, the model left untouched.
#include "TestSupport.h"

#include "geometry/PolyModelFile.h"
#include "morvel/TMOD2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const char* kSquare = "vertex 1 0 0\nvertex 2 10 0\nvertex 3 10 -10\nvertex 4 0 -10\n";

// The message for text that must be refused, checking that model stays as it was.
std::string refusal(const std::string& text)
{
    TMOD2D m;
    m.m_Verts.SetSize(1);
    CString err;
    EXPECT_FALSE(PolyModelFile::Parse(text.c_str(), "m.txt", m, err)) << text;
    EXPECT_EQ(m.m_Verts.GetSize(), 1);
    EXPECT_EQ(err.str().find('\n'), std::string::npos);
    return err.str();
}

}  // namespace

TEST(PolyModelFile, TheBundledSampleIsAModelWithSharedBoundaries)
{
    TMOD2D m;
    CString err;
    ASSERT_TRUE(PolyModelFile::Read(TARNEX_SOURCE_DIR "/data/section-model.txt", m, err)) << err.GetString();
    EXPECT_EQ(m.m_Verts.GetSize(), 16);
    ASSERT_EQ(m.m_Cplx.GetSize(), 4);
    EXPECT_EQ(m.m_Polys.GetSize(), 5);  // four outer rings and the overburden's hole
    EXPECT_EQ(m.m_Cplx[0].m_Rings.GetSize(), 2);
    EXPECT_EQ(m.m_Cplx[0].dRho, 40.0);
    EXPECT_EQ(m.m_Cplx[3].dRho, 5.0);
    // Elevation is the model's y: the deepest vertex lies 500 m down.
    EXPECT_EQ(m.m_Verts[6].nId, 7);
    EXPECT_EQ(m.m_Verts[6].y, -500.0);
    // The lens fills the overburden's hole: four lines shared, not doubled.
    // 6 + 4 (hole) + 4 (lens) + 10 + 4 ring edges, of which 4 (lens) + 3
    // (basement top) + 3 (dyke) are walked twice.
    EXPECT_EQ(m.m_Lines.GetSize(), 28 - 10);
    for (int i = 0; i < m.m_Lines.GetSize(); ++i)
        EXPECT_LE(m.m_Lines[i].m_Left.GetSize() + m.m_Lines[i].m_Right.GetSize(), 2);
    // The dyke borders only the basement; the overburden the lens and the basement.
    ASSERT_EQ(m.m_Cplx[3].m_Neighbours.GetSize(), 1);
    EXPECT_EQ(m.m_Cplx[3].m_Neighbours[0], 2);
    EXPECT_EQ(m.m_Cplx[0].m_Neighbours.GetSize(), 2);
}

TEST(PolyModelFile, EachKindOfBadInputIsRefusedWithItsLine)
{
    const std::string sq = kSquare;
    EXPECT_EQ(refusal(sq + "body a 10 1 2 3 4\n"), "m.txt:5: body \"a\" is open: its ring must end at its first vertex 1");
    EXPECT_EQ(refusal(sq + "body a 10 1 2 9 4 1\n"),
              "m.txt:5: body \"a\": unknown vertex 9 (declare it above with \"vertex\")");
    EXPECT_EQ(refusal(sq + "body a 0 1 2 3 4 1\n"), "m.txt:5: body \"a\": resistivity 0 must be greater than 0");
    EXPECT_EQ(refusal(sq + "body a -5 1 2 3 4 1\n"), "m.txt:5: body \"a\": resistivity -5 must be greater than 0");
    EXPECT_EQ(refusal(sq + "body a nan 1 2 3 4 1\n"), "m.txt:5: body \"a\": resistivity \"nan\" is not a number");
    // A bow tie: 1-2 crosses 3-4.
    EXPECT_EQ(refusal(sq + "body a 10 1 2 4 3 1\n"), "m.txt:5: body \"a\" crosses itself: edge 2-4 meets edge 3-1");
    EXPECT_EQ(refusal(sq + "body a 10 1 2 3 2 1\n"), "m.txt:5: body \"a\" passes vertex 2 twice");
    EXPECT_EQ(refusal(sq + "vertex 5 20 0\nbody a 10 1 2 5 1\n"), "m.txt:6: body \"a\" turns back on itself at vertex 5");
    EXPECT_EQ(refusal(sq + "body a 10 1 2 1\n"),
              "m.txt:5: body \"a\" needs at least three vertices and the first again to close it");
    EXPECT_EQ(refusal(sq + "vertex 2 5 5\n"), "m.txt:5: vertex 2 is declared twice");
    EXPECT_EQ(refusal("vertex 1 0,5 0\n"), "m.txt:1: vertex 1: \"0,5\" is not a number");
    EXPECT_EQ(refusal("vertex 0 1 1\n"), "m.txt:1: vertex number \"0\" is not a positive whole number");
    EXPECT_EQ(refusal("vertex 1 1e8 0\n"), "m.txt:1: vertex 1 lies more than 10000 km from the origin");
    EXPECT_EQ(refusal("# only a comment\n\npolygon a 1\n"),
              "m.txt:3: unknown keyword \"polygon\": a line starts with vertex, body or hole");
    EXPECT_EQ(refusal(sq), "m.txt: no bodies: the model needs at least one \"body\" line");
    EXPECT_EQ(refusal(sq + "hole b 1 2 3 1\n"), "m.txt:5: hole in unknown body \"b\" (declare the body above)");
    EXPECT_EQ(refusal(sq + "body a 10 1 2 3 4 1\nbody a 10 1 2 3 4 1\n"), "m.txt:6: body \"a\" is declared twice");
    // Holes: inside the body, clear of its outer ring.
    const std::string hole = sq + "body a 10 1 2 3 4 1\nvertex 5 2 -2\nvertex 6 4 -2\nvertex 7 4 -4\n";
    EXPECT_EQ(refusal(hole + "hole a 5 6 1 5\n"), "m.txt:9: hole in body \"a\" touches or crosses the body's outer ring");
    EXPECT_EQ(refusal(hole + "vertex 8 30 -2\nvertex 9 34 -2\nvertex 10 34 -4\nhole a 8 9 10 8\n"),
              "m.txt:12: hole in body \"a\" lies outside the body's outer ring");
    TMOD2D m;
    CString err;
    EXPECT_TRUE(PolyModelFile::Parse((hole + "hole a 5 6 7 5\n").c_str(), "m.txt", m, err)) << err.GetString();
    EXPECT_EQ(m.m_Cplx[0].m_Rings.GetSize(), 2);
}

TEST(PolyModelFile, InputsBeyondTheCapsAreRefusedNamingTheCap)
{
    std::string many;
    for (int i = 1; i <= PolyModelFile::kMaxVertices + 1; ++i)
        many += "vertex " + std::to_string(i) + " 0 0\n";
    EXPECT_EQ(refusal(many), "m.txt:100001: too many vertices: at most 100000 are allowed");

    std::string ring = "body a 1";
    for (int i = 0; i <= PolyModelFile::kMaxRingVertices + 1; ++i)
        ring += " 1";
    EXPECT_EQ(refusal(std::string(kSquare) + ring + "\n"),
              "m.txt:5: body \"a\" has 5002 vertices, more than the 5000 a ring may have");

    const std::string big = testsupport::writeFile("big.txt", std::string(PolyModelFile::kMaxFileBytes + 1, '#'));
    TMOD2D m;
    CString err;
    EXPECT_FALSE(PolyModelFile::Read(big.c_str(), m, err));
    EXPECT_EQ(err.str(), big + " is larger than 4194304 bytes, the most this reader takes");
    // A FIFO or a folder is read (or refused) by what it holds, not by its size.
    EXPECT_FALSE(PolyModelFile::Read(testsupport::tempDir().c_str(), m, err));
    EXPECT_NE(err.str().find("is a directory"), std::string::npos) << err.GetString();
    EXPECT_FALSE(PolyModelFile::Read("/nonexistent/model.txt", m, err));
    EXPECT_EQ(err.str(), "cannot open /nonexistent/model.txt: No such file or directory");
    const std::string bin = testsupport::writeFile("bin.txt", std::string("vertex 1 0 0\0", 13));
    EXPECT_FALSE(PolyModelFile::Read(bin.c_str(), m, err));
    EXPECT_EQ(err.str(), bin + ": not a text file (it holds a NUL byte)");
}

TEST(PolyModelFile, LongRingsAreCheckedEdgeAgainstNearbyEdges)
{
    // A 5000-vertex circle, then the same with one vertex pulled across the
    // ring's far side, and a hole of 2000 vertices grazing its outer ring.
    const int n = 5000;
    auto circle = [](int count, double radius, int firstId, double pull = 0) {
        std::string s;
        for (int i = 0; i < count; ++i) {
            const double a = 2 * M_PI * i / count;
            const double r = i == count / 2 ? pull : radius;
            s += "vertex " + std::to_string(firstId + i) + " " + std::to_string(r * std::cos(a)) + " " +
                 std::to_string(r * std::sin(a) - 2000) + "\n";
        }
        return s;
    };
    auto ring = [](int count, int firstId) {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += " " + std::to_string(firstId + i);
        return s + " " + std::to_string(firstId) + "\n";
    };
    TMOD2D m;
    CString err;
    EXPECT_TRUE(PolyModelFile::Parse((circle(n, 1000, 1) + "body a 10" + ring(n, 1)).c_str(), "m.txt", m, err))
        << err.GetString();
    // Vertex 2501 pulled to the opposite side (radius -1100): its two edges
    // cross the ring's far edges; the first pair by the lower edge is named.
    EXPECT_EQ(refusal(circle(n, 1000, 1, -1100) + "body a 10" + ring(n, 1)),
              "m.txt:5001: body \"a\" crosses itself: edge 1-2 meets edge 2500-2501");
    // A hole whose rim touches the outer ring at one point.
    const std::string hole = circle(n, 1000, 1) + circle(2000, 500, 10001) + "vertex 20000 1000 -2000\n" +
                             "body a 10" + ring(n, 1);
    std::string holeRing = " 20000";
    for (int i = 1; i < 2000; ++i)
        holeRing += " " + std::to_string(10000 + i + 1);
    EXPECT_EQ(refusal(hole + "hole a" + holeRing + " 20000\n"),
              "m.txt:7003: hole in body \"a\" touches or crosses the body's outer ring");
}
