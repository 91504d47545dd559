// morvane_seedgen <catalogue.tsv> <output.txt>
//
// Turns the reviewable seed table into the seed catalogue file of the data
// folder (code page 932, CR LF). Nothing is written when any line of the
// table is wrong: a half-valid catalogue would silently lose items.
#include "model/text/TextFile.h"
#include "scripts/seedgen/SeedTable.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kBadUsage = 2;
constexpr int kBadTable = 1;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: morvane_seedgen <catalogue.tsv> <output.txt>\n";
        return kBadUsage;
    }
    const QString tablePath = arguments.at(1);
    const QString outputPath = arguments.at(2);

    const morvane::SeedTable table = morvane::SeedTable::read(tablePath);
    if (!table.isValid()) {
        for (const morvane::SeedProblem& problem : table.problems()) {
            err << tablePath;
            if (problem.line > 0)
                err << ':' << problem.line;
            err << ": " << problem.message << '\n';
        }
        err << table.problems().size() << " problem(s); " << outputPath << " was not written\n";
        return kBadTable;
    }

    const morvane::FileResult written =
        morvane::writeTextFile(outputPath, table.catalogueLines());
    if (!written.ok()) {
        err << written.path() << ": " << written.reason() << '\n';
        return kBadTable;
    }
    QTextStream(stdout) << "wrote " << table.items().size() << " items to " << outputPath << '\n';
    return 0;
}
