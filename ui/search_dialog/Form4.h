#pragma once

#include "model/holdings/Holdings.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace morvane {

class HoldingsSource;
class HoldingsTableModel;
class TotalsTableModel;

// The item search: which characters hold an item, how many there are in
// all, and the rows out to a spreadsheet file. A plain window like the other
// dialogs: Enter in the search box searches, and no key presses a button on
// its own. Closing it only hides it, so it shows its last search again.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(HoldingsSource& source, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    void describeControls();
    void setUpKeyboard();

    void onCommand1Clicked();
    void onCheck1Toggled();
    void onCommand2Clicked();
    void onCommand3Clicked();

    HoldingsSource& m_source;
    std::shared_ptr<const Holdings> m_holdings; // the search shown, if any
    HoldingsTableModel* m_rows;
    TotalsTableModel* m_totals;

    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QTableView* m_grid1 = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QTableView* m_grid2 = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
};

} // namespace morvane
