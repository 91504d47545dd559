#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace morvane {

class CharacterRegistrar;

// The add-character dialog. A plain window rather than a QDialog: Enter and
// Escape must press none of its buttons. Its buttons only hide it, so it
// shows the last typed name when shown again.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(CharacterRegistrar& registrar, QWidget* parent = nullptr);

private:
    void onCommand1Clicked();
    void onCommand2Clicked();

    CharacterRegistrar& m_registrar;
    QLabel* m_label1;
    QLineEdit* m_text1;
    QPushButton* m_command1;
    QPushButton* m_command2;
};

} // namespace morvane
