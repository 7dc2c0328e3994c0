// Reading and safe writing of a layered-earth model as text: one layer a
// line ("thickness resistivity"), the last line the half-space's resistivity.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

#include <memory>
#include <string>

// A layered model: thickness of every layer above the half-space (one fewer
// than the layers) and resistivity of every layer, the half-space last.
struct LayeredModel {
    CArray<float, float&> thick;
    CArray<float, float&> res;
    // The text the model was read from, shared between copies, so that a
    // save keeps the user's comments and unedited numbers. Null for a model
    // made in memory.
    std::shared_ptr<const std::string> source;
    int Layers() const noexcept { return res.GetSize(); }
};

// File format:
//   # comment (anything after '#' on a line is ignored; blank lines too)
//   10    100      thickness (m) and resistivity (ohm-m) of the top layer
//   20    10       ... of each further layer, downwards
//   1000           resistivity of the half-space, alone on the last line
// Every number is positive and at most kMaxValue; the deepest interface lies
// at most kMaxValue below the surface.
class LayeredModelFile {
public:
    static constexpr int kMaxLayers = 1000;
    static constexpr float kMaxValue = 100000.0f;
    // For the open and save dialogs of hosts.
    static constexpr const char* kFileFilter = "Layered Models (*.txt;*.mod)|*.txt;*.mod|All Files (*.*)|*.*||";

    // On failure returns false with a one-line message naming the line, and
    // leaves out untouched.
    static bool Read(const char* path, LayeredModel& out, CString& error);
    // The same rules on text already in memory; name stands for the file.
    static bool Parse(const char* text, const char* name, LayeredModel& out, CString& error);
    // Whether a model made in memory keeps the rules of the format: a
    // thickness for every layer above the half-space, every value positive
    // and within kMaxValue, the deepest interface too, at most kMaxLayers.
    // False with a one-line message naming the layer.
    static bool Check(const LayeredModel& model, CString& error);
    // Checks the model against the rules of the format, then writes it
    // through a temporary file, so a failed write loses nothing. A model read
    // from a file is written as that file's text with the changed values put
    // in (comments, blanks and unedited numbers kept byte for byte); one made
    // in memory, or whose layer count changed, is written one layer a line
    // after the comment lines that led its text.
    static bool Write(const char* path, const LayeredModel& model, CString& error);
};
