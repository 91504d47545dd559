#pragma once

#include <QGroupBox>

#include <array>
#include <vector>

class QComboBox;
class QPushButton;

namespace morvane {

struct SelectorSetting;

// The count selector (Frame4): how many of the chosen item go in, "1" to "99"
// in Combo1, and the buttons Command7 to Command12 that set or step it.
class CountSelector : public QGroupBox {
    Q_OBJECT

public:
    explicit CountSelector(QWidget* parent = nullptr);

    QString count() const;
    void resetToOne();
    // What choosing a catalogue line asks of the selector.
    void adjustTo(const SelectorSetting& setting);
    // Combo1, then the buttons row by row.
    std::vector<QWidget*> tabOrder() const;

private:
    QComboBox* m_combo1 = nullptr;
    std::array<QPushButton*, 6> m_buttons{};
};

} // namespace morvane
