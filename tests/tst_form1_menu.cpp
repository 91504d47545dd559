#include "DataFixture.h"
#include "MessageCatcher.h"

#include "ui/main/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace {

const QString kDetail = QStringLiteral("[その他]全種<br>x<br>Lv1～ All Jobs");

struct Session {
    DataFixture data;
    std::unique_ptr<Form1> window;

    explicit Session(const QStringList& roster)
    {
        data.write("item.20041101.txt", {DataFixture::record(1, "炎のクリスタル", kDetail, 12),
                                         DataFixture::record(2, "ダガー", kDetail, 1),
                                         DataFixture::record(3, "闇のクリスタル", kDetail, 12)});
        if (!roster.isEmpty())
            data.write("cname.dat", roster);
        window = std::make_unique<Form1>(data.folder());
        window->show();
    }

    QWidget* w() const { return window.get(); }
    void trigger(const char* action) const { control<QAction>(w(), action)->trigger(); }
    QWidget* dialog(const char* name) const { return w()->findChild<QWidget*>(name); }
    QComboBox* characters() const { return control<QComboBox>(w(), "Combo2"); }

    QStringList roster() const
    {
        QStringList names;
        for (int i = 0; i < characters()->count(); ++i)
            names << characters()->itemText(i);
        return names;
    }

    void addCharacter(const QString& name) const
    {
        trigger("addc");
        QWidget* form2 = dialog("Form2");
        control<QLineEdit>(form2, "Text1")->setText(name);
        control<QPushButton>(form2, "Command1")->click();
    }

    void registerItem(const QString& name, int stackOption) const
    {
        trigger("itemadd");
        QWidget* form3 = dialog("Form3");
        control<QLineEdit>(form3, "Text1")->setText(name);
        control<QAbstractButton>(form3, QStringLiteral("Option2(%1)").arg(stackOption))->click();
        control<QPushButton>(form3, "Command6")->click();
    }
};

} // namespace

class Form1MenuTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsExistOnceAndKeepContents();
    void addingCharacters();
    void refusedOrUnwritableCharacterChangesNothing();
    void registeringItems();
    void registrationAfterSearchNumbersByLines();
    void unwritableItemDatRegistersNothing();
    void deletingCharacters_data();
    void deletingCharacters();
    void deletingWithNobodyChosen();
    void deletingLeavesFilesAndReports();
    void endClosesEverything();
    void itemThatCannotBeStoredIsRefused();
};

void Form1MenuTest::dialogsExistOnceAndKeepContents()
{
    Session s({"Kuro"});
    s.trigger("addc");
    QWidget* form2 = s.dialog("Form2");
    QVERIFY(form2 && form2->isVisible());
    QCOMPARE(form2->windowTitle(), QStringLiteral("キャラクター追加"));
    control<QLineEdit>(form2, "Text1")->setText("typed");
    s.trigger("addc");
    QCOMPARE(s.w()->findChildren<QWidget*>("Form2").size(), 1);
    control<QPushButton>(form2, "Command2")->click();
    QVERIFY(!form2->isVisible());
    QCOMPARE(s.roster(), QStringList{"Kuro"});
    s.trigger("addc");
    QCOMPARE(s.dialog("Form2"), form2);
    QCOMPARE(control<QLineEdit>(form2, "Text1")->text(), QStringLiteral("typed"));
    // The close box discards it; the next showing starts afresh.
    form2->close();
    QTRY_VERIFY(!s.dialog("Form2"));
    s.trigger("addc");
    QCOMPARE(control<QLineEdit>(s.dialog("Form2"), "Text1")->text(), QString());

    s.trigger("itemadd");
    QWidget* form3 = s.dialog("Form3");
    QVERIFY(form3 && form3->isVisible());
    QCOMPARE(form3->windowTitle(), QStringLiteral("Form3"));
    control<QCheckBox>(form3, "Check1(15)")->click();
    control<QPushButton>(form3, "Command7")->click();
    QVERIFY(!form3->isVisible());
    s.trigger("itemadd");
    QCOMPARE(s.dialog("Form3"), form3);
    QVERIFY(!control<QCheckBox>(form3, "Check1(15)")->isChecked());
    form3->close();
    QTRY_VERIFY(!s.dialog("Form3"));
    s.trigger("itemadd");
    QVERIFY(control<QCheckBox>(s.dialog("Form3"), "Check1(15)")->isChecked());
    // The main window stays usable while a dialog is open.
    button(s.w(), 15)->click();
    QCOMPARE(rows(s.w(), "List1"), QStringList{"闇のクリスタル"});
}

void Form1MenuTest::addingCharacters()
{
    Session s({});
    s.data.write("Shiromog.dat", {"kept from before"});
    s.addCharacter("Kuro");
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines({"Kuro"}));
    QCOMPARE(s.roster(), QStringList{"Kuro"});
    QCOMPARE(s.characters()->currentIndex(), 0);
    QVERIFY(!s.dialog("Form2")->isVisible());
    s.addCharacter("Shiro");
    s.addCharacter("");
    s.addCharacter(" Kuro ");
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines({"Kuro", "Shiro", "", " Kuro "}));
    QCOMPARE(s.characters()->currentIndex(), 3);
    s.characters()->setCurrentIndex(1);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"kept from before"});
    // A name already in the roster is added again and chosen.
    s.addCharacter("Shiro");
    QCOMPARE(s.roster(), (QStringList{"Kuro", "Shiro", "", " Kuro ", "Shiro"}));
    QCOMPARE(s.characters()->currentIndex(), 4);
    QCOMPARE(rows(s.w(), "List2"), QStringList{"kept from before"});
    s.trigger("addc");
    QCOMPARE(control<QLineEdit>(s.dialog("Form2"), "Text1")->text(), QStringLiteral("Shiro"));
}

void Form1MenuTest::refusedOrUnwritableCharacterChangesNothing()
{
    Session s({"Kuro"});
    const QByteArray before = s.data.bytes("cname.dat");
    MessageCatcher messages;
    for (const QString& name : {QStringLiteral("Ku/ro"), QStringLiteral("Ku\tro"), QStringLiteral("Ku\u00e9")})
        s.addCharacter(name);
    QCOMPARE(messages.texts().size(), 3);
    QVERIFY(s.dialog("Form2")->isVisible());
    QCOMPARE(s.data.bytes("cname.dat"), before);
    QCOMPARE(s.roster(), QStringList{"Kuro"});

    QFile::remove(s.data.path("cname.dat"));
    QDir(s.data.folder()).mkdir("cname.dat");
    s.addCharacter("Shiro");
    QCOMPARE(messages.texts().size(), 4);
    QVERIFY(messages.texts().last().contains("cname.dat"));
    QCOMPARE(s.roster(), QStringList{"Kuro"});
    QCOMPARE(s.characters()->currentText(), QStringLiteral("Kuro"));
}

void Form1MenuTest::registeringItems()
{
    Session s({"Kuro"});
    s.registerItem("New sword", 1);
    QCOMPARE(s.data.bytes("item.dat"),
             DataFixture::lines({"4\tNew sword\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t12"}));
    QCOMPARE(rows(s.w(), "List1").last(), QStringLiteral("New sword"));
    QCOMPARE(selectedRow(s.w(), "List1"), 3);
    QCOMPARE(control<QComboBox>(s.w(), "Combo1")->currentText(), QStringLiteral("12"));
    QVERIFY(!button(s.w(), 8)->isEnabled());
    QVERIFY(button(s.w(), 7)->isEnabled() && button(s.w(), 9)->isEnabled());
    QVERIFY(!s.dialog("Form3")->isVisible());
    s.registerItem("", 0);
    QCOMPARE(rows(s.w(), "List1").size(), 5);
    QCOMPARE(rows(s.w(), "List1").last(), QString());
    QVERIFY(s.data.bytes("item.dat").endsWith(DataFixture::lines({"5\t\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t1"})));

    // The next start-up lists them after every seed item.
    Form1 again(s.data.folder());
    QCOMPARE(rows(&again, "List1"), (QStringList{"炎のクリスタル", "ダガー", "闇のクリスタル", "New sword", ""}));
}

void Form1MenuTest::registrationAfterSearchNumbersByLines()
{
    Session s({"Kuro"});
    control<QLineEdit>(s.w(), "Text1")->setText("クリ");
    button(s.w(), 14)->click();
    QCOMPARE(rows(s.w(), "List1").size(), 2);
    s.registerItem("光のクリスタル", 2);
    QCOMPARE(rows(s.w(), "List1"), (QStringList{"炎のクリスタル", "闇のクリスタル", "光のクリスタル"}));
    QCOMPARE(selectedRow(s.w(), "List1"), 2);
    QVERIFY(s.data.bytes("item.dat").startsWith("3\t"));
    button(s.w(), 23)->click();
    QCOMPARE(rows(s.w(), "List1").last(), QStringLiteral("光のクリスタル"));
    QCOMPARE(rows(s.w(), "List1").size(), 4);
    // Putting the new line uses its own detail and stack size.
    clickRow(s.w(), "List1", 3);
    button(s.w(), 1)->click();
    QCOMPARE(rows(s.w(), "List2"), QStringList{"光のクリスタル\t99"});
}

void Form1MenuTest::unwritableItemDatRegistersNothing()
{
    Session s({"Kuro"});
    QDir(s.data.folder()).mkdir("item.dat");
    clickRow(s.w(), "List1", 1);
    MessageCatcher messages;
    s.registerItem("Lost", 2);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("item.dat"));
    QCOMPARE(rows(s.w(), "List1").size(), 3);
    QCOMPARE(selectedRow(s.w(), "List1"), 1);
    QCOMPARE(control<QComboBox>(s.w(), "Combo1")->currentText(), QStringLiteral("1"));
    QVERIFY(s.dialog("Form3")->isVisible());
    button(s.w(), 23)->click();
    QCOMPARE(rows(s.w(), "List1").size(), 3);
}

void Form1MenuTest::deletingCharacters_data()
{
    QTest::addColumn<QStringList>("roster");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"};
    QTest::newRow("last") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"};
    QTest::newRow("first") << QStringList{"A", "B", "C"} << 0 << QStringList{"B", "C"};
    QTest::newRow("only") << QStringList{"A"} << 0 << QStringList{};
    QTest::newRow("duplicate") << QStringList{"A", "B", "A"} << 0 << QStringList{"B", "A"};
}

void Form1MenuTest::deletingCharacters()
{
    QFETCH(QStringList, roster);
    QFETCH(int, chosen);
    QFETCH(QStringList, left);
    Session s(roster);
    for (const QString& name : roster)
        s.data.write(name + "mog.dat", {name + " line"});
    s.characters()->setCurrentIndex(chosen);
    button(s.w(), 1)->click(); // an unsaved change, lost by the deletion
    s.trigger("clec");
    QCOMPARE(s.roster(), left);
    QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines(left));
    QCOMPARE(s.characters()->currentIndex(), int(left.size()) - 1);
    if (left.isEmpty()) {
        QCOMPARE(rows(s.w(), "List2"), QStringList{});
        QCOMPARE(text(s.w(), "Label2"), QStringLiteral("0個、入っています"));
    } else {
        QCOMPARE(rows(s.w(), "List2"), QStringList{left.last() + " line"});
    }
}

void Form1MenuTest::deletingWithNobodyChosen()
{
    {
        Session s({});
        s.data.writeBytes("cname.dat", "A\nB\nC"); // rewritten in the roster format
        s.window = std::make_unique<Form1>(s.data.folder());
        QLineEdit* edit = s.characters()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, "Z");
        QCOMPARE(s.characters()->currentIndex(), -1);
        MessageCatcher messages;
        s.trigger("clec");
        QCOMPARE(messages.texts(), QStringList{"誰もいないクポ；；"});
        QCOMPARE(s.roster(), (QStringList{"A", "B", "C"}));
        QCOMPARE(s.data.bytes("cname.dat"), DataFixture::lines({"A", "B", "C"}));
        QCOMPARE(s.characters()->currentIndex(), 2);
    }

    Session empty({});
    MessageCatcher second;
    empty.trigger("clec");
    QCOMPARE(second.texts(), QStringList{"誰もいないクポ；；"});
    QCOMPARE(empty.data.bytes("cname.dat"), QByteArray());
}

void Form1MenuTest::deletingLeavesFilesAndReports()
{
    Session s({"Kuro", "Shiro"});
    s.data.write("Kuromog.dat", {"x"});
    s.characters()->setCurrentIndex(0);
    s.trigger("clec");
    QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"x"}));
    // Added again later, the character finds its files.
    s.addCharacter("Kuro");
    QCOMPARE(rows(s.w(), "List2"), QStringList{"x"});

    QFile::remove(s.data.path("cname.dat"));
    QDir(s.data.folder()).mkdir("cname.dat");
    MessageCatcher messages;
    s.trigger("clec");
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.texts().first().contains("cname.dat"));
    QCOMPARE(s.roster(), (QStringList{"Shiro", "Kuro"}));
    QCOMPARE(s.characters()->currentIndex(), 1);
}

void Form1MenuTest::endClosesEverything()
{
    Session s({"Kuro"});
    button(s.w(), 1)->click();
    s.trigger("addc");
    s.trigger("itemadd");
    s.trigger("end");
    QVERIFY(!s.w()->isVisible());
    QVERIFY(!s.dialog("Form2") || !s.dialog("Form2")->isVisible());
    QVERIFY(!s.dialog("Form3") || !s.dialog("Form3")->isVisible());
    QVERIFY(!s.data.exists("Kuromog.dat"));
}

void Form1MenuTest::itemThatCannotBeStoredIsRefused()
{
    Session s({"Kuro"});
    // 0x85 0x40 is a code the code page leaves unassigned: it decodes to U+FFFD.
    s.data.writeBytes("item.20041101.txt", "1\tbad\x85\x40name\td\t0\t0\t1\r\n");
    Form1 window(s.data.folder());
    MessageCatcher messages;
    clickRow(&window, "List1", 0);
    button(&window, 1)->click();
    QCOMPARE(messages.texts().size(), 1);
    QCOMPARE(rows(&window, "List2"), QStringList{});
}

QTEST_MAIN(Form1MenuTest)
#include "tst_form1_menu.moc"
