#include "profile/CProfLineList.h"

#include <cstring>

CProfLineList::CProfLineList() = default;

CProfLineList::~CProfLineList()
{
    // The widget may outlive this object (the dialog destroys it later);
    // it must not keep pointers to the records released here.
    if (m_hWnd)
        CListBox::ResetContent();
}

int CProfLineList::AddItem(COLORREF color, float width, int style, const char* text)
{
    auto rec = std::make_unique<ItemRecord>();
    const char* t = text ? text : "";
    size_t n = strnlen(t, kTextBytes + 1);
    if (n > static_cast<size_t>(kTextBytes)) {
        n = kTextBytes;
        while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(rec->text, t, n);
    rec->text[n] = '\0';
    rec->color = color;
    rec->width = width;
    rec->style = style;
    const int index = AddString(reinterpret_cast<const char*>(rec.get()));
    if (index < 0)
        return index;
    m_records.push_back(std::move(rec));
    return index;
}

void CProfLineList::ResetContent()
{
    CListBox::ResetContent();
    m_records.clear();
}

const CProfLineList::ItemRecord* CProfLineList::Record(int index) const
{
    return static_cast<const ItemRecord*>(GetItemDataPtr(index));
}

void CProfLineList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct)
        lpMeasureItemStruct->itemHeight = kItemHeight;
}

// The list is not sorted, so the framework never asks; texts compare as
// unsigned bytes.
int CProfLineList::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    if (!lpCompareItemStruct)
        return 0;
    const auto* a = reinterpret_cast<const ItemRecord*>(lpCompareItemStruct->itemData1);
    const auto* b = reinterpret_cast<const ItemRecord*>(lpCompareItemStruct->itemData2);
    if (!a || !b)
        return a == b ? 0 : (a ? 1 : -1);
    const int c = std::strcmp(a->text, b->text);  // strcmp compares as unsigned char
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void CProfLineList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (!lpDrawItemStruct || !lpDrawItemStruct->hDC)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect r(lpDrawItemStruct->rcItem);
    CRect text(r.left + kSampleLength, r.top, r.right, r.bottom);
    const UINT action = lpDrawItemStruct->itemAction;
    const UINT state = lpDrawItemStruct->itemState;
    const auto* item = reinterpret_cast<const ItemRecord*>(lpDrawItemStruct->itemData);

    if (lpDrawItemStruct->itemID == static_cast<UINT>(-1)) {
        pDC->DrawFocusRect(&text);
        return;
    }
    if ((action & ODA_DRAWENTIRE) && item) {
        const int m = (r.top + r.bottom) / 2;
        CPen pen;
        if (!pen.CreatePen(item->style >= PS_SOLID && item->style <= PS_DASHDOTDOT ? item->style : PS_SOLID, 1,
                           item->color))
            return;
        CPen* old = pDC->SelectObject(&pen);
        pDC->MoveTo(r.left, m);
        pDC->LineTo(r.left + kSampleLength, m);
        if (old)
            pDC->SelectObject(old);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->DrawText(item->text, -1, &text, 0);
        if (state & ODS_SELECTED)
            pDC->InvertRect(&text);
        if (state & ODS_FOCUS)
            pDC->DrawFocusRect(&text);
        return;
    }
    if (action & (ODA_SELECT | ODA_FOCUS)) {
        if (state & ODS_SELECTED)
            pDC->InvertRect(&text);
        else if (state & ODS_FOCUS)
            pDC->DrawFocusRect(&text);
    }
}
