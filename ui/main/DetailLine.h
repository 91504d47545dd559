#pragma once

#include <QLabel>

namespace morvane {

// One line of the detail panel. However long its text, it asks for no width
// of its own, so a detail never widens the window: a text wider than the line
// is shown cut short with "…", and its tooltip shows it whole. text() is
// always the whole text.
class DetailLine : public QLabel {
    Q_OBJECT

public:
    explicit DetailLine(QWidget* parent = nullptr);

    bool isCut() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace morvane
