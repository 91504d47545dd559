#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Kuro and Shiro over a small catalogue, not yet started.
Session kuroAndShiro()
{
    return Session({record(1, "炎のクリスタル", "炎の力", 12), record(2, "ダガー", "[短剣]全種<br>D3 隔195<BR>Lv1～ 戦", 1),
                    record(3, "abcd", "", 5), record(4, "abcde", "", 5), record(5, "木綿糸", "", 99)},
                   {"Kuro", "Shiro"});
}

QString caption(int count)
{
    return QString::number(count) + QStringLiteral("個、入っています");
}

// One storage of a "m0 *m1|b0" text: the safe's lines, then the bag's, "*"
// marking the selected line and "=" parting a line from its detail.
struct Side {
    QStringList lines;
    QStringList details;
    int selected = -1;
};

Side side(const QString& storages, int which)
{
    Side side;
    for (QString line : storages.section(u'|', which, which).split(u' ', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'*'))
            side.selected = int(side.lines.size());
        line.remove(u'*');
        side.lines << line.section(u'=', 0, 0);
        side.details << line.section(u'=', 1);
    }
    return side;
}

const QString kLists[] = {QStringLiteral("List2"), QStringLiteral("List3")};

} // namespace

class Form1StoragesTest : public QObject {
    Q_OBJECT

private slots:
    void put()
    {
        Session s = kuroAndShiro();
        s.write("Kuromog.dat", {"x", "y"});
        s.write("Kurobag.dat", {"z"});
        s.start();
        clickRow(s.w(), "List2", 1);
        // A catalogue line (below 7) or a count button, and the count then chosen.
        const std::pair<int, const char*> steps[] = {
            {12, "2"}, {12, "1"}, {10, "1"}, {11, "11"}, {12, "1"}, {7, "12"}, {4, "99"}, {12, "89"}, {8, "99"},
            {9, "99"}, {10, "98"}, {11, "99"}, {12, "89"}, {11, "99"}, {0, "12"}, {11, "22"}, {9, "23"}};
        for (const auto& [n, count] : steps) {
            n < 7 ? clickRow(s.w(), "List1", n) : button(s.w(), n)->click();
            QCOMPARE(control<QComboBox>(s.w(), "Combo1")->currentText(), QString::fromLatin1(count));
        }
        button(s.w(), 1)->click();
        // Stack size 1 while 37 is chosen: "1", and the selector goes back to 1.
        clickRow(s.w(), "List1", 1);
        control<QComboBox>(s.w(), "Combo1")->setCurrentIndex(36);
        button(s.w(), 1)->click();
        QCOMPARE(selector(s.w()), QStringLiteral("1 000000"));
        s.put(2, 1); // four characters
        s.put(3, 1); // five characters
        control<QLabel>(s.w(), "Label2")->setText("stale");
        s.put(0, 2);
        QCOMPARE(rows(s.w(), "List2"), (QStringList{"x", "y", "炎のクリスタル\t23", "ダガー\t\t1", "abcd\t\t1", "abcde\t1"}));
        QCOMPARE(rows(s.w(), "List3"), (QStringList{"z", "炎のクリスタル\t12"}));
        QCOMPARE(selectedRow(s.w(), "List2"), 1);
        QCOMPARE(text(s.w(), "Label2") + text(s.w(), "Label3"), caption(6) + caption(2));
    }

    // Parts go to the panel's lines in order; lines a detail leaves unfilled are emptied.
    void detailPanelShowsParts()
    {
        Session s = kuroAndShiro();
        s.write("Kuromog.dat", {"0", "1", "2", "3"});
        s.write("Kuromoginfo.dat", {"p<br>q<br>r<br>s", "a<BR>b<Br><br>d<br>e", "<b>x</b><br>y", ""});
        s.write("Kurobag.dat", {"first", "full panel"});
        s.write("Kurobaginfo.dat", {"", "全種<br>全種<br>全種<br>全種"});
        s.start();
        const QStringList panels[] = {{"a", "b", "", "d"}, {"<b>x</b>", "y", "", ""}, {"", "", "", ""}};
        for (int k = 1; k <= 3; ++k) {
            clickRow(s.w(), "List2", 0);
            clickRow(s.w(), "List2", k);
            QCOMPARE(detailPanel(s.w()), panels[k - 1]);
        }
        // Filling the panel with Japanese text never makes the lists above it shorter.
        const int listHeight = control<QWidget>(s.w(), "List2")->height();
        clickRow(s.w(), "List3", 1);
        QCOMPARE(detailPanel(s.w()), QStringList(4, "全種"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(control<QWidget>(s.w(), "List2")->height(), listHeight);
        QCOMPARE(control<QLabel>(s.w(), "Label1")->textFormat(), Qt::PlainText);
    }

    // What start-up read serves start-up only: choosing the first character
    // again reads its files as they are now.
    void choosingTheFirstCharacterAgainRereadsItsFiles()
    {
        Session s = kuroAndShiro();
        s.write("Kuromog.dat", {"at start-up"});
        s.start();
        QCOMPARE(rows(s.w(), "List2"), QStringList{"at start-up"});
        s.write("Kuromog.dat", {"changed since"});
        s.chooseCharacter(0);
        QCOMPARE(rows(s.w(), "List2"), QStringList{"changed since"});
    }

    void choosingAndSaving()
    {
        Session s = kuroAndShiro();
        s.write("Kuromog.dat", {"saved"});
        s.write("Kuromoginfo.dat", {"saved detail"});
        // Longer than a storage can hold: loaded up to 10001 lines, and said so.
        s.write("Shiromog.dat", QStringList(10003, "x"));
        s.write("Shirobag.dat", {"b"});
        s.start();
        s.put(0, 1);
        // Nothing goes into Shiro's full safe, by putting or by moving.
        MessageCatcher messages;
        s.chooseCharacter(1);
        s.put(0, 1);
        button(s.w(), 6)->click();
        QCOMPARE(messages.texts().size(), 3);
        QVERIFY(messages.texts().at(0).contains("Shiromog.dat"));
        QVERIFY(messages.texts().at(1).contains("10001") && messages.texts().at(2) == messages.texts().at(1));
        QCOMPARE(rows(s.w(), "List2").size(), 10001);
        QCOMPARE(rows(s.w(), "List3"), QStringList{"b"});
        s.chooseCharacter(0);
        QCOMPARE(rows(s.w(), "List2"), QStringList{"saved"});
        // Picking the entry that is already chosen reloads it too.
        s.put(0, 1);
        s.chooseCharacter(0);
        QCOMPARE(rows(s.w(), "List2"), QStringList{"saved"});
        QCOMPARE(text(s.w(), "Label2"), caption(1));
        QCOMPARE(detailPanel(s.w()), (QStringList{"saved detail", "", "", ""}));

        // A name typed into the character box chooses nobody; the shown
        // character is saved under its own name, the put item with its detail.
        s.put(1, 1);
        s.characters()->lineEdit()->selectAll();
        QTest::keyClicks(s.characters()->lineEdit(), "Shiro");
        button(s.w(), 13)->click();
        QCOMPARE(s.bytes("Shiromog.dat"), fileLines(QStringList(10003, "x")));
        // A save that cannot replace a file names it and keeps every old file.
        QVERIFY(QFile::remove(s.path("Kurobag.dat")) && QDir(s.dir.path()).mkdir("Kurobag.dat"));
        s.put(0, 1);
        button(s.w(), 13)->click();
        QVERIFY2(messages.texts().last().contains("Kurobag.dat"), qPrintable(messages.texts().last()));
        QCOMPARE(s.bytes("Kuromog.dat") + s.bytes("Kuromoginfo.dat") + s.bytes("Kurobaginfo.dat"),
                 fileLines({"saved", "ダガー\t\t1", "saved detail", "[短剣]全種<br>D3 隔195<BR>Lv1～ 戦"}));
    }

    void storageButtons_data()
    {
        // Line k of the safe is loaded with the detail Mk, of the bag Bk.
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("message");
        QTest::newRow("take out a middle line")
            << "m0 m1 *m2 m3 m4|*b0 b1" << 3 << "m0=M0 m1=M1 m3=M3 *m4=M4|b0=B0 *b1=B1" << "B1" << "";
        QTest::newRow("bag already on its last line")
            << "*m0 m1 m2 m3 m4|b0 *b1" << 3 << "m1=M1 m2=M2 m3=M3 *m4=M4|b0=B0 *b1=B1" << "M4" << "";
        QTest::newRow("move to an equal line") << "m0 *b0 m2|*b0" << 4 << "m0=M0 *m2=M2|b0=B0 *b0=M1" << "M1" << "";
        QTest::newRow("move to the safe") << "*m0|*b0 b1" << 6 << "m0=M0 *b0=B0|*b1=B1" << "B1" << "";
        QTest::newRow("sort the bag") << "|炎のクリスタル\t5 *水のクリスタル\t12 炎のクリスタル\t12" << 25
                                      << "|水のクリスタル\t12=B1 炎のクリスタル\t12=B2 炎のクリスタル\t5=B0" << "B1" << "";
        QTest::newRow("take out, none selected") << "m0|b0" << 3 << "m0=M0|b0=B0" << "" << "金庫が空っぽクポ；；";
        QTest::newRow("move, none selected") << "m0|*b0" << 4 << "m0=M0|*b0=B0" << "B0" << "金庫が空っぽクポ；；";
        QTest::newRow("take out of an empty bag") << "*m0|" << 5 << "*m0=M0|" << "M0" << "カバンが空っぽクポ；；";
        QTest::newRow("move, none selected in the bag") << "*m0|b0" << 6 << "*m0=M0|b0=B0" << "" << "かばんが空っぽクポ；；";
    }

    void storageButtons()
    {
        QFETCH(QString, before);
        QFETCH(int, command);
        QFETCH(QString, after);
        QFETCH(QString, panel);
        QFETCH(QString, message);
        Session s = kuroAndShiro();
        s.write("Kuromog.dat", side(before, 0).lines);
        s.write("Kurobag.dat", side(before, 1).lines);
        // Longer than the lists: the extra details are never saved.
        s.write("Kuromoginfo.dat", {"M0", "M1", "M2", "M3", "M4"});
        s.write("Kurobaginfo.dat", {"B0", "B1", "B2", "B3", "B4"});
        s.start();
        std::unique_ptr<QSignalSpy> spies[2];
        for (const int l : {0, 1}) {
            // Made current afresh, so that the panel shows the clicked line.
            QItemSelectionModel* selection = control<QAbstractItemView>(s.w(), kLists[l])->selectionModel();
            selection->clearCurrentIndex();
            if (const int row = side(before, l).selected; row >= 0)
                clickRow(s.w(), kLists[l], row);
            spies[l] = std::make_unique<QSignalSpy>(selection, &QItemSelectionModel::currentChanged);
        }
        MessageCatcher messages;
        button(s.w(), command)->click();
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        button(s.w(), 13)->click(); // which changes nothing on screen
        QCOMPARE(detailPanel(s.w()), (QStringList{panel, "", "", ""}));
        for (const int l : {0, 1}) {
            const Side expected = side(after, l);
            QCOMPARE(rows(s.w(), kLists[l]), expected.lines);
            QCOMPARE(selectedRow(s.w(), kLists[l]), expected.selected);
            // No line but the one finally selected is ever made current on the way.
            for (const QList<QVariant>& change : *spies[l]) {
                const QModelIndex index = change.at(0).value<QModelIndex>();
                QVERIFY(!index.isValid() || index.row() == expected.selected);
            }
            QCOMPARE(text(s.w(), QStringLiteral("Label%1").arg(l + 2)), caption(int(expected.lines.size())));
            const QString file = l == 0 ? "Kuromog" : "Kurobag";
            QCOMPARE(s.bytes(file + ".dat"), fileLines(expected.lines));
            QCOMPARE(s.bytes(file + "info.dat"), fileLines(expected.details));
        }
    }
};

QTEST_MAIN(Form1StoragesTest)
#include "tst_form1_storages.moc"
