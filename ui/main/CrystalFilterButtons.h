#pragma once

#include "model/catalogue/Crystals.h"

#include <QGroupBox>

#include <array>

class QPushButton;

namespace morvane {

// The crystal filter buttons (Frame6): one picture button to each filter,
// Command15 to Command22 in the filters' order, four to a row.
class CrystalFilterButtons : public QGroupBox {
    Q_OBJECT

public:
    explicit CrystalFilterButtons(QWidget* parent = nullptr);

    // The buttons in reading order.
    const std::array<QPushButton*, kCrystalFilters.size()>& buttons() const { return m_buttons; }

signals:
    void filterChosen(const morvane::CrystalFilter& filter);

private:
    std::array<QPushButton*, kCrystalFilters.size()> m_buttons{};
};

} // namespace morvane
