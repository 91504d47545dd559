// morvane_seedgen <game-items.tsv> <output.txt>
//
// Builds the seed catalogue of the data folder, data/item.20041101.txt (code
// page 932, CR LF), from the game's item facts kept in the project,
// data/seed/game-items.tsv.
//
// That table holds only the items of the catalogue's years: the era (the 15
// jobs, level cap 75, no item levels, the item numbers of those years; for
// equipment and spell scrolls, one of the 15 jobs using it by level 75) is
// applied when scripts/import-game-items.py copies it in from the facts. Of
// its items the catalogue leaves some out by the rule in LeaveOutRule.h, puts
// the rest in the browsing order of SeedCatalogue.h, and describes each as
// the item registration dialog would (ItemAttributes.h). Nothing is written
// when any line of the table is wrong: a half-valid catalogue would silently
// lose items.
#include "model/text/TextFile.h"
#include "scripts/seedgen/GameItemTable.h"
#include "scripts/seedgen/SeedCatalogue.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kBadUsage = 2;
constexpr int kBadTable = 1;

void report(QTextStream& err, const QString& tablePath, const QList<morvane::TableProblem>& problems)
{
    for (const morvane::TableProblem& problem : problems) {
        err << tablePath;
        if (problem.line > 0)
            err << ':' << problem.line;
        err << ": " << problem.message << '\n';
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: morvane_seedgen <game-items.tsv> <output.txt>\n";
        return kBadUsage;
    }
    const QString tablePath = arguments.at(1);
    const QString outputPath = arguments.at(2);

    const morvane::GameItemTable table = morvane::GameItemTable::read(tablePath);
    const morvane::SeedCatalogue catalogue = morvane::buildSeedCatalogue(table.items());
    const QList<morvane::TableProblem> problems = table.problems() + catalogue.problems;
    if (!problems.isEmpty()) {
        report(err, tablePath, problems);
        err << problems.size() << " problem(s); " << outputPath << " was not written\n";
        return kBadTable;
    }

    const morvane::FileResult written = morvane::writeTextFile(outputPath, morvane::catalogueLines(catalogue));
    if (!written.ok()) {
        err << written.path() << ": " << written.reason() << '\n';
        return kBadTable;
    }
    QTextStream out(stdout);
    out << "wrote " << catalogue.entries.size() << " of " << table.items().size() << " items to " << outputPath
        << "; left out:\n";
    for (const auto& [part, count] : catalogue.leftOut)
        out << "  " << count << ' ' << morvane::describe(part) << '\n';
    return 0;
}
