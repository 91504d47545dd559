#include "ui/main/CountSelector.h"

#include "model/storage/StackCount.h"
#include "model/storage/StorageKinds.h"
#include "ui/main/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace morvane {
namespace {

// The buttons in the order they are laid out, two to a row, and read.
struct CountButtonControl {
    int command; // CommandN
    CountButton button;
    QStringView caption;
    QStringView hint;
};

constexpr std::array<CountButtonControl, 6> kCountButtons{{
    {7, CountButton::Twelve, u"12", u"スタック数を12にする"},
    {8, CountButton::NinetyNine, u"99", u"スタック数を99にする"},
    {9, CountButton::PlusOne, u"+1", u"スタック数を1増やす"},
    {10, CountButton::MinusOne, u"-1", u"スタック数を1減らす"},
    {11, CountButton::PlusTen, u"+10", u"スタック数を10増やす"},
    {12, CountButton::MinusTen, u"-10", u"スタック数を10減らす"},
}};

bool enabledBy(const SelectorSetting& setting, CountButton button)
{
    switch (button) {
    case CountButton::Twelve:
        return setting.twelveEnabled;
    case CountButton::NinetyNine:
        return setting.ninetyNineEnabled;
    default:
        return setting.stepsEnabled;
    }
}

} // namespace

CountSelector::CountSelector(QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame4"));
    setTitle(QStringLiteral("スタック数"));
    m_combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    for (int count = 1; count <= kCountEntries; ++count)
        m_combo1->addItem(QString::number(count));
    m_combo1->setMaxVisibleItems(12);
    describe(m_combo1, QStringLiteral("入れる個数"), QStringLiteral("%1に入れる個数").arg(storageNames(u"・")));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_combo1, 0, 0, 1, 2);
    for (int k = 0; k < int(kCountButtons.size()); ++k) {
        const CountButtonControl& control = kCountButtons[k];
        QPushButton* button = m_buttons[k] = commandButton(control.command, this);
        button->setText(control.caption.toString());
        describe(button, control.hint.toString(), control.hint.toString());
        layout->addWidget(button, 1 + k / 2, k % 2);
        connect(button, &QPushButton::clicked, this, [this, control] {
            m_combo1->setCurrentIndex(countIndexAfter(control.button, m_combo1->currentIndex()));
        });
    }
}

QString CountSelector::count() const
{
    return m_combo1->currentText();
}

void CountSelector::resetToOne()
{
    m_combo1->setCurrentIndex(0);
}

void CountSelector::adjustTo(const SelectorSetting& setting)
{
    m_combo1->setCurrentIndex(setting.index);
    for (std::size_t k = 0; k < m_buttons.size(); ++k)
        m_buttons[k]->setEnabled(enabledBy(setting, kCountButtons[k].button));
}

std::vector<QWidget*> CountSelector::tabOrder() const
{
    std::vector<QWidget*> order{m_combo1};
    order.insert(order.end(), m_buttons.begin(), m_buttons.end());
    return order;
}

} // namespace morvane
