// The sample data files that come with the library (a sounding, a layered
// model), found the same way by the render command, the studio and hosts.
#pragma once

#include "platform/core/CString.h"

class BundledData {
public:
    // The path of the named sample: in share/tarnex of the tree the library
    // (or the running program) is installed in, else in the source tree's
    // data folder. Empty when neither holds it.
    static CString Path(const char* name);
    // The path of the named file in folder when it is a regular file there,
    // with "..", "." and symbolic links resolved as the file system resolves
    // them (folder may be /lib/<arch>/../../share/tarnex where /lib links to
    // /usr/lib); empty otherwise.
    static CString Find(const char* folder, const char* name);
};
