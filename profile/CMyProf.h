// One profile: value pairs along a survey line in double precision, the
// polyline that shows them on a surface, and the pen it is drawn with.
#pragma once

#include "platform/core/CArray.h"
#include "platform/gdi/CDC.h"

class CMyProf {
public:
    CMyProf();
    CMyProf(const CMyProf& other);
    CMyProf& operator=(const CMyProf& other);
    virtual ~CMyProf();

    CArray<CPoint, CPoint&> m_ptLine;
    CArray<double, double&> m_xValue;
    CArray<double, double&> m_yValue;
    COLORREF m_crColor;
    float m_fWidth;     // millimetres
    int m_nStyle;       // PS_SOLID .. PS_DASHDOTDOT
    int m_nMapMode;
    float m_fUnitsPerMm;

    void Copy(const CMyProf& other);
    void RemoveAll();
    void DrawReady(CDC* pDC);
    // xs and ys hold n values each; a negative n counts as 0.
    void CreatLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const double* xs,
                   const double* ys, int n, int unitsPerMm);
    void CreatLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const float* xs,
                   const float* ys, int n, int unitsPerMm);
    void Adjust(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, int unitsPerMm);
    void DrawProfile(CDC* pDC);

    // Logical units per millimetre of a surface in a map mode.
    static float UnitsPerMmOf(int mapMode);

private:
    template <class T>
    void createLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const T* xs,
                    const T* ys, int n, int unitsPerMm);
};
