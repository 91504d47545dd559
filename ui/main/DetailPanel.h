#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

namespace morvane {

// The panel under the storages (Frame7) that shows the selected stored line's
// detail, one part to a line: Label1, Label4, Label5 and Label6.
class DetailPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit DetailPanel(QWidget* parent = nullptr);

    void showDetail(const QString& detail);
    void clear();

private:
    std::array<QLabel*, 4> m_lines{};
};

} // namespace morvane
