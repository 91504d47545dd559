#include "DataFixture.h"
#include "MessageCatcher.h"

#include "ui/main/Form1.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace {

const QString kDetail = QStringLiteral("[その他]全種<br>x<br>Lv1～ All Jobs");

// A small catalogue whose first entry has the given stack size.
void writeCatalogue(const DataFixture& data, int firstStack = 12)
{
    data.write("item.20041101.txt",
               {DataFixture::record(1, "炎のクリスタル", kDetail, firstStack),
                DataFixture::record(2, "闇の塊", kDetail, 12),
                DataFixture::record(3, "ダガー", kDetail, 1),
                DataFixture::record(4, "木綿糸", kDetail, 99),
                DataFixture::record(5, "闇のクリスタル", kDetail, 12),
                DataFixture::record(6, "闇の塊", QStringLiteral("second"), 5),
                DataFixture::record(7, "Apple", kDetail, 5),
                DataFixture::record(8, "[?]", kDetail, 1)});
}

std::unique_ptr<Form1> start(const DataFixture& data)
{
    auto window = std::make_unique<Form1>(data.folder());
    window->show();
    return window;
}

QStringList countButtonStates(QWidget* window)
{
    QStringList states;
    for (int n = 7; n <= 12; ++n)
        states << (button(window, n)->isEnabled() ? "on" : "off");
    return states;
}

QString combo(QWidget* window, const QString& name)
{
    return control<QComboBox>(window, name)->currentText();
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startUpCaptions();
    void controlsAndGrouping();
    void startUpWithoutRoster();
    void startUpChoosesFirstCharacterThenClearsPanel();
    void startUpAppliesSelectionRule_data();
    void startUpAppliesSelectionRule();
    void registeredItemsFollowSeedItems();
    void search_data();
    void search();
    void searchWithoutMatch_data();
    void searchWithoutMatch();
    void crystalFilters();
    void showAllAfterFilter();
    void selectingOtherStackSizeChangesNothing();
    void startUpReportsProblemsOnce();
    void missingSeedAndFolderAreReported();
};

void Form1Test::startUpCaptions()
{
    DataFixture data;
    writeCatalogue(data);
    MessageCatcher messages;
    auto window = start(data);
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvane for FF XI"));
    const QStringList captions{"", "モグ金庫へ", "かばんへ", "アイテムを消去", "かばんへ", "アイテムを消去",
                               "モグ金庫へ", "12", "99", "+1", "-1", "+10", "-10", "保存", "検索",
                               "", "", "", "", "", "", "", "", "すべて表示", "ソート", "ソート"};
    for (int n = 1; n <= 25; ++n)
        QCOMPARE(button(window.get(), n)->text(), captions.at(n));
    for (int n = 15; n <= 22; ++n) {
        QVERIFY(!button(window.get(), n)->icon().isNull());
        QCOMPARE(button(window.get(), n)->iconSize(), QSize(32, 32));
    }
    const QStringList frames{"", "アイテム一覧", "モグ金庫", "かばん", "スタック数", "キャラクター名",
                             "クリスタル", "Information"};
    for (int n = 1; n <= 7; ++n)
        QCOMPARE(control<QGroupBox>(window.get(), QStringLiteral("Frame%1").arg(n))->title(), frames.at(n));
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->text(), QStringLiteral("アイテム名を入力"));
    QCOMPARE(text(window.get(), "Label7"), QStringLiteral("Final Fantasy XI Support Soft"));
    QCOMPARE(text(window.get(), "Label8"), QStringLiteral("Ver1.3.0"));
    QVERIFY(!control<QLabel>(window.get(), "Image1")->pixmap().isNull());
    QCOMPARE(control<QLabel>(window.get(), "Image1")->size(), QSize(70, 100));

    auto* count = control<QComboBox>(window.get(), "Combo1");
    QCOMPARE(count->count(), 99);
    QVERIFY(!count->isEditable());
    for (int i = 0; i < 99; ++i)
        QCOMPARE(count->itemText(i), QString::number(i + 1));

    QStringList menu;
    for (QAction* action : window->menuBar()->actions())
        menu << action->objectName() + u'=' + action->text();
    QCOMPARE(menu, (QStringList{"itemadd=アイテムリスト追加", "addc=キャラクター追加", "clec=キャラクター削除", "end=終了"}));
    QCoreApplication::processEvents();
    QCOMPARE(messages.texts(), QStringList{});
}

void Form1Test::controlsAndGrouping()
{
    DataFixture data;
    writeCatalogue(data);
    auto window = start(data);
    auto inside = [&](const QString& child, const QString& frame) {
        QWidget* w = control(window.get(), child);
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (p->objectName() == frame)
                return true;
        return false;
    };
    const QList<QPair<QString, QString>> containment{
        {"List1", "Frame1"}, {"Text1", "Frame1"}, {"Command14", "Frame1"}, {"Command23", "Frame1"},
        {"Frame6", "Frame1"}, {"Combo1", "Frame4"}, {"List2", "Frame2"}, {"Label2", "Frame2"},
        {"Command3", "Frame2"}, {"Command4", "Frame2"}, {"Command24", "Frame2"}, {"List3", "Frame3"},
        {"Label3", "Frame3"}, {"Command5", "Frame3"}, {"Command6", "Frame3"}, {"Command25", "Frame3"},
        {"Combo2", "Frame5"}, {"Command13", "Frame5"}, {"Label1", "Frame7"}, {"Label4", "Frame7"},
        {"Label5", "Frame7"}, {"Label6", "Frame7"}};
    for (const auto& [child, frame] : containment)
        QVERIFY2(inside(child, frame), qPrintable(child + " in " + frame));
    for (int n = 7; n <= 12; ++n)
        QVERIFY(inside(QStringLiteral("Command%1").arg(n), "Frame4"));
    for (int n = 15; n <= 22; ++n)
        QVERIFY(inside(QStringLiteral("Command%1").arg(n), "Frame6"));
    for (const char* outside : {"Command1", "Command2", "Label7", "Label8", "Image1"})
        for (int f = 1; f <= 7; ++f)
            QVERIFY(!inside(outside, QStringLiteral("Frame%1").arg(f)));
    QVERIFY(control<QComboBox>(window.get(), "Combo2")->isEditable());
    // Crystal grid: two rows of four in button order.
    for (int n = 15; n <= 22; ++n) {
        const QPoint at = button(window.get(), n)->pos();
        const QPoint first = button(window.get(), n < 19 ? 15 : 19)->pos();
        QCOMPARE(at.y(), first.y());
        QVERIFY(n == 15 || n == 19 || at.x() > button(window.get(), n - 1)->pos().x());
    }
    QVERIFY(button(window.get(), 19)->pos().y() > button(window.get(), 15)->pos().y());
}

void Form1Test::startUpWithoutRoster()
{
    DataFixture data;
    writeCatalogue(data);
    auto window = start(data);
    QCOMPARE(control<QComboBox>(window.get(), "Combo2")->count(), 0);
    QCOMPARE(control<QComboBox>(window.get(), "Combo2")->currentIndex(), -1);
    QCOMPARE(text(window.get(), "Label2"), QStringLiteral("0個、入っています"));
    QCOMPARE(text(window.get(), "Label3"), QStringLiteral("0個、入っています"));
    QCOMPARE(rows(window.get(), "List1").size(), 8);
    QCOMPARE(selectedRow(window.get(), "List1"), 0);
    QCOMPARE(rows(window.get(), "List2"), QStringList{});
    QVERIFY(!data.exists("cname.dat"));
}

void Form1Test::startUpChoosesFirstCharacterThenClearsPanel()
{
    DataFixture data;
    writeCatalogue(data);
    data.write("cname.dat", {"Kuro", "Shiro", "Kuro"});
    data.write("Kuromog.dat", {"a\t\t1", "b\t\t2", "c\t\t3"});
    data.write("Kuromoginfo.dat", {"A1<br>A2", "B", "C"});
    data.write("Kurobag.dat", {"v", "w", "x", "y", "z"});
    data.write("Kurobaginfo.dat", {"V1<br>V2<br>V3", "W", "X", "Y", "Z"});
    auto window = start(data);
    auto* characters = control<QComboBox>(window.get(), "Combo2");
    QCOMPARE(characters->count(), 3);
    QCOMPARE(characters->currentIndex(), 0);
    QCOMPARE(characters->currentText(), QStringLiteral("Kuro"));
    QCOMPARE(rows(window.get(), "List2"), (QStringList{"a\t\t1", "b\t\t2", "c\t\t3"}));
    QCOMPARE(rows(window.get(), "List3").size(), 5);
    QCOMPARE(selectedRow(window.get(), "List2"), 0);
    QCOMPARE(selectedRow(window.get(), "List3"), 0);
    QCOMPARE(text(window.get(), "Label2"), QStringLiteral("3個、入っています"));
    QCOMPARE(text(window.get(), "Label3"), QStringLiteral("5個、入っています"));
    QCOMPARE(detailPanel(window.get()), QStringList(4, QString()));
    // The lines' details are there: selecting shows them.
    clickRow(window.get(), "List3", 1);
    QCOMPARE(detailPanel(window.get()), (QStringList{"W", "", "", ""}));
    clickRow(window.get(), "List3", 0);
    QCOMPARE(detailPanel(window.get()), (QStringList{"V1", "V2", "V3", ""}));
}

void Form1Test::startUpAppliesSelectionRule_data()
{
    QTest::addColumn<int>("firstStack");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("stack 12") << 12 << "12" << QStringList{"on", "off", "on", "on", "on", "on"};
    QTest::newRow("stack 99") << 99 << "99" << QStringList{"off", "on", "on", "on", "on", "on"};
    QTest::newRow("stack 1") << 1 << "1" << QStringList{"off", "off", "off", "off", "off", "off"};
    QTest::newRow("stack 5") << 5 << "1" << QStringList{"on", "on", "on", "on", "on", "on"};
}

void Form1Test::startUpAppliesSelectionRule()
{
    QFETCH(int, firstStack);
    QFETCH(QString, count);
    QFETCH(QStringList, buttons);
    DataFixture data;
    writeCatalogue(data, firstStack);
    auto window = start(data);
    QCOMPARE(combo(window.get(), "Combo1"), count);
    QCOMPARE(countButtonStates(window.get()), buttons);
}

void Form1Test::registeredItemsFollowSeedItems()
{
    DataFixture data;
    writeCatalogue(data);
    data.write("item.dat", {"9\tMine\td\t0\t0\tNULL", "1\tExcluded\td\t0\t1\t1", "10\tMine2\td\t0\t0\t12"});
    auto window = start(data);
    const QStringList lines = rows(window.get(), "List1");
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.mid(8), (QStringList{"Mine", "Mine2"}));
    // A "NULL" stack size of item.dat is 0: selecting it leaves the selector alone.
    clickRow(window.get(), "List1", 3);
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("99"));
    clickRow(window.get(), "List1", 8);
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("99"));
}

void Form1Test::search_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("part of a name") << "クリ" << QStringList{"炎のクリスタル", "闇のクリスタル"};
    QTest::newRow("empty lists all") << "" << QStringList{"炎のクリスタル", "闇の塊", "ダガー", "木綿糸",
                                                         "闇のクリスタル", "闇の塊", "Apple", "[?]"};
    QTest::newRow("upper case") << "A" << QStringList{"Apple"};
    QTest::newRow("pattern") << "闇の?" << QStringList{"闇の塊", "闇のクリスタル", "闇の塊"};
    QTest::newRow("pattern anchored by name end") << "の[!ク]" << QStringList{"闇の塊", "闇の塊"};
    QTest::newRow("bracketed special") << "[[][?]" << QStringList{"[?]"};
}

void Form1Test::search()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    DataFixture data;
    writeCatalogue(data, 1);
    auto window = start(data);
    MessageCatcher messages;
    control<QLineEdit>(window.get(), "Text1")->setText(typed);
    button(window.get(), 14)->click();
    QCOMPARE(rows(window.get(), "List1"), found);
    QCOMPARE(selectedRow(window.get(), "List1"), 0);
    QCOMPARE(messages.texts(), QStringList{});
}

void Form1Test::searchWithoutMatch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("start-up text") << "アイテム名を入力";
    QTest::newRow("lower case only") << "apple";
    QTest::newRow("unclosed bracket") << "[クリ";
    QTest::newRow("descending range") << "[z-a]";
}

void Form1Test::searchWithoutMatch()
{
    QFETCH(QString, typed);
    DataFixture data;
    writeCatalogue(data);
    auto window = start(data);
    clickRow(window.get(), "List1", 3); // stack 99
    const QStringList buttonsBefore = countButtonStates(window.get());
    MessageCatcher messages;
    if (typed != QStringLiteral("アイテム名を入力"))
        control<QLineEdit>(window.get(), "Text1")->setText(typed);
    button(window.get(), 14)->click();
    QCOMPARE(messages.texts(), QStringList{"該当するアイテムはありません"});
    QCOMPARE(rows(window.get(), "List1"), QStringList{});
    QCOMPARE(selectedRow(window.get(), "List1"), -1);
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("99"));
    QCOMPARE(countButtonStates(window.get()), buttonsBefore);
    // Nothing selected: putting adds nothing.
    button(window.get(), 1)->click();
    QCOMPARE(rows(window.get(), "List2"), QStringList{});
}

void Form1Test::crystalFilters()
{
    DataFixture data;
    writeCatalogue(data, 1);
    auto window = start(data);
    MessageCatcher messages;
    button(window.get(), 15)->click(); // darkness
    QCOMPARE(rows(window.get(), "List1"), (QStringList{"闇の塊", "闇のクリスタル", "闇の塊"}));
    QCOMPARE(selectedRow(window.get(), "List1"), 0);
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("12"));
    button(window.get(), 16)->click(); // fire
    QCOMPARE(rows(window.get(), "List1"), QStringList{"炎のクリスタル"});
    button(window.get(), 22)->click(); // lightning: nothing, silently
    QCOMPARE(rows(window.get(), "List1"), QStringList{});
    QCOMPARE(selectedRow(window.get(), "List1"), -1);
    QCOMPARE(messages.texts(), QStringList{});

    // Each button filters to its own element.
    const QStringList elements{"闇", "炎", "光", "水", "土", "氷", "風", "雷"};
    QStringList catalogue;
    for (int e = 0; e < 8; ++e)
        catalogue << DataFixture::record(2 * e, elements[e] + "のクリスタル", kDetail, 12)
                  << DataFixture::record(2 * e + 1, elements[e] + "の塊", kDetail, 12);
    DataFixture all;
    all.write("item.20041101.txt", catalogue);
    auto second = start(all);
    for (int e = 0; e < 8; ++e) {
        button(second.get(), 15 + e)->click();
        QCOMPARE(rows(second.get(), "List1"), (QStringList{elements[e] + "のクリスタル", elements[e] + "の塊"}));
    }
}

void Form1Test::showAllAfterFilter()
{
    DataFixture data;
    writeCatalogue(data, 1);
    auto window = start(data);
    button(window.get(), 15)->click();
    clickRow(window.get(), "List1", 2); // the second 闇の塊, stack 5
    button(window.get(), 23)->click();
    QCOMPARE(rows(window.get(), "List1").size(), 8);
    QCOMPARE(selectedRow(window.get(), "List1"), 0);
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("1"));
}

void Form1Test::selectingOtherStackSizeChangesNothing()
{
    DataFixture data;
    writeCatalogue(data);
    auto window = start(data);
    clickRow(window.get(), "List1", 1); // stack 12
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("12"));
    button(window.get(), 11)->click();
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("22"));
    clickRow(window.get(), "List1", 5); // stack 5
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("22"));
    QCOMPARE(countButtonStates(window.get()), (QStringList{"on", "off", "on", "on", "on", "on"}));
    clickRow(window.get(), "List1", 2); // stack 1
    QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("1"));
    QCOMPARE(countButtonStates(window.get()), QStringList(6, "off"));
}

void Form1Test::startUpReportsProblemsOnce()
{
    DataFixture data;
    data.write("item.20041101.txt", {DataFixture::record(1, "A", kDetail, 1), "broken line",
                                     DataFixture::record(2, "B", kDetail, 1), "3\tC\td\t0\t0\tmany"});
    data.write("item.dat", {"", DataFixture::record(4, "D", kDetail, 1)});
    MessageCatcher messages;
    auto window = start(data);
    QTRY_COMPARE(messages.texts().size(), 1);
    const QString message = messages.texts().first();
    QVERIFY2(message.contains("item.20041101.txt の 2 行") && message.contains("最初は 2 行目"), qPrintable(message));
    QVERIFY2(message.contains("item.dat の 1 行") && message.contains("最初は 1 行目"), qPrintable(message));
    QCOMPARE(rows(window.get(), "List1"), (QStringList{"A", "B", "D"}));
    window->hide();
    window->show();
    QTest::qWait(50);
    QCOMPARE(messages.texts().size(), 1);
}

void Form1Test::missingSeedAndFolderAreReported()
{
    DataFixture data;
    data.write("item.dat", {DataFixture::record(4, "D", kDetail, 12)});
    {
        MessageCatcher messages;
        auto window = start(data);
        QTRY_COMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains("item.20041101.txt が見つかりません"));
        QCOMPARE(rows(window.get(), "List1"), QStringList{"D"});
        QCOMPARE(combo(window.get(), "Combo1"), QStringLiteral("12"));
    }
    MessageCatcher second;
    auto nowhere = std::make_unique<Form1>(data.folder() + "/missing");
    nowhere->show();
    QTRY_COMPARE(second.texts().size(), 1);
    QVERIFY(second.texts().first().contains(QStringLiteral("データフォルダーが見つかりません")));
    QVERIFY(!second.texts().first().contains(QStringLiteral("item.20041101.txt")));
    QCOMPARE(rows(nowhere.get(), "List1"), QStringList{});
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
