// What the main window's controls are for, in words: accessible names for
// the controls whose captions do not say it (pictures, numbers, lists) and
// tooltips for sighted players. Captions themselves stay as they are.
#include "ui/main/Form1.h"

#include "ui/ListBox.h"
#include "ui/main/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace morvane;

void Form1::describeControls()
{

    // Two buttons of each caption: the hint says which storage they act on.
    for (const StorageArea& shown : kStorageAreas) {
        const QStringView name = storageName(shown.kind);
        const QStringView target = storageName(shown.moveTo);
        describe(m_command[shown.putButton], {}, QStringLiteral("選んだアイテムを%1に入れる").arg(name));
        describe(m_command[shown.takeOutButton], {}, QStringLiteral("%1で選んだ行を消す（Delete）").arg(name));
        describe(m_command[shown.moveButton], {}, QStringLiteral("%1で選んだ行を%2へ移す").arg(name, target));
        describe(m_command[shown.sortButton], {}, QStringLiteral("%1の中身を名前順に並べる").arg(name));
        describe(list(shown.kind), QStringLiteral("%1の中身").arg(name),
                 QStringLiteral("%1に入っているアイテムと個数").arg(name));
        // The count label's caption is its name, so a screen reader reads the count.
        describe(this->*shown.countLabel, {}, QStringLiteral("%1に入っている行の数").arg(name));
    }
    describe(m_command[13], {}, QStringLiteral("このキャラクターのモグ金庫とかばんを保存（Ctrl+S）"));
    describe(m_command[14], {}, QStringLiteral("アイテム名で検索（検索欄で Enter）"));
    describe(m_command[23], {}, QStringLiteral("アイテム一覧をすべて表示"));

    describe(m_list1, QStringLiteral("アイテム一覧"), QStringLiteral("アイテム一覧：選んでモグ金庫・かばんに入れる"));
    describe(m_text1, QStringLiteral("アイテム名で検索"),
             QStringLiteral("検索するアイテム名（Ctrl+F）。? は任意の1文字、* は任意の文字列、# は数字1つ、"
                            "[a-z] は範囲内の1文字、[!…] は […] にない1文字。Enter で検索"));
    describe(m_combo2, QStringLiteral("キャラクター"),
             QStringLiteral("キャラクターを選ぶと、そのモグ金庫とかばんを読み込む"));
    describe(m_image1, QStringLiteral("飾りの絵"), QStringLiteral("Morvane"));
}
