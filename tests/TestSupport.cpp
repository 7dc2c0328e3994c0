#include "TestSupport.h"

#include <csignal>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace testsupport {

std::vector<const GdiOp*> opsOfKind(const CRecordingDC& dc, GdiOp::Kind kind)
{
    std::vector<const GdiOp*> out;
    for (const GdiOp& op : dc.ops())
        if (op.kind == kind)
            out.push_back(&op);
    return out;
}

std::vector<const GdiOp*> textOps(const CRecordingDC& dc) { return opsOfKind(dc, GdiOp::Kind::Text); }

const GdiOp* findText(const CRecordingDC& dc, const char* text)
{
    for (const GdiOp& op : dc.ops())
        if (op.kind == GdiOp::Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

std::string tempDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir)
        dir = std::make_unique<QTemporaryDir>();
    static int n = 0;
    const QString sub = dir->path() + QStringLiteral("/t%1").arg(++n);
    QDir().mkpath(sub);
    return sub.toStdString();
}

std::string writeFile(const std::string& name, const std::string& content)
{
    const std::string path = tempDir() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

static bool near(QRgb p, QColor c, int tol)
{
    return std::abs(qRed(p) - c.red()) <= tol && std::abs(qGreen(p) - c.green()) <= tol &&
           std::abs(qBlue(p) - c.blue()) <= tol;
}

int countNear(const QImage& img, int x, int y, int r, QColor c, int tolerance)
{
    int n = 0;
    for (int yy = y - r; yy <= y + r; ++yy)
        for (int xx = x - r; xx <= x + r; ++xx)
            if (img.valid(xx, yy) && near(img.pixel(xx, yy), c, tolerance))
                ++n;
    return n;
}

int countColour(const QImage& img, QColor c, int tolerance)
{
    int n = 0;
    for (int yy = 0; yy < img.height(); ++yy)
        for (int xx = 0; xx < img.width(); ++xx)
            if (near(img.pixel(xx, yy), c, tolerance))
                ++n;
    return n;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
{
    rlimit lim{};
    getrlimit(RLIMIT_FSIZE, &lim);
    m_soft = lim.rlim_cur;
    lim.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lim);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit lim{};
    getrlimit(RLIMIT_FSIZE, &lim);
    lim.rlim_cur = m_soft;
    setrlimit(RLIMIT_FSIZE, &lim);
    std::signal(SIGXFSZ, m_handler);
}

std::vector<TextBox> textBoxes(const CRecordingDC& dc)
{
    std::vector<TextBox> out;
    for (const GdiOp* op : textOps(dc)) {
        const double a = op->angle * M_PI / 180.0;
        // The cell's corners, turned about the baseline's start.
        const double along[4] = {0, op->width, 0, op->width};
        const double up[4] = {op->ascent, op->ascent, -op->descent, -op->descent};
        TextBox b{op->text.str(), 1e300, 1e300, -1e300, -1e300};
        for (int i = 0; i < 4; ++i) {
            const double x = op->originX + along[i] * std::cos(a) - up[i] * std::sin(a);
            const double y = op->originY - along[i] * std::sin(a) - up[i] * std::cos(a);
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
        }
        out.push_back(b);
    }
    return out;
}

std::vector<std::string> overprints(const std::vector<TextBox>& boxes)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const TextBox &a = boxes[i], &b = boxes[j];
            if (a.left + 1 < b.right && b.left + 1 < a.right && a.top + 1 < b.bottom && b.top + 1 < a.bottom)
                out.push_back("\"" + a.text + "\" / \"" + b.text + "\"");
        }
    return out;
}

}  // namespace testsupport
