// Helpers shared by the tests: picking recorded drawing apart, temporary
// files, and a colour check on real images.
#pragma once

#include "platform/gdi/CRecordingDC.h"

#include <QImage>

#include <string>
#include <vector>

namespace testsupport {

// Built with AddressSanitizer: the shadow memory it reserves makes an
// address-space limit (setrlimit RLIMIT_AS) meaningless, so the tests that
// run a program under one skip in that build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif


std::vector<const GdiOp*> opsOfKind(const CRecordingDC& dc, GdiOp::Kind kind);
std::vector<const GdiOp*> textOps(const CRecordingDC& dc);
const GdiOp* findText(const CRecordingDC& dc, const char* text);

// A fresh temporary directory for one test, removed at exit of the process.
std::string tempDir();
std::string writeFile(const std::string& name, const std::string& content);

// Pixels within a square of side 2r+1 around (x, y) close to colour c.
int countNear(const QImage& img, int x, int y, int r, QColor c, int tolerance = 60);
// Pixels in the whole image close to c.
int countColour(const QImage& img, QColor c, int tolerance = 40);

// Lowers the file size limit (as `ulimit -f` does) for the life of the
// object, with SIGXFSZ ignored so that writes past it fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long m_soft;
    void (*m_handler)(int);
};

// The cell of every text drawn, turned ones included, in device pixels
// (y down), in drawing order; and the pairs of texts whose cells overlap by
// more than a pixel, as "\"a\" / \"b\"".
struct TextBox {
    std::string text;
    double left, top, right, bottom;
};
std::vector<TextBox> textBoxes(const CRecordingDC& dc);
std::vector<std::string> overprints(const std::vector<TextBox>& boxes);

}  // namespace testsupport
