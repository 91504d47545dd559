#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// A session of Kuro and Shiro over a small catalogue, not yet started.
Session kuroAndShiro(const QStringList& roster = {"Kuro", "Shiro"})
{
    return Session({DataFixture::record(1, "炎のクリスタル", "炎の力", 12),
                    DataFixture::record(2, "ダガー", "[短剣]全種<br>D3 隔195<BR>Lv1～ 戦", 1),
                    DataFixture::record(3, "abcd", QString(), 5), DataFixture::record(4, "abcde", QString(), 5),
                    DataFixture::record(5, "木綿糸", QString(), 99)},
                   roster);
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
    void put();
    void detailPanelShowsParts_data();
    void detailPanelShowsParts();
    void choosingAgainDiscardsChanges();
    void failedSaveSaysSoAndKeepsScreen();
    void storageButtons_data();
    void storageButtons();
};

void Form1StoragesTest::put()
{
    Session s = kuroAndShiro();
    s.data.write("Kuromog.dat", {"x", "y"});
    s.data.write("Kurobag.dat", {"z"});
    s.start();
    clickRow(s.w(), "List2", 1);
    control<QLabel>(s.w(), "Label3")->setText("stale");
    // The selector's buttons on an item of stack size 99, then (0) on one of 12.
    clickRow(s.w(), "List1", 4);
    const std::pair<int, const char*> steps[] = {{12, "89"}, {10, "88"}, {8, "99"}, {0, "12"},
                                                 {11, "22"}, {7, "12"}, {11, "22"}, {9, "23"}};
    for (const auto& [n, count] : steps) {
        n ? button(s.w(), n)->click() : clickRow(s.w(), "List1", 0);
        QCOMPARE(control<QComboBox>(s.w(), "Combo1")->currentText(), QString::fromLatin1(count));
    }
    button(s.w(), 1)->click();
    // Stack size 1 while 37 is chosen: "1", and the selector goes back to 1.
    clickRow(s.w(), "List1", 1);
    control<QComboBox>(s.w(), "Combo1")->setCurrentIndex(36);
    button(s.w(), 1)->click();
    QCOMPARE(control<QComboBox>(s.w(), "Combo1")->currentText(), QStringLiteral("1"));
    s.put(2, 1); // four characters
    s.put(3, 1); // five characters
    s.put(3, 1); // the same again: a separate line
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"x", "y", "炎のクリスタル\t23", "ダガー\t\t1", "abcd\t\t1",
                                               "abcde\t1", "abcde\t1"}));
    QCOMPARE(selectedRow(s.w(), "List2"), 1);
    QCOMPARE(text(s.w(), "Label2"), caption(7));
    QCOMPARE(text(s.w(), "Label3"), caption(1));
    s.put(0, 2);
    QCOMPARE(rows(s.w(), "List3"), (QStringList{"z", "炎のクリスタル\t12"}));
    clickRow(s.w(), "List2", 3);
    QCOMPARE(detailPanel(s.w()), (QStringList{"[短剣]全種", "D3 隔195", "Lv1～ 戦", ""}));

    // Nothing goes into a full storage, by putting or by moving.
    s.data.write("Shiromog.dat", QStringList(10001, "x"));
    s.data.write("Shirobag.dat", {"b"});
    s.chooseCharacter(1);
    MessageCatcher messages;
    s.put(0, 1);
    button(s.w(), 6)->click();
    QCOMPARE(messages.texts().size(), 2);
    QVERIFY(messages.texts().first().contains("10001") && messages.texts().last() == messages.texts().first());
    QCOMPARE(rows(s.w(), "List2").size(), 10001);
    QCOMPARE(rows(s.w(), "List3"), QStringList{"b"});
}

void Form1StoragesTest::detailPanelShowsParts_data()
{
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("two parts") << "a<br>b" << QStringList{"a", "b", "", ""};
    QTest::newRow("six parts") << "a<br>b<br>c<br>d<br>e<br>f" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("any letter case") << "a<BR>b<Br>c" << QStringList{"a", "b", "c", ""};
    QTest::newRow("empty part") << "a<br><br>c" << QStringList{"a", "", "c", ""};
    QTest::newRow("no marker") << "whole text" << QStringList{"whole text", "", "", ""};
    QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
    QTest::newRow("markup stays text") << "<b>x</b><br>y" << QStringList{"<b>x</b>", "y", "", ""};
}

void Form1StoragesTest::detailPanelShowsParts()
{
    QFETCH(QString, detail);
    QFETCH(QStringList, panel);
    Session s = kuroAndShiro();
    s.data.write("Kuromog.dat", {"first", "second"});
    s.data.write("Kuromoginfo.dat", {"p<br>q<br>r<br>s", detail});
    s.start();
    clickRow(s.w(), "List2", 1);
    clickRow(s.w(), "List2", 0);
    QCOMPARE(detailPanel(s.w()), (QStringList{"p", "q", "r", "s"}));
    clickRow(s.w(), "List2", 1);
    QCOMPARE(detailPanel(s.w()), panel);
    QCOMPARE(control<QLabel>(s.w(), "Label1")->textFormat(), Qt::PlainText);
}

void Form1StoragesTest::choosingAgainDiscardsChanges()
{
    Session s = kuroAndShiro();
    s.data.write("Kuromog.dat", {"saved"});
    s.data.write("Kuromoginfo.dat", {"saved detail"});
    s.data.write("Shiromog.dat", QStringList(10003, "x"));
    s.start();
    s.put(0, 1);
    MessageCatcher messages;
    s.chooseCharacter(1);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("Shiromog.dat"));
    QCOMPARE(rows(s.w(), "List2").size(), 10001);
    s.chooseCharacter(0);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"saved"});
    // Picking the entry that is already chosen reloads it too.
    s.put(0, 1);
    s.chooseCharacter(0);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"saved"});
    QCOMPARE(text(s.w(), "Label2"), caption(1));
    QCOMPARE(detailPanel(s.w()), (QStringList{"saved detail", "", "", ""}));

    // A name typed into the character box chooses nobody; the shown
    // character is saved under its own name.
    s.put(0, 1);
    QLineEdit* edit = s.characters()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Shiro");
    QCOMPARE(s.characters()->currentIndex(), -1);
    QCOMPARE(edit->text(), QStringLiteral("Shiro"));
    button(s.w(), 13)->click();
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"saved", "炎のクリスタル\t12"}));
    QCOMPARE(s.data.bytes("Shiromog.dat"), DataFixture::lines(QStringList(10003, "x")));
}

void Form1StoragesTest::failedSaveSaysSoAndKeepsScreen()
{
    Session s = kuroAndShiro({"Kuro", "Ku/ro"});
    s.data.write("Kuromog.dat", {"old"});
    QDir(s.data.folder()).mkdir("Kurobaginfo.dat");
    MessageCatcher messages;
    s.start();
    // The folder in the way is reported when the character loads, and again
    // when saving cannot replace it.
    QTRY_COMPARE(messages.texts().size(), 1);
    s.put(0, 1);
    button(s.w(), 13)->click();
    QCOMPARE(messages.texts().size(), 2);
    for (const QString& message : messages.texts())
        QVERIFY2(message.contains("Kurobaginfo.dat"), qPrintable(message));
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"old"}));
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"old", "炎のクリスタル\t12"}));

    // A name that cannot be a file name loads empty and is never saved.
    s.chooseCharacter(1);
    QCOMPARE(rows(s.w(), "List2"), QStringList{});
    s.put(0, 1);
    button(s.w(), 13)->click();
    QCOMPARE(messages.texts().size(), 3);
    QVERIFY(messages.texts().last().contains("Ku/ro"));
    QVERIFY(!QDir(s.data.path("Ku")).exists());
}

void Form1StoragesTest::storageButtons_data()
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
    QTest::newRow("take out the only bag line") << "*m0|*b0" << 5 << "*m0=M0|" << "" << "";
    QTest::newRow("take out the only safe line") << "*m0|" << 3 << "|" << "" << "";
    QTest::newRow("move to an equal line") << "m0 *b0 m2|*b0" << 4 << "m0=M0 *m2=M2|b0=B0 *b0=M1" << "M1" << "";
    QTest::newRow("move to an empty bag") << "*m0 m1|" << 4 << "*m1=M1|*m0=M0" << "M0" << "";
    QTest::newRow("move to the safe") << "*m0|*b0 b1" << 6 << "m0=M0 *b0=B0|*b1=B1" << "B1" << "";
    QTest::newRow("sort the safe") << "b *a|" << 24 << "a=M1 b=M0|" << "M1" << "";
    QTest::newRow("sort the bag") << "|炎のクリスタル\t5 *水のクリスタル\t12 炎のクリスタル\t12" << 25
                                  << "|水のクリスタル\t12=B1 炎のクリスタル\t12=B2 炎のクリスタル\t5=B0" << "B1" << "";
    QTest::newRow("take out, none selected") << "m0|b0" << 3 << "m0=M0|b0=B0" << "" << "金庫が空っぽクポ；；";
    QTest::newRow("move, none selected") << "m0|*b0" << 4 << "m0=M0|*b0=B0" << "B0" << "金庫が空っぽクポ；；";
    QTest::newRow("take out of an empty bag") << "*m0|" << 5 << "*m0=M0|" << "M0" << "カバンが空っぽクポ；；";
    QTest::newRow("move, none selected in the bag") << "*m0|b0" << 6 << "*m0=M0|b0=B0" << "" << "かばんが空っぽクポ；；";
}

void Form1StoragesTest::storageButtons()
{
    QFETCH(QString, before);
    QFETCH(int, command);
    QFETCH(QString, after);
    QFETCH(QString, panel);
    QFETCH(QString, message);
    Session s = kuroAndShiro();
    s.data.write("Kuromog.dat", side(before, 0).lines);
    s.data.write("Kurobag.dat", side(before, 1).lines);
    // Longer than the lists: the extra details are never saved.
    s.data.write("Kuromoginfo.dat", {"M0", "M1", "M2", "M3", "M4"});
    s.data.write("Kurobaginfo.dat", {"B0", "B1", "B2", "B3", "B4"});
    s.start();
    std::unique_ptr<QSignalSpy> spies[2];
    for (int l = 0; l < 2; ++l) {
        // Made current afresh, so that the panel shows the clicked line.
        QItemSelectionModel* selection = control<QAbstractItemView>(s.w(), kLists[l])->selectionModel();
        selection->clearCurrentIndex();
        if (const int row = side(before, l).selected; row >= 0)
            clickRow(s.w(), kLists[l], row);
        spies[l] = std::make_unique<QSignalSpy>(selection, &QItemSelectionModel::currentChanged);
        control<QLabel>(s.w(), QStringLiteral("Label%1").arg(l + 2))->setText("stale");
    }
    MessageCatcher messages;
    button(s.w(), command)->click();
    QCOMPARE(messages.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    button(s.w(), 13)->click(); // which changes nothing on screen
    QCOMPARE(detailPanel(s.w()), (QStringList{panel, "", "", ""}));
    for (int l = 0; l < 2; ++l) {
        const Side expected = side(after, l);
        QCOMPARE(rows(s.w(), kLists[l]), expected.lines);
        QCOMPARE(selectedRow(s.w(), kLists[l]), expected.selected);
        // No line but the one finally selected is ever made current.
        for (const QList<QVariant>& change : *spies[l]) {
            const QModelIndex index = change.at(0).value<QModelIndex>();
            QVERIFY(!index.isValid() || index.row() == expected.selected);
        }
        // Every button but a sort sets both captions.
        QCOMPARE(text(s.w(), QStringLiteral("Label%1").arg(l + 2)),
                 command >= 24 ? QStringLiteral("stale") : caption(int(expected.lines.size())));
        const QString files = l == 0 ? "Kuromog" : "Kurobag";
        QCOMPARE(s.data.bytes(files + ".dat"), DataFixture::lines(expected.lines));
        QCOMPARE(s.data.bytes(files + "info.dat"), DataFixture::lines(expected.details));
    }
}

QTEST_MAIN(Form1StoragesTest)
#include "tst_form1_storages.moc"
