// A profile panel set up for a table of profiles as the render command and
// the studio show it: axes on rounded ranges of the data, each profile in its
// own colour and line style, and a legend of the profiles' names.
#pragma once

#include "profile/CRectProf.h"
#include "profile/ProfileFile.h"

class ProfilePanel {
public:
    // The panel's size on paper and its surface's units (MM_HIMETRIC, the
    // units the axes' default fonts are sized in).
    static constexpr int kWidthMm = 160;
    static constexpr int kHeightMm = 100;
    static constexpr int kUnitsPerMm = 100;
    static constexpr int kMapMode = MM_HIMETRIC;

    // Lays the panel out over the table's ranges and gives it every profile,
    // replacing what it held.
    static void Load(CRectProf& panel, const ProfileTable& table);
    // Sets the surface's map mode and draws panel, axes and legend.
    static void Draw(CRectProf& panel, const ProfileTable& table, CDC* dc);
    // The pen of profile i as the panel gives it: colour and style.
    static COLORREF ColourOf(int i);
    static int StyleOf(int i);

    // A range widened to whole steps of 1, 2 or 5 times a power of ten, about
    // five of them; lo == hi gets a range of its own around the value.
    static void NiceRange(double lo, double hi, double& niceLo, double& niceHi, double& step);
};
