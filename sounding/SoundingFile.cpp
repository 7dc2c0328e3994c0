#include "sounding/SoundingFile.h"

#include "chart/TextNumber.h"
#include "platform/core/AtomicFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kColumns = 5;
const char* const kColumnNames[kColumns] = {"abscissa", "measured R", "measured V", "modelled R", "modelled V"};

}  // namespace

bool SoundingFile::Read(const char* path, int maxRows, SoundingTable& out, CString& error)
{
    std::ifstream in(path ? path : "", std::ios::binary);
    if (!path || !in) {
        error.Format("cannot open %s: %s", path ? path : "(no file)", std::strerror(errno ? errno : ENOENT));
        return false;
    }
    SoundingTable t;
    float row[kColumns] = {};
    int filled = 0;
    std::string tok;
    while ((maxRows <= 0 || t.Rows() < maxRows) && in >> tok) {
        const int rowNo = t.Rows() + 1;
        if (!TextNumber::ToFloat(tok, row[filled])) {
            error.Format("row %d: \"%s\" is not a number (%s column)", rowNo, TextNumber::Quote(tok).c_str(),
                         kColumnNames[filled]);
            return false;
        }
        if (++filled < kColumns)
            continue;
        filled = 0;
        if (t.Rows() >= kMaxRows) {
            error.Format("more than %d rows: file refused", kMaxRows);
            return false;
        }
        t.x.Add(row[0]);
        t.r.Add(row[1]);
        t.v.Add(row[2]);
        t.rFwd.Add(row[3]);
        t.vFwd.Add(row[4]);
    }
    if (in.bad()) {
        error.Format("cannot read %s", path);
        return false;
    }
    if (filled > 0) {
        error.Format("row %d is short of five numbers (has %d)", t.Rows() + 1, filled);
        return false;
    }
    if (maxRows > 0 && t.Rows() < maxRows) {
        error.Format("%d rows asked for, the file holds %d", maxRows, t.Rows());
        return false;
    }
    if (t.Rows() == 0) {
        error.Format("%s holds no sounding rows", path);
        return false;
    }
    out = t;
    return true;
}

bool SoundingFile::Write(const char* path, const SoundingTable& t, CString& error)
{
    const int n = t.Rows();
    if (t.r.GetSize() < n || t.v.GetSize() < n || t.rFwd.GetSize() < n || t.vFwd.GetSize() < n) {
        error = "the five columns of the sounding differ in length";
        return false;
    }
    return AtomicFile::Write(path, [&t](FILE* f) {
        bool ok = true;
        for (int i = 0; i < t.Rows() && ok; ++i) {
            // Nine significant digits give every 32-bit float back exactly.
            ok = std::fprintf(f, "%.9g %.9g %.9g %.9g %.9g\n", t.x[i], t.r[i], t.v[i], t.rFwd[i], t.vFwd[i]) > 0;
        }
        return ok;
    }, error);
}
