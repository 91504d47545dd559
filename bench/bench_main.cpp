#include "BenchData.h"

#include "model/catalogue/CatalogueView.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"
#include "model/storage/StorageSort.h"
#include "model/catalogue/WildcardPattern.h"
#include "model/holdings/HoldingsSearch.h"
#include "tests/StorageContents.h"
#include "ui/main/Form1.h"
#include "ui/search_dialog/Form4.h"
#include "ui/search_dialog/HoldingsSource.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

using namespace Qt::StringLiterals;

// Every figure is the ratio of a measured task to a baseline task, timed in
// turns within one benchmark: the machine's speed drifts over seconds, and
// taking turns makes the drift weigh on both alike.
namespace {

using Clock = std::chrono::steady_clock;

// Times a task; whatever it returns is disposed of after the clock stops.
template <typename Task>
double secondsOf(Task& task)
{
    const Clock::time_point start = Clock::now();
    if constexpr (std::is_void_v<std::invoke_result_t<Task&>>) {
        task();
        return std::chrono::duration<double>(Clock::now() - start).count();
    } else {
        const auto leftOver = task();
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
}

template <typename Measured, typename Baseline>
void takeTurns(benchmark::State& state, Measured measured, Baseline baseline)
{
    double measuredSeconds = 0;
    double baselineSeconds = 0;
    bool measuredFirst = true;
    for (auto _ : state) {
        const double first = measuredFirst ? secondsOf(measured) : secondsOf(baseline);
        const double second = measuredFirst ? secondsOf(baseline) : secondsOf(measured);
        measuredSeconds += measuredFirst ? first : second;
        baselineSeconds += measuredFirst ? second : first;
        state.SetIterationTime(first + second);
        measuredFirst = !measuredFirst;
    }
    const double runs = double(state.iterations());
    state.counters["measured_ms"] = measuredSeconds / runs * 1e3;
    state.counters["baseline_ms"] = baselineSeconds / runs * 1e3;
    state.counters["ratio"] = measuredSeconds / baselineSeconds;
}

// ---- Start-up ---------------------------------------------------------------

// A program that has just started holds no freed memory: handing it back to
// the system before each start-up makes every start-up, full or empty, pay
// for first touching its memory and reuse nothing left behind.
void handBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

struct WindowCloser {
    void operator()(morvane::Form1* window) const
    {
        delete window;
        QCoreApplication::processEvents();
        handBackFreedMemory();
    }
};

// Until the window is shown and the events its showing posted are handled.
std::unique_ptr<morvane::Form1, WindowCloser> startUp(const bench::SampleDataFolder& data)
{
    std::unique_ptr<morvane::Form1, WindowCloser> window(new morvane::Form1(data.path()));
    window->show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return window;
}

void BM_StartUpFullAgainstEmpty(benchmark::State& state)
{
    const bench::SampleDataFolder empty(bench::Contents::Empty);
    const bench::SampleDataFolder full(bench::Contents::FullCapacity);
    handBackFreedMemory();
    takeTurns(state, [&full] { return startUp(full); }, [&empty] { return startUp(empty); });
}

void BM_StartUpSeedAgainstEmpty(benchmark::State& state)
{
    const bench::SampleDataFolder empty(bench::Contents::Empty);
    const bench::SampleDataFolder seed(bench::Contents::SeedCatalogue);
    handBackFreedMemory();
    takeTurns(state, [&seed] { return startUp(seed); }, [&empty] { return startUp(empty); });
}

// ---- Search ---------------------------------------------------------------

morvane::ItemCatalogue fullCatalogue()
{
    morvane::ItemCatalogue catalogue;
    for (int i = 0; i < bench::kFull; ++i)
        catalogue.append({qint16(i + 1), bench::itemName(i), bench::detail(i), 0, 12});
    return catalogue;
}

// Searching the catalogue for "剣" as the catalogue list does, against
// scanning its names, as UTF-8, for the same letter.
void searchAgainstFindScan(benchmark::State& state, const morvane::ItemCatalogue& catalogue, int expectedLines)
{
    morvane::CatalogueView view(catalogue);
    std::vector<std::string> names;
    for (int i = 0; i < catalogue.entryCount(); ++i)
        names.push_back(catalogue.name(i).toStdString());
    const std::string needle = QStringLiteral("剣").toStdString();
    takeTurns(
        state,
        [&view] {
            const morvane::WildcardPattern pattern(QStringLiteral("*剣*"));
            view.rebuild([&pattern](const QString& name) { return pattern.matches(name); });
            benchmark::DoNotOptimize(view.lineCount());
        },
        [&names, &needle] {
            int found = 0;
            for (const std::string& name : names)
                found += name.find(needle) != std::string::npos;
            benchmark::DoNotOptimize(found);
        });
    if (view.lineCount() != expectedLines)
        state.SkipWithError("the search did not find the lines the scan finds");
}

// A search that matches half of a full catalogue, against scanning as many
// UTF-8 names for the same letter.
void BM_SearchAgainstFindScan(benchmark::State& state)
{
    const morvane::ItemCatalogue catalogue = fullCatalogue();
    searchAgainstFindScan(state, catalogue, (bench::kFull + 1) / 2);
}

// The search of the full-capacity benchmark above, over the seed catalogue,
// against scanning its names, as UTF-8, for the same letter.
void BM_SearchSeedAgainstFindScan(benchmark::State& state)
{
    morvane::ItemCatalogue catalogue;
    if (catalogue.loadFile(bench::seedCataloguePath(), morvane::kSeedNullStackSize).unreadableLines != 0)
        state.SkipWithError("the seed catalogue does not load");
    int expected = 0;
    for (int i = 0; i < catalogue.entryCount(); ++i)
        expected += catalogue.name(i).contains(u'剣');
    searchAgainstFindScan(state, catalogue, expected);
}

// ---- Save and reload -------------------------------------------------------

// Saving and reloading two full storages, against copying their four files.
void BM_SaveAndReloadAgainstFileCopy(benchmark::State& state)
{
    const bench::SampleDataFolder saved(bench::Contents::Empty);
    const morvane::DataFolder folder(saved.path());
    morvane::Storage mog;
    morvane::Storage bag;
    if (!fillStorage(mog, bench::storageLines(0), bench::storageDetails(0))
        || !fillStorage(bag, bench::storageLines(7), bench::storageDetails(7)))
        state.SkipWithError("benchmark storages cannot be encoded");
    const bench::SampleDataFolder copied(bench::Contents::FullCapacity);
    const QStringList names{u"クロmog.dat"_s, u"クロbag.dat"_s, u"クロmoginfo.dat"_s, u"クロbaginfo.dat"_s};
    takeTurns(
        state,
        [&] {
            if (!morvane::saveStorages(folder, QStringLiteral("クロ"), {&mog, &bag}).ok())
                state.SkipWithError("save failed");
            morvane::loadStorages(folder, QStringLiteral("クロ"), {&mog, &bag});
        },
        [&] {
            for (const QString& name : names) {
                QFile in(copied.path() + u'/' + name);
                QFile out(copied.path() + QStringLiteral("/copy-") + name);
                if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
                    state.SkipWithError("copy failed");
                out.write(in.readAll());
            }
        });
    if (mog.lineCount() != bench::kFull || bag.lineCount() != bench::kFull)
        state.SkipWithError("reload lost lines");
}

// ---- A huge storage file -----------------------------------------------------

// The resident memory the process has peaked at since the last reset, in MiB;
// -1 where the system does not tell.
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// Choosing a character whose list file holds 200 MB of short lines, against
// reading the file's first 10001 lines with QFile::readLine.
void BM_HugeStorageFileAgainstReadLine(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Hugemog.dat"));
    {
        QFile file(path);
        const QByteArray block = QByteArray("item 12345\t1\r\n").repeated(64 * 1024);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the huge file");
        while (file.size() < 200LL * 1024 * 1024)
            file.write(block);
    }
    const morvane::DataFolder folder(dir.path());
    resetPeakResident();
    const double peakBefore = peakResidentMiB();
    takeTurns(
        state, [&] { return morvane::readStorageFiles(folder, QStringLiteral("Huge")); },
        [&] {
            QFile file(path);
            std::vector<QByteArray> lines;
            if (file.open(QIODevice::ReadOnly))
                while (int(lines.size()) < morvane::Storage::kCapacity && !file.atEnd())
                    lines.push_back(file.readLine());
            return lines;
        });
    state.counters["peak_rss_growth_mb"] = peakResidentMiB() - peakBefore;
    if (morvane::readStorageFiles(folder, QStringLiteral("Huge")).report.truncatedFiles.size() != 1)
        state.SkipWithError("the file was not reported as cut short");
}

// ---- Searching every character ---------------------------------------------

// The baseline of searching every character: the files' bytes, read whole.
std::vector<QByteArray> readAll(const QStringList& paths)
{
    std::vector<QByteArray> files;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.push_back(file.readAll());
    }
    return files;
}

// Searching sixteen characters' full storages (320,032 lines), against
// reading the same files' bytes with QFile::readAll.
void searchAllCharacters(benchmark::State& state, const QString& text, int expectedLines)
{
    const bench::HoldingsDataFolder data;
    const morvane::HoldingsScope scope{morvane::DataFolder(data.path()), data.roster(), std::nullopt};
    const QStringList paths = data.storagePaths();
    resetPeakResident();
    const double peakBefore = peakResidentMiB();
    takeTurns(
        state,
        [&] { return morvane::searchHoldings(scope, text, morvane::WildcardPattern::Matching::IgnoreKanaWidth); },
        [&] { return readAll(paths); });
    state.counters["peak_rss_growth_mb"] = peakResidentMiB() - peakBefore;
    const morvane::Holdings found = morvane::searchHoldings(scope, text, morvane::WildcardPattern::Matching::IgnoreKanaWidth);
    if (paths.size() != 4 * bench::kHoldingsCharacters || found.lineCount() != expectedLines)
        state.SkipWithError("the search did not find what the data holds");
}

struct BenchHoldingsSource : morvane::HoldingsSource {
    explicit BenchHoldingsSource(morvane::HoldingsScope searched)
        : scope(std::move(searched))
    {
    }
    morvane::HoldingsScope holdingsScope() const override { return scope; }
    morvane::HoldingsScope scope;
};

// What the player waits for in the search window: a search for everything
// shown (320,032 rows) and sorted by 個数 until painted, against reading the
// files with QFile::readAll.
void BM_ShowEverythingSortedAgainstReadAll(benchmark::State& state)
{
    const bench::HoldingsDataFolder data;
    BenchHoldingsSource source({morvane::DataFolder(data.path()), data.roster(), std::nullopt});
    morvane::Form4 window(source);
    window.show();
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* search = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* table = window.findChild<QTableView*>(QStringLiteral("Grid1"));
    text->setText(QStringLiteral("*"));
    const QStringList paths = data.storagePaths();
    takeTurns(
        state,
        [&] {
            table->sortByColumn(-1, Qt::AscendingOrder);
            search->click();
            table->sortByColumn(int(morvane::HoldingsColumn::Count), Qt::AscendingOrder);
            window.repaint();
        },
        [&] { return readAll(paths); });
    if (table->model()->rowCount() != 2 * bench::kHoldingsCharacters * bench::kFull
        || table->model()->index(0, int(morvane::HoldingsColumn::Count)).data().toString() != u"1")
        state.SkipWithError("the window did not show every line sorted by count");
}

void BM_SearchOneInTenAgainstReadAll(benchmark::State& state)
{
    // Hiragana, so that the folding is part of what is measured.
    searchAllCharacters(state, QStringLiteral("ぽーしょん"), 2 * bench::kHoldingsCharacters * 1001);
}

void BM_SearchEverythingAgainstReadAll(benchmark::State& state)
{
    searchAllCharacters(state, QStringLiteral("*"), 2 * bench::kHoldingsCharacters * bench::kFull);
}

// ---- Sort -----------------------------------------------------------------

struct SortInput {
    QStringList lines;
    QStringList details;
    morvane::EncodedLines encodedLines;
    morvane::EncodedLines encodedDetails;
};

// Many equal lines; details either follow the line or differ among equals.
SortInput sortInput(bool detailsDiffer)
{
    SortInput input;
    for (int i = 0; i < bench::kFull; ++i) {
        const int item = (i * 7919) % 400;
        input.lines << bench::itemName(item) + QStringLiteral("\t12");
        input.details << (detailsDiffer ? bench::detail(i) : bench::detail(item));
    }
    input.encodedLines = encodeTexts(input.lines).value();
    input.encodedDetails = encodeTexts(input.details).value();
    return input;
}

// Loading the unsorted lines and sorting them, against a baseline given the
// same input and a storage to load it into.
template <typename Baseline>
void sortAgainst(benchmark::State& state, bool detailsDiffer, Baseline baseline)
{
    const SortInput input = sortInput(detailsDiffer);
    morvane::Storage storage;
    takeTurns(
        state,
        [&] {
            storage.load(input.encodedLines, input.encodedDetails);
            morvane::sortStorage(storage);
        },
        [&] { baseline(input, storage); });
}

// Against loading the lines, reading them out and ordering them with
// std::stable_sort.
void BM_SortEqualDetailsAgainstStableSort(benchmark::State& state)
{
    sortAgainst(state, false, [](const SortInput& input, morvane::Storage& storage) {
        storage.load(input.encodedLines, input.encodedDetails);
        QStringList texts = storage.lines();
        std::stable_sort(texts.begin(), texts.end());
        benchmark::DoNotOptimize(texts.data());
    });
}

void BM_SortDifferingDetailsAgainstExchangeSort(benchmark::State& state)
{
    sortAgainst(state, true, [](const SortInput& input, morvane::Storage&) {
        QStringList lines = input.lines;
        QStringList details = input.details;
        const qsizetype n = lines.size();
        for (qsizetype i = 0; i + 1 < n; ++i)
            for (qsizetype j = i + 1; j < n; ++j)
                if (lines[i] > lines[j]) {
                    lines.swapItemsAt(i, j);
                    details.swapItemsAt(i, j);
                }
        benchmark::DoNotOptimize(lines.data());
    });
}

BENCHMARK(BM_StartUpFullAgainstEmpty)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(4.0);
BENCHMARK(BM_StartUpSeedAgainstEmpty)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(4.0);
BENCHMARK(BM_SearchAgainstFindScan)->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK(BM_SearchSeedAgainstFindScan)->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK(BM_SaveAndReloadAgainstFileCopy)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_HugeStorageFileAgainstReadLine)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SearchOneInTenAgainstReadAll)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SearchEverythingAgainstReadAll)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ShowEverythingSortedAgainstReadAll)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SortEqualDetailsAgainstStableSort)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_SortDifferingDetailsAgainstExchangeSort)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

// Prints, after the usual table, each ratio with its target.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (const auto ratio = run.counters.find("ratio"); ratio != run.counters.end())
                m_ratios[run.run_name.function_name] = ratio->second.value;
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatios (lower is faster; target in brackets):\n");
        const struct {
            const char* benchmark;
            const char* what;
            const char* target;
        } figures[] = {
            {"BM_StartUpFullAgainstEmpty", "start-up at full capacity / empty start-up", "<= 1.5"},
            {"BM_StartUpSeedAgainstEmpty", "start-up with the seed catalogue / empty start-up", "<= 1.5"},
            {"BM_SearchAgainstFindScan", "search and view rebuild / std::string::find scan", "< 3"},
            {"BM_SearchSeedAgainstFindScan", "seed catalogue search / std::string::find scan", "< 3"},
            {"BM_SaveAndReloadAgainstFileCopy", "save and reload / QFile byte copy", "< 3"},
            {"BM_HugeStorageFileAgainstReadLine", "200 MB storage file / readLine of 10001 lines", "<= 2"},
            {"BM_SearchOneInTenAgainstReadAll", "search, 1 line in 10 of 16 characters / readAll", "<= 3"},
            {"BM_SearchEverythingAgainstReadAll", "search for * in 16 characters / readAll", "<= 3"},
            {"BM_ShowEverythingSortedAgainstReadAll", "search window: *, shown sorted by count / readAll", "-"},
            {"BM_SortEqualDetailsAgainstStableSort", "sort, equal details / std::stable_sort", "<= 5"},
            {"BM_SortDifferingDetailsAgainstExchangeSort", "sort, differing details / plain exchange sort",
             "<= 0.2"},
        };
        for (const auto& figure : figures) {
            const auto ratio = m_ratios.find(figure.benchmark);
            if (ratio == m_ratios.end())
                std::printf("  %-50s not measured\n", figure.what);
            else
                std::printf("  %-50s %8.3f  [%s]\n", figure.what, ratio->second, figure.target);
        }
    }

private:
    std::map<std::string, double> m_ratios;
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
