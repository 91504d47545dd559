// What the main window's controls are for, in words: accessible names for
// the controls whose captions do not say it (pictures, numbers, lists) and
// tooltips for sighted players. Captions themselves stay as they are.
#include "ui/main/Form1.h"

#include "ui/ListBox.h"
#include "ui/main/Controls.h"

#include <QComboBox>
#include <QLineEdit>

using namespace morvane;

void Form1::describeControls()
{
    describe(m_command13, {}, QStringLiteral("このキャラクターの%1を保存（Ctrl+S）").arg(storageNames(u"と")));
    describe(m_command14, {}, QStringLiteral("アイテム名で検索（検索欄で Enter）"));
    describe(m_command23, {}, QStringLiteral("アイテム一覧をすべて表示"));

    describe(m_list1, QStringLiteral("アイテム一覧"),
             QStringLiteral("アイテム一覧：選んで%1に入れる").arg(storageNames(u"・")));
    describe(m_text1, QStringLiteral("アイテム名で検索"),
             QStringLiteral("検索するアイテム名（Ctrl+F）。? は任意の1文字、* は任意の文字列、# は数字1つ、"
                            "[a-z] は範囲内の1文字、[!…] は […] にない1文字。Enter で検索"));
    describe(m_combo2, QStringLiteral("キャラクター"),
             QStringLiteral("キャラクターを選ぶと、その%1を読み込む").arg(storageNames(u"と")));
    describe(m_image1, QStringLiteral("飾りの絵"), QStringLiteral("Morvane"));
}
