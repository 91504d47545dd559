#include "DataFixture.h"
#include "MessageCatcher.h"

#include "ui/main/Form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString kCrystalDetail = QStringLiteral("[その他]全種<br>炎の力<br>Lv1～ All Jobs");
const QString kDaggerDetail = QStringLiteral("[短剣]全種<br>D3 隔195<BR>Lv1～ 戦赤シ吟狩忍");

struct Session {
    DataFixture data;
    std::unique_ptr<Form1> window;

    explicit Session(const QStringList& roster = {"Kuro", "Shiro"})
    {
        data.write("item.20041101.txt",
                   {DataFixture::record(1, "炎のクリスタル", kCrystalDetail, 12),
                    DataFixture::record(2, "ダガー", kDaggerDetail, 1),
                    DataFixture::record(3, "木綿糸", QStringLiteral("a<br>b<br>c<br>d<br>e<br>f"), 99),
                    DataFixture::record(4, "abcd", QString(), 5),
                    DataFixture::record(5, "abcde", QStringLiteral("<b>not bold</b>"), 5)});
        if (!roster.isEmpty())
            data.write("cname.dat", roster);
    }

    void start()
    {
        window = std::make_unique<Form1>(data.folder());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* w() const { return window.get(); }

    void put(int catalogueLine, int intoButton)
    {
        clickRow(w(), "List1", catalogueLine);
        button(w(), intoButton)->click();
    }

    QComboBox* characters() const { return control<QComboBox>(w(), "Combo2"); }
    QString count() const { return control<QComboBox>(w(), "Combo1")->currentText(); }

    void chooseCharacter(int index) const
    {
        // As a player does: open the list and pick the entry.
        QComboBox* box = characters();
        box->showPopup();
        QAbstractItemView* popup = box->view();
        const QModelIndex item = popup->model()->index(index, 0);
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(item).center());
    }
};

QStringList tabs(const QStringList& lines)
{
    return lines;
}

} // namespace

class Form1StoragesTest : public QObject {
    Q_OBJECT

private slots:
    void putComposesLines();
    void putKeepsSelectionAndSetsBothCaptions();
    void putIntoFullStorageIsRefused();
    void detailPanelShowsParts_data();
    void detailPanelShowsParts();
    void saveWritesFourFilesAndReloads();
    void choosingAgainDiscardsChanges();
    void savingNobodyOrTypedName();
    void failedSaveSaysSoAndKeepsScreen();
    void takeOutSelectsLastLines();
    void takeOutFromBagEmptiesPanelWhenBagEmpties();
    void moveCarriesDetail();
    void moveIntoFullStorageIsRefused();
    void emptySelectionMessages();
    void sortLeavesNothingSelected();
    void tooLongFileIsReported();
};

void Form1StoragesTest::putComposesLines()
{
    Session s;
    s.start();
    // Stack size 12 with a chosen count of 45: the count is taken as it is.
    clickRow(s.w(), "List1", 0);
    control<QComboBox>(s.w(), "Combo1")->setCurrentIndex(44);
    button(s.w(), 1)->click();
    // Stack size 1 while 37 is chosen: "1", and the selector goes back to 1.
    clickRow(s.w(), "List1", 3);
    control<QComboBox>(s.w(), "Combo1")->setCurrentIndex(36);
    clickRow(s.w(), "List1", 1);
    QCOMPARE(s.count(), QStringLiteral("1"));
    control<QComboBox>(s.w(), "Combo1")->setCurrentIndex(36);
    button(s.w(), 1)->click();
    QCOMPARE(s.count(), QStringLiteral("1"));
    s.put(3, 1); // four characters, count 1
    s.put(4, 1); // five characters
    s.put(4, 1); // the same again: a separate line
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"炎のクリスタル\t45", "ダガー\t\t1", "abcd\t\t1",
                                               "abcde\t1", "abcde\t1"}));
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("5個、入っています"));
    clickRow(s.w(), "List2", 1);
    QCOMPARE(detailPanel(s.w()), (QStringList{"[短剣]全種", "D3 隔195", "Lv1～ 戦赤シ吟狩忍", ""}));
}

void Form1StoragesTest::putKeepsSelectionAndSetsBothCaptions()
{
    Session s;
    s.data.write("Kuromog.dat", {"x\t\t1", "y\t\t1"});
    s.data.write("Kurobag.dat", {"z\t\t1"});
    s.start();
    clickRow(s.w(), "List2", 1);
    control<QLabel>(s.w(), "Label3")->setText("stale");
    s.put(0, 1);
    QCOMPARE(selectedRow(s.w(), "List2"), 1);
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("3個、入っています"));
    QCOMPARE(text(s.w(), "Label3"), QStringLiteral("1個、入っています"));
    s.put(0, 2);
    QCOMPARE(rows(s.w(), "List2").size(), 3);
    QCOMPARE(rows(s.w(), "List3"), (QStringList{"z\t\t1", "炎のクリスタル\t12"}));
    QCOMPARE(selectedRow(s.w(), "List3"), 0);
}

void Form1StoragesTest::putIntoFullStorageIsRefused()
{
    Session s;
    s.data.write("Kurobag.dat", QStringList(10001, "x\t\t1"));
    s.start();
    MessageCatcher messages;
    s.put(0, 2);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("10001"));
    QCOMPARE(rows(s.w(), "List3").size(), 10001);
    QCOMPARE(text(s.w(), "Label3"), QStringLiteral("10001個、入っています"));
    s.put(0, 1);
    QCOMPARE(rows(s.w(), "List2").size(), 1);
}

void Form1StoragesTest::detailPanelShowsParts_data()
{
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("panel");
    QTest::newRow("four parts") << "a<br>b<br>c<br>d" << QStringList{"a", "b", "c", "d"};
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
    Session s;
    s.data.write("Kuromog.dat", {"first", "second"});
    s.data.write("Kuromoginfo.dat", {"p<br>q<br>r<br>s", detail});
    s.start();
    clickRow(s.w(), "List2", 1);
    QCOMPARE(detailPanel(s.w()), panel);
    clickRow(s.w(), "List2", 0);
    QCOMPARE(detailPanel(s.w()), (QStringList{"p", "q", "r", "s"}));
    clickRow(s.w(), "List2", 1);
    QCOMPARE(detailPanel(s.w()), panel);
    QCOMPARE(control<QLabel>(s.w(), "Label1")->textFormat(), Qt::PlainText);
}

void Form1StoragesTest::saveWritesFourFilesAndReloads()
{
    Session s({"Kuro"});
    s.start();
    s.put(1, 1);
    s.put(0, 2);
    button(s.w(), 13)->click();
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"ダガー\t\t1"}));
    QCOMPARE(s.data.bytes("Kuromoginfo.dat"), DataFixture::lines({kDaggerDetail}));
    QCOMPARE(s.data.bytes("Kurobag.dat"), DataFixture::lines({"炎のクリスタル\t12"}));
    QCOMPARE(s.data.bytes("Kurobaginfo.dat"), DataFixture::lines({kCrystalDetail}));
    // Saving changes nothing on screen.
    QCOMPARE(selectedRow(s.w(), "List2"), -1);
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("1個、入っています"));

    // Taking everything out and saving leaves zero-length files.
    clickRow(s.w(), "List2", 0);
    button(s.w(), 3)->click();
    clickRow(s.w(), "List3", 0);
    button(s.w(), 5)->click();
    button(s.w(), 13)->click();
    for (const char* file : {"Kuromog.dat", "Kurobag.dat", "Kuromoginfo.dat", "Kurobaginfo.dat"})
        QCOMPARE(s.data.bytes(file), QByteArray());
}

void Form1StoragesTest::choosingAgainDiscardsChanges()
{
    Session s;
    s.data.write("Kuromog.dat", {"saved\t\t1"});
    s.data.write("Kuromoginfo.dat", {"saved detail"});
    s.start();
    s.put(0, 1);
    s.chooseCharacter(1);
    QCOMPARE(s.characters()->currentText(), QStringLiteral("Shiro"));
    QCOMPARE(rows(s.w(), "List2"), QStringList{});
    s.chooseCharacter(0);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"saved\t\t1"});
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("1個、入っています"));
    // Picking the entry that is already chosen reloads it too.
    s.put(0, 1);
    QCOMPARE(rows(s.w(), "List2").size(), 2);
    s.chooseCharacter(0);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"saved\t\t1"});
    QCOMPARE(selectedRow(s.w(), "List2"), 0);
    QCOMPARE(detailPanel(s.w()), (QStringList{"saved detail", "", "", ""}));
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"saved\t\t1"}));
}

void Form1StoragesTest::savingNobodyOrTypedName()
{
    {
        Session s(QStringList{});
        s.start();
        MessageCatcher messages;
        s.put(0, 1);
        button(s.w(), 13)->click();
        QCOMPARE(messages.texts(), QStringList{"誰もいないクポ；；"});
        QCOMPARE(QDir(s.data.folder()).entryList(QDir::Files), QStringList{"item.20041101.txt"});
    }
    // Typing another name into the character box saves the shown character
    // under its own name, never under the typed one.
    Session s;
    s.start();
    s.put(0, 1);
    QLineEdit* edit = s.characters()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Shiro");
    QCOMPARE(s.characters()->currentIndex(), -1);
    QCOMPARE(edit->text(), QStringLiteral("Shiro"));
    QCOMPARE(rows(s.w(), "List2").size(), 1);
    button(s.w(), 13)->click();
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"炎のクリスタル\t12"}));
    QVERIFY(!s.data.exists("Shiromog.dat"));
}

void Form1StoragesTest::failedSaveSaysSoAndKeepsScreen()
{
    Session s({"Kuro", "Ku/ro"});
    s.data.write("Kuromog.dat", {"old"});
    QDir(s.data.folder()).mkdir("Kurobaginfo.dat");
    MessageCatcher messages;
    s.start();
    // The folder in the way is reported when the character loads ...
    QTRY_COMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts().first().contains("Kurobaginfo.dat"), qPrintable(messages.texts().first()));
    s.put(0, 1);
    // ... and again when saving cannot replace it.
    button(s.w(), 13)->click();
    QCOMPARE(messages.texts().size(), 2);
    QVERIFY2(messages.texts().last().contains("Kurobaginfo.dat"), qPrintable(messages.texts().last()));
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

void Form1StoragesTest::takeOutSelectsLastLines()
{
    Session s;
    s.data.write("Kuromog.dat", {"m0", "m1", "m2", "m3", "m4"});
    s.data.write("Kuromoginfo.dat", {"M0", "M1", "M2", "M3", "M4"});
    s.data.write("Kurobag.dat", {"b0", "b1"});
    s.data.write("Kurobaginfo.dat", {"B0", "B1"});
    s.start();
    clickRow(s.w(), "List2", 2);
    clickRow(s.w(), "List3", 0);

    // Every display that runs must be of a line that ends up selected.
    QStringList shown;
    QObject::connect(control<QLabel>(s.w(), "Label1"), &QObject::objectNameChanged, [] {});
    QSignalSpy mogChanges(control<QAbstractItemView>(s.w(), "List2")->selectionModel(),
                          &QItemSelectionModel::currentChanged);
    QSignalSpy bagChanges(control<QAbstractItemView>(s.w(), "List3")->selectionModel(),
                          &QItemSelectionModel::currentChanged);

    clickRow(s.w(), "List2", 2);
    button(s.w(), 3)->click();
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"m0", "m1", "m3", "m4"}));
    QCOMPARE(selectedRow(s.w(), "List2"), 3);
    QCOMPARE(selectedRow(s.w(), "List3"), 1);
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("4個、入っています"));
    // The bag's selection changed last, so its last line's details show.
    QCOMPARE(detailPanel(s.w()), (QStringList{"B1", "", "", ""}));
    // No neighbouring line was ever made current on the way.
    for (const QList<QVariant>& change : mogChanges) {
        const QModelIndex index = change.at(0).value<QModelIndex>();
        QVERIFY(!index.isValid() || index.row() == 3 || index.row() == 2);
    }
    QVERIFY(!bagChanges.isEmpty());

    // Each remaining line keeps its own detail.
    clickRow(s.w(), "List2", 2);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("M3"));
    button(s.w(), 13)->click();
    QCOMPARE(s.data.bytes("Kuromoginfo.dat"), DataFixture::lines({"M0", "M1", "M3", "M4"}));

    // When the bag's selection does not change, the safe's last line shows.
    clickRow(s.w(), "List2", 0);
    button(s.w(), 3)->click();
    QCOMPARE(selectedRow(s.w(), "List3"), 1);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("M4"));
}

void Form1StoragesTest::takeOutFromBagEmptiesPanelWhenBagEmpties()
{
    Session s;
    s.data.write("Kuromog.dat", {"m0"});
    s.data.write("Kuromoginfo.dat", {"M0"});
    s.data.write("Kurobag.dat", {"b0"});
    s.data.write("Kurobaginfo.dat", {"B0"});
    s.start();
    clickRow(s.w(), "List3", 0);
    QCOMPARE(selectedRow(s.w(), "List2"), 0); // already the last line: it will not change
    button(s.w(), 5)->click();
    QCOMPARE(rows(s.w(), "List3"), QStringList{});
    QCOMPARE(selectedRow(s.w(), "List3"), -1);
    QCOMPARE(text(s.w(), "Label3"), QStringLiteral("0個、入っています"));
    QCOMPARE(detailPanel(s.w()), QStringList(4, QString()));

    // Taking out the only safe line leaves it empty with nothing selected.
    button(s.w(), 3)->click();
    QCOMPARE(rows(s.w(), "List2"), QStringList{});
    QCOMPARE(selectedRow(s.w(), "List2"), -1);
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("0個、入っています"));
}

void Form1StoragesTest::moveCarriesDetail()
{
    Session s;
    s.data.write("Kuromog.dat", {"m0", "same", "m2"});
    s.data.write("Kuromoginfo.dat", {"M0", "S1", "M2"});
    s.data.write("Kurobag.dat", {"same"});
    s.data.write("Kurobaginfo.dat", {"S0"});
    s.start();
    clickRow(s.w(), "List2", 1);
    button(s.w(), 4)->click();
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"m0", "m2"}));
    QCOMPARE(rows(s.w(), "List3"), (QStringList{"same", "same"}));
    QCOMPARE(selectedRow(s.w(), "List2"), 1);
    QCOMPARE(selectedRow(s.w(), "List3"), 1);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("S1"));
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("2個、入っています"));
    QCOMPARE(text(s.w(), "Label3"), QStringLiteral("2個、入っています"));

    clickRow(s.w(), "List3", 0);
    button(s.w(), 6)->click();
    QCOMPARE(rows(s.w(), "List2"), (QStringList{"m0", "m2", "same"}));
    QCOMPARE(selectedRow(s.w(), "List2"), 2);
    QCOMPARE(selectedRow(s.w(), "List3"), 0);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("S1"));
    clickRow(s.w(), "List2", 1);
    clickRow(s.w(), "List2", 2);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("S0"));
    button(s.w(), 13)->click();
    QCOMPARE(s.data.bytes("Kuromoginfo.dat"), DataFixture::lines({"M0", "M2", "S0"}));
    QCOMPARE(s.data.bytes("Kurobaginfo.dat"), DataFixture::lines({"S1"}));
}

void Form1StoragesTest::moveIntoFullStorageIsRefused()
{
    Session s;
    s.data.write("Kuromog.dat", {"m0"});
    s.data.write("Kurobag.dat", QStringList(10001, "b"));
    s.start();
    MessageCatcher messages;
    button(s.w(), 4)->click();
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"m0"});
    QCOMPARE(rows(s.w(), "List3").size(), 10001);
}

void Form1StoragesTest::emptySelectionMessages()
{
    Session s;
    s.start();
    MessageCatcher messages;
    control<QLabel>(s.w(), "Label2")->setText("stale");
    for (int n : {3, 4, 5, 6})
        button(s.w(), n)->click();
    QCOMPARE(messages.texts(), (QStringList{"金庫が空っぽクポ；；", "金庫が空っぽクポ；；",
                                            "カバンが空っぽクポ；；", "かばんが空っぽクポ；；"}));
    QCOMPARE(text(s.w(), "Label2"), QStringLiteral("0個、入っています"));
}

void Form1StoragesTest::sortLeavesNothingSelected()
{
    Session s;
    s.data.write("Kurobag.dat", {"炎のクリスタル\t5", "水のクリスタル\t12", "炎のクリスタル\t12"});
    s.data.write("Kurobaginfo.dat", {"F5", "W12", "F12"});
    s.start();
    QCOMPARE(detailPanel(s.w()).first(), QString());
    clickRow(s.w(), "List3", 1);
    button(s.w(), 25)->click();
    QCOMPARE(rows(s.w(), "List3"),
             (QStringList{"水のクリスタル\t12", "炎のクリスタル\t12", "炎のクリスタル\t5"}));
    QCOMPARE(selectedRow(s.w(), "List3"), -1);
    // The panel is left as it was, captions too.
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("W12"));
    QCOMPARE(text(s.w(), "Label3"), QStringLiteral("3個、入っています"));
    MessageCatcher messages;
    button(s.w(), 5)->click();
    button(s.w(), 6)->click();
    QCOMPARE(messages.texts(), (QStringList{"カバンが空っぽクポ；；", "かばんが空っぽクポ；；"}));
    clickRow(s.w(), "List3", 2);
    QCOMPARE(detailPanel(s.w()).first(), QStringLiteral("F5"));
    button(s.w(), 24)->click(); // an empty safe sorts to nothing
    QCOMPARE(rows(s.w(), "List2"), QStringList{});
}

void Form1StoragesTest::tooLongFileIsReported()
{
    Session s;
    s.start();
    s.data.write("Shiromog.dat", QStringList(10003, "x"));
    MessageCatcher messages;
    s.chooseCharacter(1);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("Shiromog.dat"));
    QCOMPARE(rows(s.w(), "List2").size(), 10001);
}

QTEST_MAIN(Form1StoragesTest)
#include "tst_form1_storages.moc"
