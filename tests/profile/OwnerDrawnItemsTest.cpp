// The owner drawing of the line-style dialog's list items and colour button,
// recorded, for each state and action the framework asks for.
#include "TestSupport.h"

#include "profile/CColorButton.h"
#include "profile/CProfLineList.h"

#include <gtest/gtest.h>

#include <cstdio>

using testsupport::opsOfKind;

namespace {

CProfLineList::ItemRecord record()
{
    CProfLineList::ItemRecord r{};
    std::snprintf(r.text, sizeof r.text, "%s", " 剖面 2");
    r.color = RGB(0, 0, 200);
    r.width = 3.0f;
    r.style = PS_DASHDOT;
    return r;
}

DRAWITEMSTRUCT item(CDC* dc, const CProfLineList::ItemRecord* rec, UINT action, UINT state)
{
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_LISTBOX;
    d.itemID = rec ? 1 : static_cast<UINT>(-1);
    d.itemAction = action;
    d.itemState = state;
    d.hDC = dc;
    d.rcItem = CRect(0, 30, 140, 60);
    d.itemData = reinterpret_cast<ULONG_PTR>(rec);
    return d;
}

int inverted(const CRecordingDC& dc, bool dotted)
{
    int n = 0;
    for (const GdiOp* op : opsOfKind(dc, GdiOp::Kind::Invert))
        n += op->dotted == dotted ? 1 : 0;
    return n;
}

}  // namespace

TEST(ProfLineListItem, WholeItemIsASampleLineTheNameAndItsState)
{
    CProfLineList list;
    const CProfLineList::ItemRecord rec = record();
    CRecordingDC dc;
    DRAWITEMSTRUCT d = item(&dc, &rec, ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS);
    list.DrawItem(&d);
    const auto lines = opsOfKind(dc, GdiOp::Kind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->logical[0], CPoint(0, 45));
    EXPECT_EQ(lines[0]->logical[1], CPoint(60, 45));
    // One pixel wide whatever the profile's width: the number shows that.
    EXPECT_EQ(lines[0]->style.pen, (PenDesc{PS_DASHDOT, 1, RGB(0, 0, 200)}));
    const GdiOp* text = testsupport::findText(dc, " 剖面 2");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->logical[0], CPoint(60, 30));
    EXPECT_EQ(text->style.textColor, RGB(0, 0, 0));
    EXPECT_EQ(inverted(dc, false), 1);
    EXPECT_EQ(opsOfKind(dc, GdiOp::Kind::Invert)[0]->logical[0], CPoint(60, 30));
    EXPECT_EQ(inverted(dc, true), 4);
}

TEST(ProfLineListItem, SelectionAndFocusChangesRedrawOnlyTheirMark)
{
    CProfLineList list;
    const CProfLineList::ItemRecord rec = record();
    {
        CRecordingDC dc;
        DRAWITEMSTRUCT d = item(&dc, &rec, ODA_SELECT, ODS_SELECTED | ODS_FOCUS);
        list.DrawItem(&d);
        EXPECT_EQ(inverted(dc, false), 1);
        EXPECT_EQ(inverted(dc, true), 0);
        EXPECT_TRUE(opsOfKind(dc, GdiOp::Kind::Polyline).empty());
    }
    {
        CRecordingDC dc;
        DRAWITEMSTRUCT d = item(&dc, &rec, ODA_FOCUS, ODS_FOCUS);
        list.DrawItem(&d);
        EXPECT_EQ(inverted(dc, false), 0);
        EXPECT_EQ(inverted(dc, true), 4);
    }
    {
        CRecordingDC dc;  // an empty list: a focus frame where the text would be
        DRAWITEMSTRUCT d = item(&dc, nullptr, ODA_FOCUS, ODS_FOCUS);
        list.DrawItem(&d);
        EXPECT_EQ(inverted(dc, true), 4);
        EXPECT_TRUE(testsupport::textOps(dc).empty());
    }
}

TEST(ProfLineListItem, ItemsAreThirtyPixelsAndCompareByUnsignedBytes)
{
    CProfLineList list;
    MEASUREITEMSTRUCT m{};
    m.itemHeight = 16;
    list.MeasureItem(&m);
    EXPECT_EQ(m.itemHeight, 30u);
    CProfLineList::ItemRecord a = record(), b = record();
    std::snprintf(b.text, sizeof b.text, "%s", " 剖面 10");
    COMPAREITEMSTRUCT c{};
    c.itemData1 = reinterpret_cast<ULONG_PTR>(&a);
    c.itemData2 = reinterpret_cast<ULONG_PTR>(&b);
    EXPECT_EQ(list.CompareItem(&c), 1);  // '2' after '1'
    std::snprintf(b.text, sizeof b.text, "%s", "\xff");
    EXPECT_EQ(list.CompareItem(&c), -1);  // 0xff sorts last, as an unsigned byte
    c.itemData2 = c.itemData1;
    EXPECT_EQ(list.CompareItem(&c), 0);
}

TEST(ColorButtonItem, SwatchEdgeArrowAndFocus)
{
    CColorButton button;
    button.m_rcArrow = CRect(41, 2, 58, 19);
    button.m_crColor = RGB(0, 200, 0);
    struct Case {
        UINT state;
        COLORREF colour;
        COLORREF swatch;
        int focusFrames;
    } cases[] = {{0, RGB(0, 200, 0), RGB(0, 200, 0), 0},
                 {ODS_FOCUS, RGB(0, 200, 0), RGB(0, 200, 0), 4},
                 {ODS_DISABLED, RGB(0, 200, 0), GetSysColor(COLOR_BTNFACE), 0},
                 {0, CColorButton::kDefaultColour, GetSysColor(COLOR_BTNFACE), 0}};
    for (const Case& c : cases) {
        button.m_crColor = c.colour;
        CRecordingDC dc;
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_BUTTON;
        d.itemAction = ODA_DRAWENTIRE;
        d.itemState = c.state;
        d.hDC = &dc;
        d.rcItem = CRect(0, 0, 60, 21);
        button.DrawItem(&d);
        const GdiOp* swatch = nullptr;
        for (const GdiOp* op : opsOfKind(dc, GdiOp::Kind::FillRect))
            if (op->logical[0] == CPoint(2, 2) && op->logical[1] == CPoint(41, 19))
                swatch = op;
        ASSERT_NE(swatch, nullptr) << c.state;
        EXPECT_EQ(swatch->fill, c.swatch) << c.state;
        EXPECT_EQ(inverted(dc, true), c.focusFrames);
        // The arrow's face comes first, inside its own rectangle.
        const auto fills = opsOfKind(dc, GdiOp::Kind::FillRect);
        EXPECT_EQ(fills[0]->logical[0], CPoint(41, 2));
    }
    EXPECT_EQ(button.GetColour(), CColorButton::kDefaultColour);
}
