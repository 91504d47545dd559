#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A session over a three-line catalogue, started.
struct MenuSession : Session {
    explicit MenuSession(const QStringList& roster)
        : Session({DataFixture::record(1, "炎のクリスタル", "d", 12), DataFixture::record(2, "ダガー", "d", 1),
                   DataFixture::record(3, "闇のクリスタル", "d", 12)},
                  roster)
    {
        start();
    }

    void addCharacter(const QString& name) const
    {
        trigger("addc");
        control<QLineEdit>(dialog("Form2"), "Text1")->setText(name);
        control<QPushButton>(dialog("Form2"), "Command1")->click();
    }

    void registerItem(const QString& name, int stackOption) const
    {
        trigger("itemadd");
        control<QLineEdit>(dialog("Form3"), "Text1")->setText(name);
        control<QAbstractButton>(dialog("Form3"), QStringLiteral("Option2(%1)").arg(stackOption))->click();
        control<QPushButton>(dialog("Form3"), "Command6")->click();
    }
};

} // namespace

class Form1MenuTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsExistOnceAndKeepContents();
    void addingCharacters();
    void registeringItems();
    void deletingCharacters_data();
    void deletingCharacters();
    void endClosesEverythingWithoutSaving();
};

void Form1MenuTest::dialogsExistOnceAndKeepContents()
{
    MenuSession s({"Kuro"});
    s.trigger("addc");
    QWidget* form2 = s.dialog("Form2");
    QVERIFY(form2 && form2->isVisible());
    QCOMPARE(form2->windowTitle(), QStringLiteral("キャラクター追加"));
    control<QLineEdit>(form2, "Text1")->setText("typed");
    s.trigger("addc");
    QCOMPARE(s.w()->findChildren<QWidget*>("Form2").size(), 1);
    control<QPushButton>(form2, "Command2")->click();
    QVERIFY(!form2->isVisible());
    s.trigger("addc");
    QCOMPARE(s.dialog("Form2"), form2);
    QCOMPARE(control<QLineEdit>(form2, "Text1")->text(), QStringLiteral("typed"));
    // The main window stays usable while a dialog is open.
    button(s.w(), 15)->click();
    QCOMPARE(rows(s.w(), "List1"), QStringList{"闇のクリスタル"});
    // The close box discards it; the next showing starts afresh.
    form2->close();
    QTRY_VERIFY(!s.dialog("Form2"));
    s.trigger("addc");
    QCOMPARE(control<QLineEdit>(s.dialog("Form2"), "Text1")->text(), QString());
    QCOMPARE(s.roster(), QStringList{"Kuro"});
}

void Form1MenuTest::addingCharacters()
{
    MenuSession s({});
    // Empty, spaced and repeated names are added as typed.
    for (const char* name : {"Kuro", "", " Kuro ", "Kuro"})
        s.addCharacter(name);
    const QStringList names{"Kuro", "", " Kuro ", "Kuro"};
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines(names));
    QCOMPARE(s.roster(), names);
    QCOMPARE(s.characters()->currentIndex(), 3);
    QVERIFY(!s.dialog("Form2")->isVisible());

    // A refused name, or a roster file that cannot be written, changes nothing.
    MessageCatcher messages;
    s.addCharacter("Ku/ro");
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(s.dialog("Form2")->isVisible());
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines(names));
    QFile::remove(s.data.path("cname.dat"));
    QDir(s.data.folder()).mkdir("cname.dat");
    s.addCharacter("Kiiro");
    s.trigger("clec");
    QCOMPARE(messages.texts().size(), 3);
    for (const QString& message : messages.texts().mid(1))
        QVERIFY2(message.contains("cname.dat"), qPrintable(message));
    QCOMPARE(s.roster(), names);
    QCOMPARE(s.characters()->currentIndex(), 3);
}

void Form1MenuTest::registeringItems()
{
    MenuSession s({"Kuro"});
    // After a search the number follows the lines shown, not the catalogue.
    control<QLineEdit>(s.w(), "Text1")->setText("クリ");
    button(s.w(), 14)->click();
    s.registerItem("光のクリスタル", 2);
    QCOMPARE(s.data.bytes("item.dat"),
             DataFixture::lines({"3\t光のクリスタル\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t99"}));
    QCOMPARE(rows(s.w(), "List1"), (QStringList{"炎のクリスタル", "闇のクリスタル", "光のクリスタル"}));
    QCOMPARE(selectedRow(s.w(), "List1"), 2);
    QCOMPARE(selector(s.w()), QStringLiteral("99 011111"));
    QCOMPARE(s.dialog("Form3")->windowTitle(), QStringLiteral("Form3"));
    QVERIFY(!s.dialog("Form3")->isVisible());

    button(s.w(), 23)->click();
    clickRow(s.w(), "List1", 3);
    button(s.w(), 1)->click();
    QCOMPARE(rows(s.w(), "List2"), QStringList{"光のクリスタル\t99"});

    // The next start-up lists it after every seed item.
    s.start();
    QCOMPARE(rows(s.w(), "List1"), (QStringList{"炎のクリスタル", "ダガー", "闇のクリスタル", "光のクリスタル"}));

    // What item.dat cannot take is not registered at all.
    QFile::remove(s.data.path("item.dat"));
    QDir(s.data.folder()).mkdir("item.dat");
    clickRow(s.w(), "List1", 1);
    MessageCatcher messages;
    s.registerItem("Lost", 2);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("item.dat"));
    QCOMPARE(selectedRow(s.w(), "List1"), 1);
    QCOMPARE(selector(s.w()), QStringLiteral("1 000000"));
    QVERIFY(s.dialog("Form3")->isVisible());
    button(s.w(), 23)->click();
    QCOMPARE(rows(s.w(), "List1").size(), 4);
}

void Form1MenuTest::deletingCharacters_data()
{
    QTest::addColumn<QStringList>("roster");
    QTest::addColumn<int>("chosen"); // -1: a name typed in instead
    QTest::addColumn<QStringList>("left");
    QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"};
    QTest::newRow("last") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"};
    QTest::newRow("first") << QStringList{"A", "B", "C"} << 0 << QStringList{"B", "C"};
    QTest::newRow("only") << QStringList{"A"} << 0 << QStringList{};
    QTest::newRow("duplicate") << QStringList{"A", "B", "A"} << 0 << QStringList{"B", "A"};
    QTest::newRow("nobody chosen") << QStringList{"A", "B", "C"} << -1 << QStringList{"A", "B", "C"};
    QTest::newRow("empty roster") << QStringList{} << -1 << QStringList{};
}

void Form1MenuTest::deletingCharacters()
{
    QFETCH(QStringList, roster);
    QFETCH(int, chosen);
    QFETCH(QStringList, left);
    MenuSession s({});
    // Line feeds only: the rewrite shows in the file even when nobody goes.
    s.data.writeBytes("cname.dat", roster.join(u'\n').toLatin1());
    for (const QString& name : roster)
        s.data.write(name + "mog.dat", {name});
    s.start();
    if (chosen >= 0) {
        s.characters()->setCurrentIndex(chosen);
    } else {
        s.characters()->lineEdit()->selectAll();
        QTest::keyClicks(s.characters()->lineEdit(), "Z");
    }
    button(s.w(), 1)->click(); // an unsaved change, lost by the deletion
    MessageCatcher messages;
    s.trigger("clec");
    QCOMPARE(messages.texts(), chosen < 0 ? QStringList{"誰もいないクポ；；"} : QStringList{});
    QCOMPARE(s.roster(), left);
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines(left));
    QCOMPARE(s.characters()->currentIndex(), int(left.size()) - 1);
    QCOMPARE(rows(s.w(), "List2"), left.isEmpty() ? QStringList{} : QStringList{left.last()});
    QCOMPARE(text(s.w(), "Label2"), QString::number(left.isEmpty() ? 0 : 1) + "個、入っています");
    // Files stay: a character added again under a deleted name gets them back.
    s.addCharacter("A");
    QCOMPARE(rows(s.w(), "List2"), roster.isEmpty() ? QStringList{} : QStringList{"A"});
}

void Form1MenuTest::endClosesEverythingWithoutSaving()
{
    MenuSession s({"Kuro"});
    // 0x85 0x40 is a code the code page leaves unassigned: it decodes to U+FFFD
    // and cannot be stored.
    s.data.writeBytes("item.20041101.txt", "1\tok\td\t0\t0\t1\r\n2\tbad\x85\x40name\td\t0\t0\t1\r\n");
    s.start();
    MessageCatcher messages;
    s.put(0, 1);
    s.put(1, 1);
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"ok\t\t1"});
    s.trigger("addc");
    s.trigger("itemadd");
    s.trigger("end");
    QVERIFY(!s.w()->isVisible());
    for (const char* dialog : {"Form2", "Form3"})
        QVERIFY(!s.dialog(dialog) || !s.dialog(dialog)->isVisible());
    QVERIFY(!s.data.exists("Kuromog.dat"));
}

QTEST_MAIN(Form1MenuTest)
#include "tst_form1_menu.moc"
