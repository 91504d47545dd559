#include "ui/character_dialog/Form2.h"

#include "model/characters/CharacterName.h"
#include "ui/Message.h"
#include "ui/Twips.h"
#include "ui/character_dialog/CharacterRegistrar.h"
#include "ui/WindowPlacement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvane {
namespace {

constexpr int kClientWidth = 2790;
constexpr int kClientHeight = 1905;
constexpr int kControlLeft = 120;
constexpr int kControlWidth = 2550;

QPushButton* makeButton(QWidget* parent, const char* objectName)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form2::Form2(CharacterRegistrar& registrar, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_registrar(registrar)
    , m_label1(new QLabel(this))
    , m_text1(new QLineEdit(this))
    , m_command1(makeButton(this, "Command1"))
    , m_command2(makeButton(this, "Command2"))
{
    setObjectName(QStringLiteral("Form2"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_text1->setObjectName(QStringLiteral("Text1"));

    const QRect client = twipRect(this, 0, 0, kClientWidth, kClientHeight);
    setFixedSize(client.size());
    // The prompt is wider than the dialog and wraps onto a second line.
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setGeometry(twipRect(this, kControlLeft, 120, kControlWidth, 510));
    m_text1->setGeometry(twipRect(this, kControlLeft, 690, kControlWidth, 300));
    m_command1->setGeometry(twipRect(this, kControlLeft, 1110, kControlWidth, 330));
    m_command2->setGeometry(twipRect(this, kControlLeft, 1500, kControlWidth, 330));

    setTabOrder(m_text1, m_command1);
    setTabOrder(m_command1, m_command2);

    connect(m_command1, &QPushButton::clicked, this, &Form2::onCommand1Clicked);
    connect(m_command2, &QPushButton::clicked, this, &Form2::onCommand2Clicked);

    m_label1->setText(QStringLiteral("キャラクター名を入力してください"));
    m_command1->setText(QStringLiteral("追加"));
    m_command2->setText(QStringLiteral("追加せず終了"));
    setWindowTitle(QStringLiteral("キャラクター追加"));

    m_text1->setFocus();
}

void Form2::onCommand1Clicked()
{
    const QString name = m_text1->text();
    const QString refusal = validateCharacterName(name);
    if (!refusal.isEmpty()) {
        showMessage(this, refusal);
        return;
    }
    if (m_registrar.addCharacter(name))
        hideToOwner(this);
}

void Form2::onCommand2Clicked()
{
    hideToOwner(this);
}

} // namespace morvane
