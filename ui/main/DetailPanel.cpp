#include "ui/main/DetailPanel.h"

#include "model/catalogue/DetailText.h"
#include "ui/main/Controls.h"
#include "ui/main/DetailLine.h"

#include <QVBoxLayout>

namespace morvane {

DetailPanel::DetailPanel(QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame7"));
    setTitle(QStringLiteral("Information"));
    auto* layout = new QVBoxLayout(this);
    const int numbers[] = {1, 4, 5, 6};
    for (std::size_t k = 0; k < m_lines.size(); ++k) {
        QLabel* line = m_lines[k] = named(new DetailLine(this), QStringLiteral("Label%1").arg(numbers[k]));
        // As high when empty as with a line of Japanese text (whose fallback
        // font is taller), so that showing a detail never shrinks the lists.
        line->setMinimumHeight(line->fontMetrics().boundingRect(QRect(), 0, QStringLiteral("全")).height());
        layout->addWidget(line);
    }
}

void DetailPanel::showDetail(const QString& detail)
{
    clear();
    const QStringList parts = detailDisplayLines(detail);
    for (qsizetype k = 0; k < qsizetype(m_lines.size()) && k < parts.size(); ++k)
        m_lines[k]->setText(parts.at(k));
}

void DetailPanel::clear()
{
    for (QLabel* line : m_lines)
        line->clear();
}

} // namespace morvane
