#include "model1d/LayeredModelFile.h"

#include "platform/core/DataText.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TextTable.h"

#include <string>
#include <vector>

namespace {

// Longer files cannot hold a model within kMaxLayers lines of numbers plus
// generous comments; a bigger file is refused before it is read.
constexpr size_t kMaxFileBytes = 4 * 1024 * 1024;

// A positive value within the format's bound, or a message saying why not.
// where says where the value stands ("file:line" or "layer i").
bool checkValue(float v, const char* what, const CString& where, CString& error)
{
    if (!(v > 0.0f)) {
        CString value;
        value.Format("%g", static_cast<double>(v));
        error.Format("%s: %s", where.GetString(),
                     ReaderMessage::Text(ReaderMessage::Id::NotPositive, {what, value.str()}).GetString());
        return false;
    }
    if (v > LayeredModelFile::kMaxValue) {
        error.Format("%s: %s %g exceeds %g", where.GetString(), what, static_cast<double>(v),
                     static_cast<double>(LayeredModelFile::kMaxValue));
        return false;
    }
    return true;
}

bool checkDepth(double depth, const CString& where, CString& error)
{
    if (depth <= LayeredModelFile::kMaxValue)
        return true;
    error.Format("%s: the layers reach %g below the surface, more than %g", where.GetString(), depth,
                 static_cast<double>(LayeredModelFile::kMaxValue));
    return false;
}

// The comment and blank lines before the first layer of a text.
std::string leadingComments(const std::string& source)
{
    size_t first = source.size();
    DataText::Scan(source, {}, [&](int, size_t pos, size_t) {
        const size_t nl = source.rfind('\n', pos);
        first = nl == std::string::npos ? 0 : nl + 1;
        return false;
    });
    return source.substr(0, first);
}

}  // namespace

bool LayeredModelFile::Parse(const char* text, const char* name, LayeredModel& out, CString& error)
{
    TextTable::Rules rules;
    rules.maxFieldChars = 64;
    const std::string_view all = text ? std::string_view(text) : std::string_view();
    TextTable table(all, name ? name : "(model)", rules);
    std::vector<TextTable::Line> lines;
    TextTable::Line line;
    while (table.Next(line)) {
        if (static_cast<int>(lines.size()) >= kMaxLayers) {
            table.Fail(line.number, "too many layers, at most %d are allowed", kMaxLayers);
            break;
        }
        lines.push_back(line);
    }
    if (!table.Failed() && lines.empty())
        table.Fail(0, ReaderMessage::Id::NoLayers);
    if (table.Failed()) {
        error = table.Error();
        return false;
    }

    LayeredModel m;
    double depth = 0.0;
    for (size_t k = 0; k < lines.size(); ++k) {
        const TextTable::Line& d = lines[k];
        const bool last = k + 1 == lines.size();
        const size_t want = last ? 1 : 2;
        std::vector<float> v(d.Count());
        for (size_t j = 0; j < d.Count(); ++j)
            if (!table.Number(d, j, v[j])) {
                error = table.Error();
                return false;
            }
        if (last && v.size() == 2) {
            table.Fail(d.number, "missing half-space: the last line must hold the half-space's resistivity alone");
            error = table.Error();
            return false;
        }
        if (v.size() != want) {
            if (last)
                table.Fail(d.number, ReaderMessage::Id::HalfSpaceLineCount, {std::to_string(v.size())});
            else
                table.Fail(d.number, ReaderMessage::Id::LayerLineCount, {std::to_string(v.size())});
            error = table.Error();
            return false;
        }
        CString where;
        where.Format("%s:%d", table.Name().c_str(), d.number);
        if (!last) {
            depth += v[0];
            if (!checkValue(v[0], "thickness", where, error) || !checkValue(v[1], "resistivity", where, error) ||
                !checkDepth(depth, where, error))
                return false;
            m.thick.Add(v[0]);
            m.res.Add(v[1]);
        } else {
            if (!checkValue(v[0], "half-space resistivity", where, error))
                return false;
            m.res.Add(v[0]);
        }
    }
    out = m;
    return true;
}

bool LayeredModelFile::Read(const char* path, LayeredModel& out, CString& error)
{
    std::string text;
    if (!TextTable::Load(path, kMaxFileBytes, text, error))
        return false;
    LayeredModel m;
    if (!Parse(text.c_str(), path, m, error))
        return false;
    m.source = std::make_shared<const std::string>(std::move(text));
    out = m;
    return true;
}

bool LayeredModelFile::Check(const LayeredModel& model, CString& error)
{
    const int n = model.Layers();
    if (n < 1 || model.thick.GetSize() < n - 1) {
        error = n < 1 ? "the model has no layers" : "the model has fewer thicknesses than layers above the half-space";
        return false;
    }
    double depth = 0.0;
    for (int i = 0; i < n; ++i) {
        CString where;
        where.Format("layer %d", i + 1);
        const bool half = i + 1 == n;
        if (!half) {
            depth += model.thick[i];
            if (!checkValue(model.thick[i], "thickness", where, error) || !checkDepth(depth, where, error))
                return false;
        }
        if (!checkValue(model.res[i], half ? "half-space resistivity" : "resistivity", where, error))
            return false;
    }
    if (n > kMaxLayers) {
        error.Format("%d layers: at most %d are allowed", n, kMaxLayers);
        return false;
    }
    return true;
}

bool LayeredModelFile::Write(const char* path, const LayeredModel& model, CString& error)
{
    // A model the reader would refuse is never written.
    if (!Check(model, error))
        return false;
    const int n = model.Layers();
    // Tokens in file order: thickness and resistivity a layer, then the
    // half-space's resistivity.
    std::string text;
    const auto value = [&](size_t k) {
        const int i = static_cast<int>(k / 2);
        return k % 2 == 0 && i + 1 < n ? model.thick[i] : model.res[k % 2 == 0 ? n - 1 : i];
    };
    if (model.source && DataText::Rewrite(*model.source, {}, static_cast<size_t>(2 * n - 1), value, text))
        return AtomicFile::WriteBytes(path, text, error);
    if (model.source)
        text = leadingComments(*model.source);
    else
        text = "# layered model: thickness (m) and resistivity (ohm-m) per layer,\n"
               "# the last line the resistivity of the half-space\n";
    for (int i = 0; i + 1 < n; ++i)
        text += NumberFormat::Shortest(model.thick[i]) + ' ' + NumberFormat::Shortest(model.res[i]) + '\n';
    text += NumberFormat::Shortest(model.res[n - 1]) + '\n';
    return AtomicFile::WriteBytes(path, text, error);
}
