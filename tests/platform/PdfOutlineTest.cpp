// A many-page PDF with pages of their own sizes, and the bookmarks added to
// it by an incremental update that viewers follow.
#include "platform/gdi/PdfBook.h"
#include "platform/gdi/PdfOutline.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string book(int pages)
{
    PdfBook b(72);
    for (int i = 0; i < pages; ++i) {
        CDC* dc = b.NewPage(100 + 10 * i, 50);
        EXPECT_NE(dc, nullptr);
        dc->MoveTo(0, 0);
        dc->LineTo(50, 50);
    }
    std::string pdf;
    CString err;
    EXPECT_TRUE(b.Finish(pdf, err)) << err.GetString();
    return pdf;
}

int count(const std::string& s, const std::string& what)
{
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

}  // namespace

TEST(PdfOutline, BookmarksPointAtTheirPagesThroughANewRevision)
{
    std::string pdf = book(3);
    // Each page keeps its own size: 100, 110 and 120 mm wide, in whole points.
    EXPECT_EQ(count(pdf, "/MediaBox [0 0 283.000000 142.000000]"), 1);
    EXPECT_EQ(count(pdf, "/MediaBox [0 0 312.000000 142.000000]"), 1);
    EXPECT_EQ(count(pdf, "/MediaBox [0 0 340.000000 142.000000]"), 1);
    std::vector<int> pages;
    CString err;
    ASSERT_TRUE(PdfOutline::PageObjects(pdf, pages, err)) << err.GetString();
    ASSERT_EQ(pages.size(), 3u);

    const std::string original = pdf;
    ASSERT_TRUE(PdfOutline::Append(pdf, {{"L1-001", 0}, {"测点(2)", 2}, {"a\\b(c)", 1}}, err)) << err.GetString();
    ASSERT_EQ(pdf.compare(0, original.size(), original), 0);  // an update only appends
    const std::string update = pdf.substr(original.size());

    // The new cross-reference section is where startxref says, and chains back.
    const size_t sx = pdf.rfind("startxref");
    const long xref = std::stol(pdf.substr(sx + 10));
    EXPECT_EQ(pdf.compare(static_cast<size_t>(xref), 4, "xref"), 0);
    const size_t oldSx = original.rfind("startxref");
    EXPECT_NE(update.find("/Prev " + std::to_string(std::stol(original.substr(oldSx + 10)))), std::string::npos);
    // Every new object sits at the offset its entry gives.
    const std::regex entry("(\\d{10}) 00000 n\r\n");
    int entries = 0;
    for (auto it = std::sregex_iterator(update.begin(), update.end(), entry); it != std::sregex_iterator(); ++it) {
        const size_t at = std::stoul((*it)[1].str());
        EXPECT_NE(pdf.substr(at, 20).find(" obj"), std::string::npos) << pdf.substr(at, 20);
        ++entries;
    }
    EXPECT_EQ(entries, 5);  // catalog, outline root, three bookmarks
    EXPECT_NE(update.find("/Outlines "), std::string::npos);
    EXPECT_NE(update.find("/PageMode /UseOutlines"), std::string::npos);
    EXPECT_NE(update.find("/Count 3"), std::string::npos);
    EXPECT_NE(update.find("/Title (L1-001) "), std::string::npos);
    EXPECT_NE(update.find("/Title (a\\\\b\\(c\\)) "), std::string::npos);
    EXPECT_NE(update.find("/Title <FEFF6D4B70B9002800320029> "), std::string::npos);
    EXPECT_NE(update.find("/Dest [" + std::to_string(pages[2]) + " 0 R /Fit]"), std::string::npos);
    EXPECT_NE(update.find("/Dest [" + std::to_string(pages[1]) + " 0 R /Fit]"), std::string::npos);

    // The updated file reads through its new catalog; a second outline replaces the first.
    std::vector<int> again;
    ASSERT_TRUE(PdfOutline::PageObjects(pdf, again, err)) << err.GetString();
    EXPECT_EQ(again, pages);
    ASSERT_TRUE(PdfOutline::Append(pdf, {{"only", 1}}, err)) << err.GetString();
    const std::string second = pdf.substr(original.size() + update.size());
    EXPECT_EQ(count(second, "/Outlines "), 2);  // the catalog's entry and the new root's type
    EXPECT_EQ(count(second, "/PageMode"), 1);
}

TEST(PdfOutline, RefusesWhatItCannotReadAndLeavesThePdfAlone)
{
    std::string pdf = book(2);
    const std::string before = pdf;
    CString err;
    EXPECT_FALSE(PdfOutline::Append(pdf, {{"x", 2}}, err));
    EXPECT_NE(err.str().find("page 3 of a PDF of 2 pages"), std::string::npos) << err.GetString();
    EXPECT_EQ(pdf, before);
    std::string junk = "%PDF-1.4\nnot a document\n";
    EXPECT_FALSE(PdfOutline::Append(junk, {}, err));
    EXPECT_NE(err.str().find("startxref"), std::string::npos) << err.GetString();
    std::string cut = before.substr(0, before.size() / 2) + "startxref\n5\n%%EOF\n";
    EXPECT_FALSE(PdfOutline::Append(cut, {}, err));
    PdfBook empty(72);
    std::string none;
    EXPECT_FALSE(empty.Finish(none, err));
    EXPECT_NE(err.str().find("no page"), std::string::npos);
}
