// The main window's storages, characters and items: putting, taking out,
// moving, choosing and saving; and the menu's commands.
#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Kuro and Shiro over the three-line catalogue and two more lines, not yet
// started.
Session kuroAndShiro()
{
    const QStringList more{record(4, u"abcd"_s, u""_s, 5), record(5, u"木綿糸"_s, u""_s, 99)};
    return Session(threeItems() + more, {u"Kuro"_s, u"Shiro"_s});
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

// A session over the three-line catalogue, started.
struct MenuSession : Session {
    explicit MenuSession(const QStringList& roster)
        : Session(threeItems(), roster)
    {
        start();
    }

    void trigger(const QString& action) const { control<QAction>(w(), action)->trigger(); }
    QWidget* dialog(const QString& name) const { return w()->findChild<QWidget*>(name); }
    QStringList roster() const { return texts(characters()->model()); }

    void addCharacter(const QString& name) const
    {
        trigger(u"addc"_s);
        control<QLineEdit>(dialog(u"Form2"_s), u"Text1"_s)->setText(name);
        control<QPushButton>(dialog(u"Form2"_s), u"Command1"_s)->click();
    }

    void registerItem(const QString& name) const
    {
        trigger(u"itemadd"_s);
        control<QLineEdit>(dialog(u"Form3"_s), u"Text1"_s)->setText(name);
        control<QAbstractButton>(dialog(u"Form3"_s), u"Option2(2)"_s)->click(); // stack size 99
        control<QPushButton>(dialog(u"Form3"_s), u"Command6"_s)->click();
    }
};

} // namespace

class Form1StoragesTest : public QObject {
    Q_OBJECT

private slots:
    void put()
    {
        Session s = kuroAndShiro();
        s.write(u"Kuromog.dat"_s, {u"x"_s, u"y"_s});
        s.write(u"Kurobag.dat"_s, {u"z"_s});
        s.start();
        // A catalogue line (below 7) or a count button, and the count then chosen.
        const std::pair<int, const char*> steps[] = {
            {12, "2"}, {12, "1"}, {10, "1"}, {11, "11"}, {12, "1"}, {7, "12"}, {4, "99"}, {12, "89"}, {8, "99"},
            {9, "99"}, {10, "98"}, {11, "99"}, {12, "89"}, {11, "99"}, {0, "12"}, {11, "22"}, {9, "23"}};
        for (const auto& [n, count] : steps) {
            n < 7 ? clickRow(s.w(), u"List1"_s, n) : button(s.w(), n)->click();
            QCOMPARE(control<QComboBox>(s.w(), u"Combo1"_s)->currentText(), QString::fromLatin1(count));
        }
        button(s.w(), 1)->click();
        // Stack size 1 while 37 is chosen: "1", and the selector goes back to 1.
        clickRow(s.w(), u"List1"_s, 1);
        control<QComboBox>(s.w(), u"Combo1"_s)->setCurrentIndex(36);
        button(s.w(), 1)->click();
        QCOMPARE(selector(s.w()), QStringLiteral("1 000000"));
        // Four characters (the other side of the tab rule is tst_itemtexts' lineParts).
        s.put(3, 1);
        control<QLabel>(s.w(), u"Label2"_s)->setText(u"stale"_s);
        s.put(0, 2);
        QCOMPARE(rows(s.w(), u"List2"_s), (QStringList{u"x"_s, u"y"_s, u"炎のクリスタル\t23"_s, u"ダガー\t\t1"_s, u"abcd\t\t1"_s}));
        QCOMPARE(rows(s.w(), u"List3"_s), (QStringList{u"z"_s, u"炎のクリスタル\t12"_s}));
        QCOMPARE(text(s.w(), u"Label2"_s) + text(s.w(), u"Label3"_s), u"5個、入っています2個、入っています"_s);
    }

    void choosingAndSaving()
    {
        Session s = kuroAndShiro();
        s.write(u"Kuromog.dat"_s, {u"at start-up"_s});
        s.write(u"Kuromoginfo.dat"_s, {u"saved detail"_s});
        // Longer than a storage can hold: loaded up to 10001 lines, and said so.
        s.write(u"Shiromog.dat"_s, QStringList(10003, u"x"_s));
        s.write(u"Shirobag.dat"_s, {u"b"_s});
        s.start();
        // What start-up read serves start-up only, and picking the entry that
        // is already chosen reloads it: the files as they are now.
        s.write(u"Kuromog.dat"_s, {u"saved"_s});
        s.put(0, 1);
        s.chooseCharacter(0);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"saved"_s});
        QCOMPARE(text(s.w(), u"Label2"_s), u"1個、入っています"_s);
        QCOMPARE(detailPanel(s.w()), (QStringList{u"saved detail"_s, u""_s, u""_s, u""_s}));
        // Nothing goes into Shiro's full safe, by putting or by moving.
        s.put(0, 1);
        MessageCatcher messages;
        s.chooseCharacter(1);
        s.put(0, 1);
        button(s.w(), 6)->click();
        QCOMPARE(messages.texts().size(), 3);
        QVERIFY(messages.texts().at(0).contains(u"Shiromog.dat"_s));
        QVERIFY(messages.texts().at(1).contains(u"10001"_s) && messages.texts().at(2) == messages.texts().at(1));
        QCOMPARE(rows(s.w(), u"List2"_s).size(), 10001);
        QCOMPARE(rows(s.w(), u"List3"_s), QStringList{u"b"_s});
        // Kuro's unsaved line is gone with the change of character.
        s.chooseCharacter(0);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"saved"_s});

        // A name typed into the character box chooses nobody; the shown
        // character is saved under its own name, the put item with its detail.
        s.put(1, 1);
        s.characters()->lineEdit()->selectAll();
        QTest::keyClicks(s.characters()->lineEdit(), u"Shiro"_s);
        button(s.w(), 13)->click();
        QCOMPARE(s.bytes(u"Shiromog.dat"_s), fileLines(QStringList(10003, u"x"_s)));
        QCOMPARE(s.bytes(u"Kuromog.dat"_s) + s.bytes(u"Kuromoginfo.dat"_s) + s.bytes(u"Kurobaginfo.dat"_s),
                 fileLines({u"saved"_s, u"ダガー\t\t1"_s, u"saved detail"_s, u"[短剣]全種<br>D3 隔195<BR>Lv1～ 戦"_s}));
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
        s.write(u"Kuromog.dat"_s, side(before, 0).lines);
        s.write(u"Kurobag.dat"_s, side(before, 1).lines);
        // Longer than the lists: the extra details are never saved.
        s.write(u"Kuromoginfo.dat"_s, {u"M0"_s, u"M1"_s, u"M2"_s, u"M3"_s, u"M4"_s});
        s.write(u"Kurobaginfo.dat"_s, {u"B0"_s, u"B1"_s, u"B2"_s, u"B3"_s, u"B4"_s});
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
        QCOMPARE(detailPanel(s.w()), (QStringList{panel, u""_s, u""_s, u""_s}));
        for (const int l : {0, 1}) {
            const Side expected = side(after, l);
            QCOMPARE(rows(s.w(), kLists[l]), expected.lines);
            QCOMPARE(selectedRow(s.w(), kLists[l]), expected.selected);
            // No line but the one finally selected is ever made current on the way.
            for (const QList<QVariant>& change : *spies[l]) {
                const QModelIndex index = change.at(0).value<QModelIndex>();
                QVERIFY(!index.isValid() || index.row() == expected.selected);
            }
            QCOMPARE(text(s.w(), QStringLiteral("Label%1").arg(l + 2)), QString::number(expected.lines.size()) + u"個、入っています"_s);
            const QString file = l == 0 ? u"Kuromog"_s : u"Kurobag"_s;
            QCOMPARE(s.bytes(file + u".dat"_s), fileLines(expected.lines));
            QCOMPARE(s.bytes(file + u"info.dat"_s), fileLines(expected.details));
        }
    }

    void addingCharacters()
    {
        MenuSession s({});
        // One dialog: hidden, it keeps what was typed; its close box discards it.
        s.trigger(u"addc"_s);
        QWidget* form2 = s.dialog(u"Form2"_s);
        control<QLineEdit>(form2, u"Text1"_s)->setText(u"typed"_s);
        control<QPushButton>(form2, u"Command2"_s)->click(); // hides it
        s.trigger(u"addc"_s);
        s.trigger(u"addc"_s);
        QVERIFY(s.w()->findChildren<QWidget*>(u"Form2"_s).size() == 1 && form2->isVisible());
        QCOMPARE(control<QLineEdit>(form2, u"Text1"_s)->text(), QStringLiteral("typed"));
        form2->close();
        QTRY_VERIFY(!s.dialog(u"Form2"_s));
        s.trigger(u"addc"_s);
        QCOMPARE(control<QLineEdit>(s.dialog(u"Form2"_s), u"Text1"_s)->text(), QString());

        // Empty, spaced and repeated names are added as typed.
        const QStringList names{u"Kuro"_s, u""_s, u" Kuro "_s, u"Kuro"_s};
        for (const QString& name : names)
            s.addCharacter(name);
        QCOMPARE(s.bytes(u"cname.dat"_s), fileLines(names));
        QCOMPARE(s.roster(), names);
        QCOMPARE(s.characters()->currentIndex(), 3);
    }

    void registeringItems()
    {
        MenuSession s({u"Kuro"_s});
        // After a search the number follows the lines shown, not the catalogue.
        control<QLineEdit>(s.w(), u"Text1"_s)->setText(u"クリ"_s);
        button(s.w(), 14)->click();
        s.registerItem(u"光のクリスタル"_s);
        QCOMPARE(s.bytes(u"item.dat"_s), fileLines({u"3\t光のクリスタル\t[格闘]全種<br><br>Lv1～ All Jobs\t0\t0\t99"_s}));
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s, u"光のクリスタル"_s}));
        QCOMPARE(selectedRow(s.w(), u"List1"_s), 2);

        // What item.dat cannot take is not registered at all.
        QVERIFY(QFile::remove(s.path(u"item.dat"_s)) && QDir(s.dir.path()).mkdir(u"item.dat"_s));
        MessageCatcher messages;
        s.registerItem(u"Lost"_s);
        QCOMPARE(messages.texts().size(), 1);
        // The path as the system writes it (backslashes on Windows).
        QVERIFY2(messages.texts().first().contains(QDir::toNativeSeparators(s.path(u"item.dat"_s))),
                 qPrintable(messages.texts().first()));
        QCOMPARE(rows(s.w(), u"List1"_s).size(), 3);
        button(s.w(), 23)->click();
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"ダガー"_s, u"闇のクリスタル"_s, u"光のクリスタル"_s}));
    }

    void deletingCharacters_data()
    {
        QTest::addColumn<QStringList>("roster");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("middle") << QStringList{u"A"_s, u"B"_s, u"C"_s} << 1 << QStringList{u"A"_s, u"C"_s};
        QTest::newRow("only") << QStringList{u"A"_s} << 0 << QStringList{};
        QTest::newRow("duplicate") << QStringList{u"A"_s, u"B"_s, u"A"_s} << 0 << QStringList{u"B"_s, u"A"_s};
        QTest::newRow("nobody chosen") << QStringList{u"A"_s, u"B"_s, u"C"_s} << -1 << QStringList{u"A"_s, u"B"_s, u"C"_s};
    }

    void deletingCharacters()
    {
        QFETCH(QStringList, roster);
        QFETCH(int, chosen);
        QFETCH(QStringList, left);
        MenuSession s({});
        // Line feeds only: the rewrite shows in the file even when nobody goes.
        writeBytes(s.path(u"cname.dat"_s), roster.join(u'\n').toLatin1());
        for (const QString& name : roster)
            s.write(name + u"mog.dat"_s, {name});
        s.start();
        s.characters()->setCurrentIndex(chosen);
        button(s.w(), 1)->click(); // an unsaved change, lost by the deletion
        MessageCatcher messages;
        s.trigger(u"clec"_s);
        QCOMPARE(messages.texts(), chosen < 0 ? QStringList{u"誰もいないクポ；；"_s} : QStringList{});
        QCOMPARE(s.roster(), left);
        QCOMPARE(s.bytes(u"cname.dat"_s), fileLines(left));
        // The last character is chosen: each one's safe holds its name.
        QCOMPARE(rows(s.w(), u"List2"_s), left.isEmpty() ? QStringList{} : QStringList{left.last()});
        // Files stay: a character added again under a deleted name gets them back.
        s.addCharacter(u"A"_s);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"A"_s});
    }

    // Ctrl+Q ends.
    void endClosesEverythingWithoutSaving()
    {
        MenuSession s({u"Kuro"_s});
        s.put(0, 1);
        s.trigger(u"addc"_s);
        s.trigger(u"itemadd"_s);
        QTest::keyClick(s.w(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!s.w()->isVisible());
        for (const QString& dialog : {u"Form2"_s, u"Form3"_s})
            QVERIFY(!s.dialog(dialog) || !s.dialog(dialog)->isVisible());
        QVERIFY(!QFile::exists(s.path(u"Kuromog.dat"_s)));
    }
};

QTEST_MAIN(Form1StoragesTest)
#include "tst_form1_storages.moc"
