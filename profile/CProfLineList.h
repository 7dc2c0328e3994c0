// The owner-drawn list of the line-style dialog: one 30-pixel item a profile,
// a sample of its line (colour and style, one pixel wide) and its name.
#pragma once

#include "platform/wnd/CListBox.h"

#include <memory>
#include <vector>

class CProfLineList : public CListBox {
public:
    static constexpr int kItemHeight = 30;
    static constexpr int kSampleLength = 60;
    static constexpr int kTextBytes = 15;

    // What each item shows; the item's data points to it.
    struct ItemRecord {
        char text[kTextBytes + 1];
        COLORREF color;
        float width;
        int style;
    };

    CProfLineList();
    ~CProfLineList() override;

    // The text is cut to 15 bytes (never inside a character). Returns the index.
    int AddItem(COLORREF color, float width, int style, const char* text);
    // Empties the list and releases its records.
    void ResetContent();
    const ItemRecord* Record(int index) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

private:
    // The list owns the records for as long as it shows them.
    std::vector<std::unique_ptr<ItemRecord>> m_records;
};
