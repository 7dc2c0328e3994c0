// Array of strings, as the framework's CStringArray.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

class CStringArray : public CArray<CString, const CString&> {
public:
    int Add(const char* s) { return CArray<CString, const CString&>::Add(CString(s)); }
    int Add(const CString& s) { return CArray<CString, const CString&>::Add(s); }
};
