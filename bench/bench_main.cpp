#include "BenchData.h"

#include "model/CatalogueView.h"
#include "model/ItemCatalogue.h"
#include "model/Storage.h"
#include "model/StorageFiles.h"
#include "model/StorageSort.h"
#include "model/WildcardPattern.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Every figure is reported as a ratio against a baseline measured in the
// same run, so that the numbers mean the same on any machine.
namespace {

double startUpSeconds(const bench::DataFolder& data)
{
#ifdef __GLIBC__
    // A program that has just started holds no freed memory: hand it back to
    // the system so that each start-up, full or empty, pays for first
    // touching its memory, and neither reuses what the other left behind.
    malloc_trim(0);
#endif
    QElapsedTimer timer;
    timer.start();
    auto* window = new Form1(data.path());
    window->show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    delete window;
    QCoreApplication::processEvents();
    return seconds;
}

// The full and the empty start-up take turns within one benchmark, so that
// the machine's speed, which drifts over seconds, weighs on both alike.
void BM_StartUpFullAgainstEmpty(benchmark::State& state)
{
    const bench::DataFolder empty(false);
    const bench::DataFolder full(true);
    double emptySeconds = 0;
    double fullSeconds = 0;
    bool fullFirst = true;
    for (auto _ : state) {
        const double first = startUpSeconds(fullFirst ? full : empty);
        const double second = startUpSeconds(fullFirst ? empty : full);
        (fullFirst ? fullSeconds : emptySeconds) += first;
        (fullFirst ? emptySeconds : fullSeconds) += second;
        state.SetIterationTime(first + second);
        fullFirst = !fullFirst;
    }
    const double runs = double(state.iterations());
    state.counters["empty_ms"] = emptySeconds / runs * 1e3;
    state.counters["full_ms"] = fullSeconds / runs * 1e3;
    state.counters["full/empty"] = fullSeconds / emptySeconds;
}

// ---- Search --------------------------------------------------------------

morvane::ItemCatalogue fullCatalogue()
{
    morvane::ItemCatalogue catalogue;
    for (int i = 0; i < bench::kFull; ++i)
        catalogue.append({qint16(i + 1), bench::itemName(i), bench::detail(i), 0, 12});
    return catalogue;
}

void BM_SearchAndRebuildView(benchmark::State& state)
{
    const morvane::ItemCatalogue catalogue = fullCatalogue();
    morvane::CatalogueView view(catalogue);
    for (auto _ : state) {
        const morvane::WildcardPattern pattern(QStringLiteral("*剣*"));
        view.rebuild([&pattern](const QString& name) { return pattern.matches(name); });
        benchmark::DoNotOptimize(view.lineCount());
    }
    if (view.lineCount() != (bench::kFull + 1) / 2)
        state.SkipWithError("the search did not match half of the catalogue");
}

void BM_BaselineStringFindScan(benchmark::State& state)
{
    std::vector<std::string> names;
    for (int i = 0; i < bench::kFull; ++i)
        names.push_back(bench::itemName(i).toStdString());
    const std::string needle = QStringLiteral("剣").toStdString();
    for (auto _ : state) {
        int found = 0;
        for (const std::string& name : names)
            found += name.find(needle) != std::string::npos;
        benchmark::DoNotOptimize(found);
    }
}

// ---- Save and reload -------------------------------------------------------

void BM_SaveAndReloadFullStorages(benchmark::State& state)
{
    const bench::DataFolder data(false);
    const morvane::DataFolder folder(data.path());
    morvane::Storage mog;
    morvane::Storage bag;
    if (!mog.replace(bench::storageLines(0), bench::storageDetails(0))
        || !bag.replace(bench::storageLines(7), bench::storageDetails(7)))
        state.SkipWithError("benchmark storages cannot be encoded");
    for (auto _ : state) {
        if (!morvane::saveStorages(folder, QStringLiteral("クロ"), mog, bag).ok())
            state.SkipWithError("save failed");
        morvane::loadStorages(folder, QStringLiteral("クロ"), mog, bag);
    }
    if (mog.lineCount() != bench::kFull || bag.lineCount() != bench::kFull)
        state.SkipWithError("reload lost lines");
}

void BM_BaselineCopyBytesWithQFile(benchmark::State& state)
{
    const bench::DataFolder data(true);
    const QStringList names{"クロmog.dat", "クロbag.dat", "クロmoginfo.dat", "クロbaginfo.dat"};
    for (auto _ : state) {
        for (const QString& name : names) {
            QFile in(data.path() + u'/' + name);
            QFile out(data.path() + QStringLiteral("/copy-") + name);
            if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
                state.SkipWithError("copy failed");
            out.write(in.readAll());
        }
    }
}

// ---- Sort -----------------------------------------------------------------

// Many equal lines; details either follow the line or differ among equals.
void sortInput(bool detailsDiffer, QStringList* lines, QStringList* details)
{
    for (int i = 0; i < bench::kFull; ++i) {
        const int item = (i * 7919) % 400;
        *lines << bench::itemName(item) + QStringLiteral("\t12");
        *details << (detailsDiffer ? bench::detail(i) : bench::detail(item));
    }
}

void sortBenchmark(benchmark::State& state, bool detailsDiffer)
{
    QStringList lines;
    QStringList details;
    sortInput(detailsDiffer, &lines, &details);
    for (auto _ : state)
        benchmark::DoNotOptimize(morvane::sortLines(lines, details));
}

void BM_SortEqualDetails(benchmark::State& state) { sortBenchmark(state, false); }
void BM_SortDifferingDetails(benchmark::State& state) { sortBenchmark(state, true); }

void BM_BaselineStdStableSort(benchmark::State& state)
{
    QStringList lines;
    QStringList details;
    sortInput(false, &lines, &details);
    for (auto _ : state) {
        std::vector<QString> copy(lines.begin(), lines.end());
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}

void BM_BaselinePlainExchangeSort(benchmark::State& state)
{
    QStringList input;
    QStringList inputDetails;
    sortInput(true, &input, &inputDetails);
    for (auto _ : state) {
        QStringList lines = input;
        QStringList details = inputDetails;
        const qsizetype n = lines.size();
        for (qsizetype i = 0; i + 1 < n; ++i)
            for (qsizetype j = i + 1; j < n; ++j)
                if (lines[i] > lines[j]) {
                    lines.swapItemsAt(i, j);
                    details.swapItemsAt(i, j);
                }
        benchmark::DoNotOptimize(lines.data());
    }
}

BENCHMARK(BM_StartUpFullAgainstEmpty)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(4.0);
BENCHMARK(BM_BaselineStringFindScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchAndRebuildView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineCopyBytesWithQFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndReloadFullStorages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineStdStableSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortEqualDetails)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselinePlainExchangeSort)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SortDifferingDetails)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, each measurement against its baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
            if (const auto startUp = run.counters.find("full/empty"); startUp != run.counters.end())
                m_startUpRatio = startUp->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatios (lower is faster; target in brackets):\n");
        if (m_startUpRatio > 0)
            std::printf("  %-50s %8.3f  [%s]\n", "start-up at full capacity / empty start-up", m_startUpRatio,
                        "<= 1.5");
        else
            std::printf("  %-50s not measured\n", "start-up at full capacity / empty start-up");
        ratio("search and view rebuild / std::string::find scan", "BM_SearchAndRebuildView",
              "BM_BaselineStringFindScan", "< 3");
        ratio("save and reload / QFile byte copy", "BM_SaveAndReloadFullStorages",
              "BM_BaselineCopyBytesWithQFile", "< 3");
        ratio("sort, equal details / std::stable_sort", "BM_SortEqualDetails", "BM_BaselineStdStableSort",
              "<= 5");
        ratio("sort, differing details / plain exchange sort", "BM_SortDifferingDetails",
              "BM_BaselinePlainExchangeSort/iterations:2", "<= 0.2");
    }

private:
    void ratio(const char* what, const std::string& measured, const std::string& baseline, const char* target)
    {
        const auto m = m_seconds.find(measured);
        const auto b = m_seconds.find(baseline);
        if (m == m_seconds.end() || b == m_seconds.end() || b->second <= 0) {
            std::printf("  %-50s not measured\n", what);
            return;
        }
        std::printf("  %-50s %8.3f  [%s]\n", what, m->second / b->second, target);
    }

    std::map<std::string, double> m_seconds;
    double m_startUpRatio = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
