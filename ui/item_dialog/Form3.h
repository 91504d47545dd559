#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace morvane {

class ItemRegistrar;

// The item registration dialog. A plain window rather than a QDialog: Enter
// and Escape must press none of its buttons. Its buttons only hide it, so it
// shows everything as it was left when shown again.
class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(ItemRegistrar& registrar, QWidget* parent = nullptr);

private:
    void createControls();
    void placeControls();
    void setTabOrders();
    void connectHandlers();
    void load();

    void onKindButtonClicked(int button);
    void onOption1Chosen(int index);
    void onOption2Chosen(int index);
    void onCheck1Clicked();
    void onLevelChanged();
    void onCommand6Clicked();

    ItemRegistrar& m_registrar;

    // Index 0 holds Command1, Frame1, Option1(0) and so on.
    std::array<QPushButton*, 7> m_command{};
    std::array<QGroupBox*, 8> m_frame{};
    std::array<QRadioButton*, 12> m_option1{};
    std::array<QRadioButton*, 3> m_option2{};
    std::array<QCheckBox*, 16> m_check1{};
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QListWidget* m_list1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;

    // What the registration carries, whatever the controls' enabled states.
    QString m_raceText;
    QString m_jobText;
    qint16 m_equipLevel = 0;
    qint16 m_stackChoice = 0;
};

} // namespace morvane
