// Reading of a two-dimensional polygon earth model written by hand as text:
// numbered vertices, bodies as closed vertex rings with a resistivity, holes.
#pragma once

#include "platform/core/CString.h"

class TMOD2D;

// File format (docs/sections.md has the full description):
//   # comment: anything after '#' on a line is ignored, blank lines too
//   vertex ID X Z            ID a positive whole number; X the distance along
//                            the profile, Z the elevation (negative below the
//                            surface), both in metres
//   body NAME RHO ID ... ID  a body of resistivity RHO (ohm-metres, > 0) and
//                            its outer ring, closed: it ends at its first ID
//   hole NAME ID ... ID      a closed ring cut out of the body NAME
// Rings may not cross or touch themselves, a hole lies inside its body's
// outer ring, and a vertex must be declared before a ring names it.
class PolyModelFile {
public:
    static constexpr long long kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr int kMaxVertices = 100000;
    static constexpr int kMaxBodies = 10000;
    static constexpr int kMaxRingVertices = 5000;
    static constexpr int kMaxHolesPerBody = 1000;
    static constexpr long long kMaxRingReferences = 200000;
    static constexpr double kMaxCoordinate = 1.0e7;    // metres
    static constexpr double kMaxResistivity = 1.0e9;   // ohm-metres

    // On failure returns false with one line naming the file and, where there
    // is one, the line ("file:line: message"); model is then left untouched.
    static bool Read(const char* path, TMOD2D& model, CString& error);
    // The same rules on text in memory; name stands for the file.
    static bool Parse(const char* text, const char* name, TMOD2D& model, CString& error);
};
