// A document: the data a host shows in one or more views, which it keeps
// track of so that it can ask them all to redraw.
#pragma once

#include <vector>

class CView;

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The view shows this document from now on; adding it twice keeps one entry.
    void AddView(CView* view);
    void RemoveView(CView* view);
    int GetViewCount() const noexcept { return static_cast<int>(m_viewList.size()); }
    CView* GetView(int i) const;
    // Every view but sender redraws.
    void UpdateAllViews(CView* sender);

private:
    std::vector<CView*> m_viewList;
};
