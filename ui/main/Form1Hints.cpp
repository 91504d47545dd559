// What the main window's controls are for, in words: accessible names for
// the controls whose captions do not say it (pictures, numbers, lists) and
// tooltips for sighted players. Captions themselves stay as they are.
#include "ui/main/Form1.h"

#include "model/Crystals.h"
#include "ui/ListBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace morvane;

namespace {

void describe(QWidget* control, const QString& name, const QString& hint)
{
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setAccessibleDescription(hint);
    control->setToolTip(hint);
}

} // namespace

void Form1::describeControls()
{
    for (const CrystalFilter& filter : kCrystalFilters)
        describe(Command[filter.button], filter.crystalName.toString(),
                 QStringLiteral("%1と%2だけを表示").arg(filter.crystalName, filter.clusterName));
    const std::pair<int, const char16_t*> countButtons[] = {
        {7, u"スタック数を12にする"}, {8, u"スタック数を99にする"}, {9, u"スタック数を1増やす"},
        {10, u"スタック数を1減らす"}, {11, u"スタック数を10増やす"}, {12, u"スタック数を10減らす"}};
    for (const auto& [n, hint] : countButtons)
        describe(Command[n], QString::fromUtf16(hint), QString::fromUtf16(hint));

    // Two buttons of each caption: the hint says which storage they act on.
    describe(Command[1], {}, QStringLiteral("選んだアイテムをモグ金庫に入れる"));
    describe(Command[2], {}, QStringLiteral("選んだアイテムをかばんに入れる"));
    describe(Command[3], {}, QStringLiteral("モグ金庫で選んだ行を消す（Delete）"));
    describe(Command[4], {}, QStringLiteral("モグ金庫で選んだ行をかばんへ移す"));
    describe(Command[5], {}, QStringLiteral("かばんで選んだ行を消す（Delete）"));
    describe(Command[6], {}, QStringLiteral("かばんで選んだ行をモグ金庫へ移す"));
    describe(Command[24], {}, QStringLiteral("モグ金庫の中身を名前順に並べる"));
    describe(Command[25], {}, QStringLiteral("かばんの中身を名前順に並べる"));
    describe(Command[13], {}, QStringLiteral("このキャラクターのモグ金庫とかばんを保存（Ctrl+S）"));
    describe(Command[14], {}, QStringLiteral("アイテム名で検索（検索欄で Enter）"));
    describe(Command[23], {}, QStringLiteral("アイテム一覧をすべて表示"));

    describe(List1, QStringLiteral("アイテム一覧"), QStringLiteral("アイテム一覧：選んでモグ金庫・かばんに入れる"));
    describe(List2, QStringLiteral("モグ金庫の中身"), QStringLiteral("モグ金庫に入っているアイテムと個数"));
    describe(List3, QStringLiteral("かばんの中身"), QStringLiteral("かばんに入っているアイテムと個数"));
    describe(Text1, QStringLiteral("アイテム名で検索"),
             QStringLiteral("検索するアイテム名（Ctrl+F）。? は任意の1文字、* は任意の文字列、# は数字1つ、"
                            "[a-z] は範囲内の1文字、[!…] は […] にない1文字。Enter で検索"));
    describe(Combo1, QStringLiteral("入れる個数"), QStringLiteral("モグ金庫・かばんに入れる個数"));
    describe(Combo2, QStringLiteral("キャラクター"),
             QStringLiteral("キャラクターを選ぶと、そのモグ金庫とかばんを読み込む"));
    describe(Image1, QStringLiteral("飾りの絵"), QStringLiteral("Morvane"));
    // The count labels' captions are their names, so a screen reader reads the count.
    describe(Label2, {}, QStringLiteral("モグ金庫に入っている行の数"));
    describe(Label3, {}, QStringLiteral("かばんに入っている行の数"));
}
