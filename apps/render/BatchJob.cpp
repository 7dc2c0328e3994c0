#include "BatchJob.h"

#include "BatchProgress.h"
#include "ContactSheet.h"
#include "StationNames.h"

#include "chart/ChartExporter.h"
#include "platform/core/TextNumber.h"
#include "platform/core/AtomicFile.h"
#include "platform/gdi/PdfBook.h"
#include "platform/gdi/PdfOutline.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingRender.h"
#include "sounding/SurveyFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Each chart with its legend and axis titles, as the single-chart render
// draws it, unless the chart alone was asked for.
SoundingFigure figureFor(const SoundingTable& table, const BatchOptions& opt)
{
    SoundingFigure figure;
    figure.abscissaTitle = SoundingFigure::AbscissaTitleFor(table.header);
    if (opt.plain) {
        figure.keepLabelsApart = false;
        figure.legend = false;
        figure.abscissaTitle.Empty();
        figure.valueTitle.Empty();
    }
    return figure;
}

// Thumbnails of the contact sheet: small enough that a page of hundreds
// loads at once, large enough to tell one curve's shape from another.
constexpr int kThumbDpi = 36;
constexpr size_t kMaxItems = 1'000'000;
constexpr size_t kSniffBytes = 4096;

// Files in an input folder that a batch itself writes, never data.
bool isOutputFile(const fs::path& p)
{
    std::string format;
    return OptionScanner::FormatOf(p.string(), ChartExporter::Formats(), format) ||
           OptionScanner::FormatOf(p.string(), {"html"}, format);
}

// The start of a file, enough to tell a survey table from a sounding file.
bool sniff(const std::string& path, std::string& head, std::string& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::generic_category().message(errno);
        return false;
    }
    head.resize(kSniffBytes);
    ssize_t n = 0;
    do
        n = read(fd, head.data(), head.size());
    while (n < 0 && errno == EINTR);
    const int err = errno;
    close(fd);
    if (n < 0) {
        error = "cannot read " + path + ": " + std::generic_category().message(err);
        return false;
    }
    head.resize(static_cast<size_t>(n));
    return true;
}

std::string extensionOf(const BatchOptions& opt) { return "." + opt.format; }

}  // namespace

bool BatchJob::addFile(const std::string& path, std::string& error)
{
    Item item;
    item.station = fs::path(path).stem().string();
    std::string head, problem;
    if (!sniff(path, head, problem)) {
        item.source = path;
        item.problem = problem;
    } else if (!SurveyFile::LooksLikeSurvey(head)) {
        item.path = path;  // read when its turn comes: a folder of soundings costs no memory
    } else {
        SurveyTable t;
        CString err;
        if (!SurveyFile::Read(path.c_str(), t, err)) {
            item.source = path;
            item.problem = err.str();
        } else {
            if (m_items.size() + t.stations.size() > kMaxItems) {
                error = "more than 1000000 stations in the inputs, the most one batch takes";
                return false;
            }
            for (SurveyStation& s : t.stations) {
                Item st;
                st.station = s.name.str();
                st.source = path + ": station " + st.station + " (line " + std::to_string(s.firstLine) + ")";
                st.table = std::make_unique<SoundingTable>(std::move(s.table));
                m_items.push_back(std::move(st));
            }
            return true;
        }
    }
    if (m_items.size() >= kMaxItems) {
        error = "more than 1000000 stations in the inputs, the most one batch takes";
        return false;
    }
    m_items.push_back(std::move(item));
    return true;
}

bool BatchJob::Prepare(std::string& error)
{
    m_items.clear();
    for (const std::string& input : m_opt.inputs) {
        std::error_code ec;
        if (!fs::is_directory(input, ec)) {
            if (!addFile(input, error))
                return false;
            continue;
        }
        std::vector<std::string> files;
        for (fs::directory_iterator it(input, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::path& p = it->path();
            std::error_code fileEc;
            if (p.filename().string().starts_with('.') || !it->is_regular_file(fileEc) || isOutputFile(p))
                continue;
            if (files.size() >= kMaxItems) {
                error = input + ": more than 1000000 files, the most one batch takes";
                return false;
            }
            files.push_back(p.string());
        }
        if (ec) {
            error = "cannot list " + input + ": " + ec.message();
            return false;
        }
        std::sort(files.begin(), files.end());
        m_items.reserve(std::min(kMaxItems, m_items.size() + files.size()));
        for (const std::string& f : files)
            if (!addFile(f, error))
                return false;
    }
    std::vector<std::string> stations;
    stations.reserve(m_items.size());
    for (const Item& it : m_items)
        stations.push_back(it.station);
    const std::vector<std::string> files = StationNames::Assign(stations);
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i].file = files[i];
    m_items.shrink_to_fit();
    return true;
}

std::vector<size_t> BatchJob::ShardItems() const
{
    std::vector<size_t> mine;
    const size_t n = static_cast<size_t>(m_opt.shards), k = static_cast<size_t>(m_opt.shard - 1);
    for (size_t i = k; i < m_items.size(); i += n)
        mine.push_back(i);
    return mine;
}

bool BatchJob::loadItem(const Item& item, SoundingTable& scratch, const SoundingTable*& table,
                        std::string& error) const
{
    if (!item.problem.empty()) {
        error = item.problem;
        return false;
    }
    table = item.table.get();
    if (item.path.empty())
        return table != nullptr;
    CString err;
    if (!SoundingFile::Read(item.path.c_str(), 0, scratch, err)) {
        error = err.str();
        return false;
    }
    table = &scratch;
    return true;
}

int BatchJob::Run(const std::atomic<bool>& stop, BatchProgress& progress)
{
    const std::vector<size_t> mine = ShardItems();
    return m_opt.Book() ? runBook(stop, progress, mine) : runFolder(stop, progress, mine);
}

bool BatchJob::writeIndex(std::string& error) const
{
    std::vector<ContactSheet::Station> sheet;
    sheet.reserve(m_items.size());
    for (const Item& it : m_items)
        sheet.push_back({it.station, it.file + extensionOf(m_opt), "thumbs/" + it.file + ".png", it.problem});
    CString err;
    const std::string path = (fs::path(m_opt.output) / "index.html").string();
    if (!AtomicFile::WriteBytes(path.c_str(), ContactSheet::Html("Survey charts", sheet), err)) {
        error = err.str();
        return false;
    }
    return true;
}

// One station, whatever becomes of its chart: read, checked, laid out with
// its legend and titles, handed to output, and counted; a failure is named
// on the way out.
void BatchJob::drawItem(const Item& item, SoundingTable& scratch, BatchProgress& progress, const ChartOutput& output)
{
    std::string err;
    const SoundingTable* table = nullptr;
    bool ok = loadItem(item, scratch, table, err);
    if (ok) {
        CString e, note;
        const int model = SoundingRender::ReadableModel(*table, m_opt.model, note);
        ok = SoundingRender::Check(*table, model, item.Source().c_str(), e);
        if (ok) {
            if (!note.IsEmpty() && !m_opt.quiet)
                progress.Say("tarnex-render: note: " + item.Source() + ": " + note.str());
            CDrawRPCurve chart;
            SoundingRender::Load(chart, *table, model);
            const SoundingFigure figure = figureFor(*table, m_opt);
            ok = output([&chart, &figure](CDC* dc) { DrawSoundingFigure(chart, dc, figure); }, e);
        }
        err = e.str();
    }
    if (ok) {
        ++m_drawn;
    } else {
        ++m_failed;
        // Messages carry names from the data: no control byte reaches the terminal.
        const bool named = err.find(item.Source()) != std::string::npos;
        progress.Say("tarnex-render: " + TextNumber::Escape(named ? err : item.Source() + ": " + err));
    }
    progress.Done();
}

int BatchJob::runFolder(const std::atomic<bool>& stop, BatchProgress& progress, const std::vector<size_t>& mine)
{
    std::error_code ec;
    fs::create_directories(m_opt.output, ec);
    if (!ec && m_opt.index)
        fs::create_directories(fs::path(m_opt.output) / "thumbs", ec);
    if (ec) {
        progress.Say("tarnex-render: cannot make the folder " + m_opt.output + ": " + ec.message());
        return kNoneDrawn;
    }
    // The sheet depends on the list of stations only, so every shard would
    // write the same page: the first writes it.
    std::string error;
    if (m_opt.index && m_opt.shard == 1 && !writeIndex(error))
        progress.Say("tarnex-render: " + TextNumber::Escape(error));

    // Syncing each of thousands of files costs more than drawing them: the
    // files are still renamed into place whole, and synced all at once at the end.
    AtomicFile::DeferSync(true);
    std::atomic<size_t> next{0};
    auto work = [&] {
        SoundingTable scratch;
        for (;;) {
            if (stop.load())
                return;
            const size_t k = next.fetch_add(1);
            if (k >= mine.size())
                return;
            const Item& item = m_items[mine[k]];
            drawItem(item, scratch, progress, [&](const ChartDraw& draw, CString& why) {
                const fs::path base = fs::path(m_opt.output) / item.file;
                if (!ChartExporter::Export(draw, (base.string() + extensionOf(m_opt)).c_str(), m_opt.dpi, why))
                    return false;
                const fs::path thumb = fs::path(m_opt.output) / "thumbs" / (item.file + ".png");
                return !m_opt.index || ChartExporter::Export(draw, thumb.c_str(), kThumbDpi, why);
            });
        }
    };
    unsigned jobs = m_opt.jobs > 0 ? static_cast<unsigned>(m_opt.jobs) : std::max(1u, std::thread::hardware_concurrency());
    jobs = static_cast<unsigned>(std::min<size_t>(jobs, std::max<size_t>(mine.size(), 1)));
    std::vector<std::thread> threads;
    for (unsigned j = 1; j < jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    AtomicFile::DeferSync(false);
    CString syncError;
    const bool synced = AtomicFile::SyncFileSystem(m_opt.output.c_str(), syncError);
    progress.Finish();
    if (!synced) {
        progress.Say("tarnex-render: " + TextNumber::Escape(syncError.str()));
        return kNoneDrawn;
    }
    if (stop.load() && m_drawn + m_failed < mine.size())
        return kInterrupted;
    if (m_failed == 0)
        return kAllDrawn;
    return m_drawn == 0 ? kNoneDrawn : kSomeFailed;
}

int BatchJob::runBook(const std::atomic<bool>& stop, BatchProgress& progress, const std::vector<size_t>& mine)
{
    CString e;
    if (!AtomicFile::CheckWritable(m_opt.output.c_str(), e)) {
        progress.Say("tarnex-render: " + TextNumber::Escape(e.str()));
        return kNoneDrawn;
    }
    PdfBook book(m_opt.dpi, "Survey charts");
    std::vector<PdfOutline::Entry> outline;
    SoundingTable scratch;
    for (size_t k : mine) {
        if (stop.load())
            break;
        const Item& item = m_items[k];
        drawItem(item, scratch, progress, [&](const ChartDraw& draw, CString& why) {
            CSize px;
            CPoint shift;
            if (!ChartExporter::Layout(draw, m_opt.dpi, px, shift, why))
                return false;
            CDC* page = book.NewPage(px.cx * 25.4 / m_opt.dpi, px.cy * 25.4 / m_opt.dpi);
            if (!page) {
                why = "the page cannot be made";
                return false;
            }
            page->SetViewportOrg(shift);
            draw(page);
            outline.push_back({item.station, book.Pages() - 1});
            return true;
        });
    }
    progress.Finish();
    if (stop.load() && m_drawn + m_failed < mine.size())
        return kInterrupted;  // the book is not written: no file rather than part of one
    if (m_drawn == 0)
        return kNoneDrawn;
    std::string pdf;
    if (!book.Finish(pdf, e) || !PdfOutline::Append(pdf, outline, e) ||
        !AtomicFile::WriteBytes(m_opt.output.c_str(), pdf, e)) {
        progress.Say("tarnex-render: " + m_opt.output + ": " + TextNumber::Escape(e.str()));
        m_failed += m_drawn;
        m_drawn = 0;
        return kNoneDrawn;
    }
    return m_failed == 0 ? kAllDrawn : kSomeFailed;
}
