#include "ui/main/CrystalFilterButtons.h"

#include "ui/main/Controls.h"

#include <QGridLayout>
#include <QIcon>
#include <QPushButton>

namespace morvane {

CrystalFilterButtons::CrystalFilterButtons(QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame6"));
    setTitle(QStringLiteral("クリスタル"));
    auto* layout = new QGridLayout(this);
    for (int k = 0; k < int(kCrystalFilters.size()); ++k) {
        const CrystalFilter& filter = kCrystalFilters[k];
        QPushButton* button = m_buttons[k] = commandButton(filter.button, this);
        button->setIcon(QIcon(QStringLiteral(":/crystals/%1.png").arg(filter.element)));
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(40, 40);
        describe(button, filter.crystalName.toString(),
                 QStringLiteral("%1と%2だけを表示").arg(filter.crystalName, filter.clusterName));
        layout->addWidget(button, k / 4, k % 4);
        connect(button, &QPushButton::clicked, this, [this, &filter] { emit filterChosen(filter); });
    }
}

} // namespace morvane
