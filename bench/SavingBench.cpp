// Costs of saving a sounding as it was written: the text of a large file
// rewritten with one edited value, against writing the numbers afresh.
#include "platform/core/DataText.h"
#include "platform/core/NumberFormat.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Rows as a user's file holds them: right-aligned columns, a comment now and then.
std::string makeText(int rows, std::vector<float>& values)
{
    std::string text = "# site 7\ntime_ms R V Rfwd Vfwd\n";
    char line[128];
    for (int i = 0; i < rows; ++i) {
        const float row[5] = {0.4f + i * 0.25f, 300.0f - i % 200, 35.0f + i % 300, 298.5f - i % 200, 35.5f + i % 300};
        std::snprintf(line, sizeof line, "%9.3f %8.2f %8.2f %8.2f %8.2f%s\n", row[0], row[1], row[2], row[3], row[4],
                      i % 50 == 0 ? "  # gate check" : "");
        text += line;
        for (float v : row)
            values.push_back(v);
    }
    return text;
}

void BM_RewriteKeepingText(benchmark::State& state)
{
    std::vector<float> values;
    const std::string text = makeText(static_cast<int>(state.range(0)), values);
    // The reader's values, one of them edited.
    std::vector<float> read(values.size());
    for (size_t k = 0; k < values.size(); ++k) {
        char buf[32];
        std::snprintf(buf, sizeof buf, k % 5 == 0 ? "%.3f" : "%.2f", static_cast<double>(values[k]));
        read[k] = std::stof(buf);
    }
    read[read.size() / 2] += 1.0f;
    std::string out;
    for (auto _ : state) {
        DataText::Rewrite(text, {true, true, true, 0}, read.size(), [&](size_t k) { return read[k]; }, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(BM_RewriteKeepingText)->Arg(23)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WriteAfresh(benchmark::State& state)
{
    std::vector<float> values;
    const std::string text = makeText(static_cast<int>(state.range(0)), values);
    for (auto _ : state) {
        std::string out;
        for (size_t k = 0; k < values.size(); ++k)
            out += NumberFormat::Shortest(values[k]) + (k % 5 == 4 ? '\n' : ' ');
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(BM_WriteAfresh)->Arg(23)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
