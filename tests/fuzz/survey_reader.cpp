// Any bytes as a survey table: the reader takes them or says why, within its
// caps, and a table it takes holds every byte of the input in its pieces, so
// that unedited stations are written back as they were.
#include "sounding/SurveyFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SurveyTable t;
    CString error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!SurveyFile::Parse(text, "fuzz", t, error)) {
        if (error.IsEmpty())
            __builtin_trap();  // failure must say why
        return 0;
    }
    std::string whole = t.lead;
    for (const SurveyStation& s : t.stations) {
        if (s.name.IsEmpty() || s.table.Rows() == 0)
            __builtin_trap();
        whole += s.text + s.trailer;
    }
    if (whole != text)
        __builtin_trap();
    SurveyFile::LooksLikeSurvey(text);
    return 0;
}
