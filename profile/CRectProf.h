// A framed panel of profiles against one abscissa and one ordinate axis that
// meet at its lower left corner; the axes' ranges set every profile's scale.
#pragma once

#include "axis/CMyAxis.h"
#include "profile/CMyProf.h"

class CRectProf {
public:
    CRectProf();
    CRectProf(const CRectProf& other) = default;
    CRectProf& operator=(const CRectProf& other) = default;
    virtual ~CRectProf();

    CArray<CMyProf, CMyProf&> m_Profs;
    CMyAxis m_XAxis;
    CMyAxis m_YAxis;
    CRect m_rcPanel;
    int m_nOrgX;
    int m_nOrgY;
    int m_nWidth;
    int m_nHeight;
    int m_nUnitsPerMm;
    double m_dXScale;
    double m_dYScale;
    double m_dXMin;
    double m_dXMax;
    double m_dYMin;
    double m_dYMax;

    // Set_a_prof leaves indices at or beyond this alone, so that a stray
    // index cannot make the panel allocate without bound.
    static constexpr int kMaxProfiles = 4096;

    void IntRect(int left, int top, int right, int bottom, int unitsPerMm);
    void Reset(double xMin, double xMax, double yMin, double yMax);
    void AddXaxis();
    void Add_a_prof(const double* xs, const double* ys, int n);
    // A negative index is ignored.
    void Set_a_prof(int index, const double* xs, const double* ys, int n);
    void Set_a_prof(int index, const float* xs, const float* ys, int n);
    void SetXaxs();
    void SetYaxs();
    void SetProfLineArb();
    void DrawAll(CDC* pDC);
    void DrawRect(CDC* pDC);
    BOOL IsinPolyRect(tagPOINT pt);

    // What SetXaxs and SetYaxs do once their dialog has closed: take the
    // axis's range and scale and move every profile onto them.
    void FollowXAxis();
    void FollowYAxis();

private:
    template <class T>
    void setProf(int index, const T* xs, const T* ys, int n);
    void adjustAll(const CPoint& origin);
};
