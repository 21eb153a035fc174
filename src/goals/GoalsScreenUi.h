#pragma once
#include <array>

class Clock;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;
class QWidget;
class UserControl1;

// The controls of the goals tab and their layout; the handlers live in GoalsScreen.
struct GoalsScreenUi {
    QTreeWidget* ListView1 = nullptr;
    // Both view buttons share one place: only the one in front is seen and clicked.
    QStackedWidget* optGoalsToggle = nullptr;
    QButtonGroup* optGoalsGroup = nullptr;
    std::array<QRadioButton*, 2> optGoals{};
    QPushButton* cmdNewGoal = nullptr;
    QPushButton* cmdSaveGoals = nullptr;
    QPushButton* cmdDeleteGoals = nullptr;
    QPushButton* cmdMarkAchived = nullptr;
    QLineEdit* txtGoalName = nullptr;
    QPlainTextEdit* txtGoalDesc = nullptr;
    UserControl1* mydtpStartingDate = nullptr;
    UserControl1* mydtpEndingDate = nullptr;
    QGroupBox* Frame3 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* lblDayCount = nullptr;
    QLabel* lblDaysRemaining = nullptr;
    QLabel* lblMeasured = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* Label10 = nullptr;

    void setupUi(QWidget* screen, const Clock& clock);
};
