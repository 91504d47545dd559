// morvane_killtest save <folder> | check <folder>
//
// "save" puts one more line into Kuro's Mog safe and bag and saves, again
// and again, until it is killed. "check" reads Kuro's files as the program
// does (finishing or undoing an interrupted save) and exits 0 when they are
// one of the states "save" wrote: line k of each storage is "item k" with
// the detail "detail k", list and detail files of equal length.
#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace morvane;

namespace {

const QString kCharacter = QStringLiteral("Kuro");

QString itemLine(int k)
{
    return QStringLiteral("アイテム%1\t\t1").arg(k);
}

QString itemDetail(int k)
{
    return QStringLiteral("[その他]全種<br>detail %1<br>Lv1～ All Jobs").arg(k);
}

int saveForever(const DataFolder& folder)
{
    Storage mogSafe, bag;
    loadStorages(folder, kCharacter, {&mogSafe, &bag});
    for (;;) {
        for (Storage* storage : {&mogSafe, &bag}) {
            if (storage->isFull())
                storage->clear();
            storage->append(itemLine(storage->lineCount()), itemDetail(storage->lineCount()));
        }
        if (!saveStorages(folder, kCharacter, {&mogSafe, &bag}).ok())
            return 1;
    }
}

int check(const DataFolder& folder)
{
    QTextStream out(stdout);
    Storage mogSafe, bag;
    const StorageLoadReport report = loadStorages(folder, kCharacter, {&mogSafe, &bag});
    if (!report.unreadableFiles.isEmpty() || !report.truncatedFiles.isEmpty())
        return 1;
    for (const Storage* storage : {&mogSafe, &bag}) {
        for (int k = 0; k < storage->lineCount(); ++k) {
            if (storage->line(k) != itemLine(k) || storage->detail(k) != itemDetail(k)) {
                out << "torn at line " << k << '\n';
                return 1;
            }
        }
        // The detail file must hold exactly as many lines as the list file.
        if (storage->detailFileBytes().count('\n') != storage->listFileBytes().count('\n'))
            return 1;
    }
    out << mogSafe.lineCount() << ' ' << int(report.recovery->outcome) << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const DataFolder folder(arguments.at(2));
    if (arguments.at(1) == QLatin1String("save"))
        return saveForever(folder);
    if (arguments.at(1) == QLatin1String("check"))
        return check(folder);
    return 2;
}
