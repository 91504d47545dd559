#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Dates a file back to long ago, so that any later write shows.
bool backdate(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
           && file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC), QFileDevice::FileModificationTime);
}

// Every file of the folder with its bytes and modification time.
QStringList folderState(const QString& folder)
{
    QStringList state;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        state << file.fileName() + u' ' + file.lastModified().toString(Qt::ISODateWithMs) + u' '
                     + QString::fromLatin1(readBytes(file.filePath()).toHex());
    return state;
}

// A process that has ended: this test program itself, asked only to list its
// test functions.
qint64 endedProcessId()
{
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {u"-platform"_s, u"offscreen"_s, u"-functions"_s});
    const qint64 endedId = ended.processId();
    if (!ended.waitForFinished() || endedId <= 0)
        qFatal("could not run a process that ends");
    return endedId;
}

// The lock a run that crashed leaves behind: what QLockFile writes, naming
// the given process.
QByteArray staleLock(qint64 processId)
{
    QTemporaryDir elsewhere;
    QLockFile lock(elsewhere.filePath(QStringLiteral("any.lock")));
    if (!lock.tryLock())
        qFatal("could not take a lock");
    QByteArray contents = readBytes(elsewhere.filePath(QStringLiteral("any.lock")));
    const qsizetype firstLineEnd = contents.indexOf('\n');
    return contents.replace(0, firstLineEnd, QByteArray::number(processId));
}

} // namespace

class Form1LockTest : public QObject {
    Q_OBJECT

private slots:
    void secondWindowOnTheFolderTouchesNothing_data()
    {
        QTest::addColumn<QString>("attempt");
        QTest::newRow("save") << "save";
        QTest::newRow("delete a character") << "clec";
        QTest::newRow("add a character") << "addc";
        QTest::newRow("register an item") << "itemadd";
        QTest::newRow("choose a character") << "choose";
    }

    void secondWindowOnTheFolderTouchesNothing()
    {
        QFETCH(QString, attempt);
        Session s({record(1, u"炎のクリスタル"_s, u"d"_s, 12)}, {u"Kuro"_s});
        s.write(u"Kuromog.dat"_s, {u"炎のクリスタル x12"_s});
        s.write(u"Kuromoginfo.dat"_s, {u"d"_s});
        s.start();
        QVERIFY(s.window->holdsDataFolder());
        for (const QFileInfo& file : QDir(s.dir.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            // Windows lets no one but its holder write to a held lock.
            if (file.fileName() == u"morvane.lock"_s)
                continue;
            QVERIFY(backdate(file.filePath()));
        }
        const QStringList before = folderState(s.dir.path());

        MessageCatcher messages;
        morvane::Form1 second(s.dir.path());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Morvaneはこのデータフォルダーですでに開いています"
                                                              "（プロセスID %1）。\n%2")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(QDir::toNativeSeparators(s.dir.path() + u'/'))});
        QVERIFY(!second.holdsDataFolder());
        second.show();
        QVERIFY(!second.isVisible());
        QCOMPARE(rows(&second, u"List1"_s), QStringList());
        QCOMPARE(control<QComboBox>(&second, u"Combo2"_s)->count(), 0);

        if (attempt == u"save"_s) {
            button(&second, 13)->click();
        } else if (attempt == u"choose"_s) {
            control<QComboBox>(&second, u"Combo2"_s)->addItem(QStringLiteral("Kuro"));
            control<QComboBox>(&second, u"Combo2"_s)->setCurrentIndex(0);
            button(&second, 13)->click();
        } else {
            control<QAction>(&second, attempt)->trigger();
            if (attempt != u"clec"_s) {
                QWidget* dialog = second.findChild<QWidget*>(attempt == u"addc"_s ? u"Form2"_s : u"Form3"_s);
                QVERIFY(dialog);
                control<QLineEdit>(dialog, u"Text1"_s)->setText(QStringLiteral("Shiro"));
                control<QPushButton>(dialog, attempt == u"addc"_s ? u"Command1"_s : u"Command6"_s)->click();
            }
        }
        QCOMPARE(folderState(s.dir.path()), before);
        QCOMPARE(rows(&second, u"List2"_s), QStringList());
    }

    void folderIsFreeOnceTheWindowHoldingItHasGone()
    {
        Session s({record(1, u"A"_s, u"d"_s, 12)}, {u"Kuro"_s});
        MessageCatcher messages;
        s.start();
        s.start();
        QVERIFY(s.window->holdsDataFolder());
        s.window.reset();
        QVERIFY(!QFile::exists(s.path(u"morvane.lock"_s)));
        QCOMPARE(messages.texts(), QStringList());
    }

    void staleLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("process ended") << staleLock(endedProcessId());
        // Process numbers come round again: a lock naming this process that
        // none of its windows holds is an earlier run's.
        QTest::newRow("this process's number") << staleLock(QCoreApplication::applicationPid());
        // A run cut off while it wrote its lock.
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("unreadable") << QByteArray("\xff\xfe not a lock");
    }

    void staleLockIsTakenOver()
    {
        QFETCH(QByteArray, lock);
        Session s({record(1, u"A"_s, u"d"_s, 12)}, {u"Kuro"_s});
        QVERIFY(writeBytes(s.path(u"morvane.lock"_s), lock));
        QVERIFY(backdate(s.path(u"morvane.lock"_s)));
        MessageCatcher messages;
        s.start();
        QVERIFY(s.window->holdsDataFolder());
        QCOMPARE(s.characters()->currentText(), QStringLiteral("Kuro"));
        QVERIFY(readBytes(s.path(u"morvane.lock"_s)).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        QCOMPARE(messages.texts(), QStringList());
    }

    // A lock that cannot be read yet may be one another copy is writing at
    // this moment: it is respected until it has been there a while.
    void lockBeingWrittenIsRespected()
    {
        Session s({record(1, u"A"_s, u"d"_s, 12)}, {u"Kuro"_s});
        QVERIFY(writeBytes(s.path(u"morvane.lock"_s), QByteArray()));
        MessageCatcher messages;
        morvane::Form1 second(s.dir.path());
        QVERIFY(!second.holdsDataFolder());
        QCOMPARE(messages.texts().size(), 1);
        QCOMPARE(readBytes(s.path(u"morvane.lock"_s)), QByteArray());
    }
};

QTEST_MAIN(Form1LockTest)
#include "tst_form1_lock.moc"
