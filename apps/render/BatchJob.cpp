#include "BatchJob.h"

#include "BatchInput.h"
#include "BatchProgress.h"
#include "ContactSheet.h"
#include "RenderOptions.h"
#include "StationNames.h"

#include "ForwardOption.h"
#include "SoundingForward.h"

#include "chart/ChartExporter.h"
#include "model1d/LayeredModelFile.h"
#include "platform/core/CappedFile.h"
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
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <filesystem>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Each chart with its legend and axis titles, as the single-chart render
// draws it, unless the chart alone was asked for.
SoundingFigure figureFor(const SoundingTable& table, const BatchOptions& opt, const BatchJob::Item& item,
                         const std::optional<SoundingPlan>& common)
{
    if (!opt.plain) {
        SoundingFigure figure = SoundingFigure::For(table, RenderOptions::ViewOf(opt.model));
        if (common) {
            // The survey's axes; what is the station's own (its curves, its
            // samples below zero) stays its own.
            SoundingPlan plan = *common;
            plan.modelled = figure.plan->modelled;
            plan.negatives = figure.plan->negatives;
            for (int c = 0; c < 4; ++c)
                plan.negativeRows[c] = figure.plan->negativeRows[c];
            if (plan.model == 2 && plan.negatives && !common->negatives)
                plan.valueTitle += "，负值取绝对值";
            figure.plan = plan;
            figure.abscissaTitle = plan.abscissaTitle;
            figure.valueTitle = plan.valueTitle;
        }
        figure.caption = SoundingFigure::StationCaption(item.station, item.x);
        return figure;
    }
    SoundingFigure figure;
    figure.abscissaTitle = SoundingFigure::AbscissaTitleFor(table.header);
    {
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

// Files in an input folder that a batch itself writes, never data.
bool isOutputFile(const fs::path& p)
{
    std::string format;
    return OptionScanner::FormatOf(p.string(), ChartExporter::Formats(), format) ||
           OptionScanner::FormatOf(p.string(), {"html"}, format);
}

std::string extensionOf(const BatchOptions& opt) { return "." + opt.format; }

}  // namespace

bool BatchJob::addFile(const std::string& path, std::string& error)
{
    Item item;
    item.station = fs::path(path).stem().string();
    std::string text, problem;
    BatchInput::Kind kind = BatchInput::Kind::Sounding;
    bool whole = false;
    if (!BatchInput::Open(path, SurveyFile::kMaxBytes, kind, text, whole, problem)) {
        item.source = path;
        item.problem = problem;
    } else if (kind == BatchInput::Kind::Sounding && !whole) {
        item.path = path;  // read when its turn comes: a folder of soundings costs no memory
    } else if (kind == BatchInput::Kind::Sounding) {
        // A pipe's sounding, read already: kept as its table.
        item.source = path;
        auto table = std::make_unique<SoundingTable>();
        CString err;
        if (text.size() > SoundingFile::kMaxBytes)
            item.problem = path + " is larger than " + std::to_string(SoundingFile::kMaxBytes) +
                           " bytes, the most this reader takes";
        else if (!SoundingFile::Parse(text, path.c_str(), 0, *table, err))
            item.problem = err.str();
        else
            item.table = std::move(table);
    } else {
        SurveyTable t;
        CString err;
        if (!SurveyFile::Parse(text, path.c_str(), t, err)) {
            item.source = path;
            item.problem = err.str();
        } else {
            // A survey's system ("# tem:" line) for --forward-dir, from the
            // bytes already read: a pipe is read once.
            std::shared_ptr<const em1d::TemSystem> system;
            if (!m_opt.forwardDir.empty()) {
                std::string why;
                em1d::TemSystem sys;
                if (!SoundingForward::ApplySystem(text, path, sys, why)) {
                    error = why;
                    return false;
                }
                system = std::make_shared<const em1d::TemSystem>(sys);
            }
            std::string().swap(text);
            if (m_items.size() + t.stations.size() > kMaxItems) {
                error = "more than 1000000 stations in the inputs, the most one batch takes";
                return false;
            }
            const size_t shards = static_cast<size_t>(m_opt.shards), mine = static_cast<size_t>(m_opt.shard - 1);
            for (SurveyStation& st : t.stations) {
                Item it;
                it.station = st.name.str();
                it.source = path + ": station " + it.station + " (line " + std::to_string(st.firstLine) + ")";
                it.x = st.x;
                it.system = system;
                // Another shard's station is named, never drawn here: its rows
                // and text go as soon as it is listed.
                if (m_items.size() % shards == mine)
                    it.table = std::make_unique<SoundingTable>(std::move(st.table));
                st = SurveyStation();
                m_items.push_back(std::move(it));
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
            if (p.filename().string().starts_with('.') || isOutputFile(p))
                continue;
            // A link that leads nowhere (dangling, or a loop) is a station
            // that fails with the reason, never one left out unsaid.
            std::error_code fileEc, linkEc;
            const bool regular = it->is_regular_file(fileEc);
            if (!regular && !(it->is_symlink(linkEc) && fileEc))
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
    const std::vector<std::string> files = StationNames::Assign(stations, StationNames::FoldedKey);
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

void BatchJob::planCommonScale()
{
    // Every station's rows, of every shard, so that shards agree.
    SoundingTable all;
    bool modelled = true;
    SoundingTable scratch;
    for (const Item& item : m_items) {
        const SoundingTable* t = nullptr;
        std::string err;
        CString e;
        if (!loadItem(item, scratch, t, err) || !SoundingRender::CheckFigure(*t, "", e))
            continue;
        const bool own = t->columns >= 5 && t->rFwd.GetSize() >= t->Rows() && t->vFwd.GetSize() >= t->Rows();
        modelled = modelled && own;
        if (all.header.empty())
            all.header = t->header;
        for (int i = 0; i < t->Rows(); ++i) {
            float x = t->x[i], r = t->r[i], v = t->v[i];
            float rf = own ? t->rFwd[i] : r, vf = own ? t->vFwd[i] : v;
            all.x.Add(x);
            all.r.Add(r);
            all.v.Add(v);
            all.rFwd.Add(rf);
            all.vFwd.Add(vf);
        }
    }
    if (all.Rows() > 0)
        m_common = SoundingPlan::Common(all, RenderOptions::ViewOf(m_opt.model));
}

int BatchJob::Run(const std::atomic<bool>& stop, BatchProgress& progress)
{
    if (m_opt.commonScale && !m_opt.plain)
        planCommonScale();
    const std::vector<size_t> mine = ShardItems();
    return m_opt.Book() ? runBook(stop, progress, mine) : runFolder(stop, progress, mine);
}

bool BatchJob::writeIndex(const OutputFolder& out, std::string& error) const
{
    std::vector<ContactSheet::Station> sheet;
    sheet.reserve(m_items.size());
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Item& it = m_items[i];
        std::string problem = it.problem;
        if (const auto f = m_failures.find(i); f != m_failures.end())
            problem = f->second;
        sheet.push_back({it.station, it.file + extensionOf(m_opt), "thumbs/" + it.file + ".png", problem});
    }
    CString err;
    if (!out.Write(out.folder, "index.html", ContactSheet::Html("Survey charts", sheet), err)) {
        error = err.str();
        return false;
    }
    return true;
}

bool BatchJob::forwardItem(const Item& item, SoundingTable& scratch, const SoundingTable*& table,
                           std::string& message, std::string& error) const
{
    std::string modelPath;
    for (const std::string& name : {item.station, item.file})
        for (const char* ext : {".txt", ".model.txt"}) {
            std::error_code ec;
            const fs::path p = fs::path(m_opt.forwardDir) / (name + ext);
            if (modelPath.empty() && !name.empty() && name.find('/') == std::string::npos && fs::is_regular_file(p, ec))
                modelPath = p.string();
        }
    if (modelPath.empty()) {
        message = "no model in " + m_opt.forwardDir + ": drawn with its own modelled curves";
        return true;
    }
    em1d::TemSystem system;
    if (item.system) {
        system = *item.system;
    } else if (table->source && !SoundingForward::ApplySystem(*table->source, item.Source(), system, error)) {
        return false;
    }
    LayeredModel model;
    CString e;
    if (!LayeredModelFile::Read(modelPath.c_str(), model, e)) {
        error = e.str();
        return false;
    }
    if (table != &scratch) {
        scratch = *table;
        table = &scratch;
    }
    double misfit = 0;
    if (!ForwardOption::Apply(scratch, model, system, item.Source(), misfit, error))
        return false;
    message = "model " + modelPath + ": " + ForwardOption::MisfitLine(misfit);
    return true;
}

// One station, whatever becomes of its chart: read, checked, laid out with
// its legend and titles, handed to output, and counted; a failure is named
// on the way out.
bool BatchJob::drawItem(const Item& item, SoundingTable& scratch, BatchProgress& progress, const ChartOutput& output)
{
    std::string err;
    const SoundingTable* table = nullptr;
    bool ok = false;
    std::string misfit;
    try {
        ok = loadItem(item, scratch, table, err);
        if (ok && !m_opt.forwardDir.empty())
            ok = forwardItem(item, scratch, table, misfit, err);
    } catch (const std::bad_alloc&) {
        err = "out of memory";
    }
    if (ok && !misfit.empty() && !m_opt.quiet)
        progress.Say("tarnex-render: " + TextNumber::Escape(item.Source() + ": " + misfit));
    if (ok) try {
        CString e, note;
        // The chart alone takes the values as they stand; a figure's plan
        // brings any magnitude into the chart.
        const int model = m_opt.plain ? SoundingRender::ReadableModel(*table, m_opt.model == 0 ? 1 : m_opt.model, note) : 0;
        ok = m_opt.plain ? SoundingRender::Check(*table, model, item.Source().c_str(), e)
                         : SoundingRender::CheckFigure(*table, item.Source().c_str(), e);
        if (ok) {
            const SoundingFigure figure = figureFor(*table, m_opt, item, m_common);
            if (figure.plan)
                note = figure.plan->note;
            if (!note.IsEmpty() && !m_opt.quiet)
                progress.Say("tarnex-render: note: " + TextNumber::Escape(item.Source() + ": " + note.str()));
            CDrawRPCurve chart;
            if (figure.plan)
                figure.plan->Load(chart, *table);
            else
                SoundingRender::Load(chart, *table, model);
            ok = output([&chart, &figure](CDC* dc) { DrawSoundingFigure(chart, dc, figure); }, e);
        }
        err = e.str();
    } catch (const std::bad_alloc&) {
        // This station's chart does not fit in memory; the next may.
        ok = false;
        err = "out of memory";
    }
    if (ok) {
        ++m_drawn;
    } else {
        ++m_failed;
        try {
            {
                const std::lock_guard<std::mutex> lock(m_failMutex);
                m_failures[static_cast<size_t>(&item - m_items.data())] = err;
            }
            // Messages carry names from the data: no control byte reaches the terminal.
            const bool named = err.find(item.Source()) != std::string::npos;
            progress.Say("tarnex-render: " + TextNumber::Escape(named ? err : item.Source() + ": " + err));
        } catch (const std::bad_alloc&) {
            std::fputs("tarnex-render: out of memory\n", stderr);
        }
    }
    progress.Done();
    return ok;
}

BatchJob::OutputFolder::~OutputFolder()
{
    if (thumbs >= 0)
        close(thumbs);
    if (folder >= 0)
        close(folder);
}

bool BatchJob::OutputFolder::Open(const std::string& path, bool withThumbs, std::string& error)
{
    // The folder named on the command line is taken as it is, a link to it
    // included; inside it nothing is written through a link.
    root = path;
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec) {
        error = "cannot make the folder " + path + ": " + ec.message();
        return false;
    }
    folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        error = "cannot open the folder " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!withThumbs)
        return true;
    const std::string shown = (fs::path(path) / "thumbs").string();
    if (mkdirat(folder, "thumbs", 0777) != 0 && errno != EEXIST) {
        error = "cannot make the folder " + shown + ": " + std::strerror(errno);
        return false;
    }
    thumbs = openat(folder, "thumbs", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (thumbs < 0) {
        struct stat st {};
        const bool link = fstatat(folder, "thumbs", &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
        error = "cannot use the folder " + shown + ": " +
                (link ? std::string("it is a symbolic link, and the batch writes through no link in its output folder")
                      : std::strerror(errno));
        return false;
    }
    return true;
}

bool BatchJob::OutputFolder::Write(int dir, const std::string& name, std::string_view bytes, CString& error) const
{
    const std::string shown = (fs::path(root) / (dir == thumbs ? "thumbs/" + name : name)).string();
    AtomicFile file(dir, name.c_str(), shown.c_str());
    if (file.Handle() < 0 || !file.Append(bytes.data(), bytes.size()) || !file.Commit()) {
        error = file.Error();
        return false;
    }
    return true;
}

void BatchJob::OutputFolder::Remove(int dir, const std::string& name) const
{
    // A chart that was not drawn this time must not stand for this run's:
    // its old file goes, unless its owner made it read-only.
    struct stat st {};
    if (fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISLNK(st.st_mode) || (S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0))
        unlinkat(dir, name.c_str(), 0);
}

unsigned BatchJob::Threads(int asked, size_t stations)
{
    unsigned jobs = asked > 0 ? static_cast<unsigned>(asked) : 0;
    if (jobs == 0) {
        // One a processor this process may run on (taskset, cgroups' cpusets).
        cpu_set_t set;
        CPU_ZERO(&set);
        if (sched_getaffinity(0, sizeof set, &set) == 0)
            jobs = static_cast<unsigned>(CPU_COUNT(&set));
        if (jobs == 0)
            jobs = std::max(1u, std::thread::hardware_concurrency());
    }
    return static_cast<unsigned>(std::min<size_t>(jobs, std::max<size_t>(stations, 1)));
}

unsigned BatchJob::ThreadsInAddressSpace(unsigned jobs)
{
    // A drawing thread takes its stack, an allocator arena and its images:
    // under an address space limit (ulimit -v) only as many start as fit in
    // what is left, instead of running out halfway through a chart.
    constexpr unsigned long long kPerThread = 128ull << 20;
    rlimit lim{};
    if (getrlimit(RLIMIT_AS, &lim) != 0 || lim.rlim_cur == RLIM_INFINITY)
        return jobs;
    unsigned long long pages = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%llu", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    const unsigned long long used = pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
    const unsigned long long left = lim.rlim_cur > used ? lim.rlim_cur - used : 0;
    return static_cast<unsigned>(std::clamp<unsigned long long>(left / kPerThread, 1, jobs));
}

int BatchJob::runFolder(const std::atomic<bool>& stop, BatchProgress& progress, const std::vector<size_t>& mine)
{
    OutputFolder out;
    std::string error;
    if (!out.Open(m_opt.output, m_opt.index, error)) {
        progress.Say("tarnex-render: " + TextNumber::Escape(error));
        return kNoneDrawn;
    }

    // Syncing each of thousands of files costs more than drawing them: the
    // files are still renamed into place whole, and synced all at once at the end.
    AtomicFile::DeferSync(true);
    std::atomic<size_t> next{0};
    const unsigned asked = Threads(m_opt.jobs, mine.size());
    const unsigned jobs = ThreadsInAddressSpace(asked);
    if (jobs < asked)
        progress.Say("tarnex-render: note: the address space limit leaves room for " + std::to_string(jobs) + " of " +
                     std::to_string(asked) + " drawing threads; drawing with those");
    std::atomic<unsigned> working{jobs};  // threads numbered from here on stop
    auto work = [&](unsigned index) {
        SoundingTable scratch;
        for (;;) {
            if (stop.load() || index >= working.load())
                return;
            const size_t k = next.fetch_add(1);
            if (k >= mine.size())
                return;
            const Item& item = m_items[mine[k]];
            bool counted = false;
            try {
                const std::string chart = item.file + extensionOf(m_opt), thumb = item.file + ".png";
                counted = true;
                const bool drawn = drawItem(item, scratch, progress, [&](const ChartDraw& draw, CString& why) {
                    const std::string shown = (fs::path(m_opt.output) / chart).string();
                    std::string bytes;
                    if (!ChartExporter::Encode(draw, shown.c_str(), m_opt.dpi, bytes, why) ||
                        !out.Write(out.folder, chart, bytes, why))
                        return false;
                    return !m_opt.index || (ChartExporter::Encode(draw, thumb.c_str(), kThumbDpi, bytes, why) &&
                                            out.Write(out.thumbs, thumb, bytes, why));
                });
                if (!drawn) {
                    out.Remove(out.folder, chart);
                    if (m_opt.index)
                        out.Remove(out.thumbs, thumb);
                }
            } catch (const std::bad_alloc&) {
                // Not even the station's names fit: it fails, the thread goes on.
                if (!counted) {
                    ++m_failed;
                    progress.Done();
                }
            }
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(jobs);
    for (unsigned j = 1; j < jobs; ++j) {
        try {
            threads.emplace_back(work, j);
        } catch (const std::system_error&) {
            // No memory or no thread left for another: the memory is short,
            // so half of those started draw, each with room for its images.
            working = std::max(1u, j / 2);
            progress.Say("tarnex-render: note: only " + std::to_string(j) + " of " + std::to_string(jobs) +
                         " drawing threads could be started; drawing with " + std::to_string(working.load()));
            break;
        }
    }
    work(0);
    for (std::thread& t : threads)
        t.join();
    // The sheet depends on the list of stations and on which of them failed
    // in this run, so it is written last; every shard's would list the same
    // stations: the first writes it.
    if (m_opt.index && m_opt.shard == 1 && !writeIndex(out, error))
        progress.Say("tarnex-render: " + TextNumber::Escape(error));
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
    // Pages of one size, landscape, the chart centred; a chart larger than
    // the page (none of the bounded figures is) gets a page that holds it.
    double pageW = 0, pageH = 0;
    if (m_opt.page == "a4")
        pageW = 297, pageH = 210;
    else if (m_opt.page == "letter")
        pageW = 279.4, pageH = 215.9;
    std::string line;  // the survey line whose bookmarks are being gathered
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
            const double mmPerPx = 25.4 / m_opt.dpi;
            const double w = std::max(pageW, px.cx * mmPerPx), h = std::max(pageH, px.cy * mmPerPx);
            CDC* page = book.NewPage(w, h);
            if (!page) {
                why = "the page cannot be made";
                return false;
            }
            const CPoint centre(static_cast<LONG>((w / mmPerPx - px.cx) / 2), static_cast<LONG>((h / mmPerPx - px.cy) / 2));
            page->SetViewportOrg(CPoint(shift.x + centre.x, shift.y + centre.y));
            draw(page);
            // A station named after its line ("L01-003") goes under a
            // bookmark of that line.
            const std::string itsLine = SoundingFigure::LineOf(item.station);
            if (!itsLine.empty() && itsLine != line)
                outline.push_back({TextNumber::Escape(itsLine), book.Pages() - 1, 0});
            line = itsLine;
            // No control byte in a bookmark.
            outline.push_back({TextNumber::Escape(item.station), book.Pages() - 1, itsLine.empty() ? 0 : 1});
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
