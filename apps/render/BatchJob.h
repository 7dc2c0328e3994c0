// "tarnex-render batch": the charts of many stations, from sounding files,
// folders of them and survey tables, drawn on several threads into a folder
// (with a contact sheet) or into one PDF with a bookmark a station.
#pragma once

#include "BatchOptions.h"
#include "OptionScanner.h"

#include "em1d/TemSystem.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingPlan.h"

#include <optional>

#include <atomic>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class BatchProgress;
class CDC;

class BatchJob {
public:
    // Exit statuses of the batch.
    enum Status {
        kAllDrawn = OptionScanner::kExitOk,
        kSomeFailed = 1,
        kBadCommand = OptionScanner::kExitBadCommandLine,
        kNoneDrawn = 3,
        kInterrupted = 130
    };

    // One station to draw: its data in memory (a survey table's station) or
    // the sounding file it is read from when its turn comes.
    struct Item {
        std::string station;  // as the data names it
        std::string file;     // safe, distinct file name without extension
        std::string source;   // where it comes from, for messages; empty: path
        std::string path;     // a sounding file read when drawn; empty: table holds the data
        std::unique_ptr<SoundingTable> table;  // a survey table's station; kept small for folders of files
        std::string problem;  // known before drawing: the file cannot be read
        double x = std::numeric_limits<double>::quiet_NaN();  // position along the line, when the table has it
        // A survey table's system ("# tem:" line), for --forward-dir; null:
        // the station's own file states it.
        std::shared_ptr<const em1d::TemSystem> system;

        const std::string& Source() const noexcept { return source.empty() ? path : source; }
    };

    explicit BatchJob(BatchOptions options) : m_opt(std::move(options)) {}

    // Lists the stations of every input in order (a folder's files sorted by
    // name), reads the survey tables, and gives each station its file name.
    // Needs no display. False with a message when an input does not exist.
    bool Prepare(std::string& error);
    const std::vector<Item>& Items() const noexcept { return m_items; }
    // The indices of Items() this shard draws: every shards-th from shard-1.
    std::vector<size_t> ShardItems() const;

    // Draws this shard's stations; needs a QGuiApplication. Stops taking new
    // stations once stop is set (the ones being drawn are finished). Returns
    // the exit status.
    int Run(const std::atomic<bool>& stop, BatchProgress& progress);

    // The drawing threads for asked (0: one a processor this process may
    // run on), never more than stations.
    static unsigned Threads(int asked, size_t stations);
    // At most jobs, as many as the address space limit leaves room for.
    static unsigned ThreadsInAddressSpace(unsigned jobs);

    size_t Drawn() const noexcept { return m_drawn; }
    size_t Failed() const noexcept { return m_failed; }

private:
    bool addFile(const std::string& path, std::string& error);
    // The data of an item, read now when it lives in a file; false with a message.
    bool loadItem(const Item& item, SoundingTable& scratch, const SoundingTable*& table, std::string& error) const;
    using ChartDraw = std::function<void(CDC*)>;
    // Makes the station's chart into output (a file, a page); false with why.
    using ChartOutput = std::function<bool(const ChartDraw& draw, CString& why)>;
    // --forward-dir: the station's model's response into table (copied
    // into scratch when it is not already there); false with a message.
    bool forwardItem(const Item& item, SoundingTable& scratch, const SoundingTable*& table, std::string& message,
                     std::string& error) const;
    bool drawItem(const Item& item, SoundingTable& scratch, BatchProgress& progress, const ChartOutput& output);
    // The output folder and its thumbs folder, opened once: every file is
    // made inside them by name, so that no symbolic link in them (put there
    // by anyone who may write to the folder) redirects a write elsewhere.
    struct OutputFolder {
        std::string root;
        int folder = -1, thumbs = -1;
        OutputFolder() = default;
        OutputFolder(const OutputFolder&) = delete;
        OutputFolder& operator=(const OutputFolder&) = delete;
        ~OutputFolder();
        bool Open(const std::string& path, bool withThumbs, std::string& error);
        bool Write(int dir, const std::string& name, std::string_view bytes, CString& error) const;
        void Remove(int dir, const std::string& name) const;
    };
    int runFolder(const std::atomic<bool>& stop, BatchProgress& progress, const std::vector<size_t>& mine);
    int runBook(const std::atomic<bool>& stop, BatchProgress& progress, const std::vector<size_t>& mine);
    bool writeIndex(const OutputFolder& out, std::string& error) const;
    // With --common-scale: the plan for all the stations' rows together.
    void planCommonScale();

    BatchOptions m_opt;
    std::vector<Item> m_items;
    std::optional<SoundingPlan> m_common;
    std::atomic<size_t> m_drawn{0}, m_failed{0};
    std::mutex m_failMutex;
    std::map<size_t, std::string> m_failures;  // item index: why it failed in this run
};
