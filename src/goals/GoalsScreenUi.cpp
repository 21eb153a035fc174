#include "goals/GoalsScreenUi.h"

#include "controls/UserControl1.h"
#include "controls/WrapLabel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

namespace {
QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
}

void GoalsScreenUi::setupUi(QWidget* screen, const Clock& clock)
{
    // The list and the view toggle on the left.
    ListView1 = new QTreeWidget(screen);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QCoreApplication::translate("GoalsScreen", "Goals"), QString()});
    // The second column holds each row's goal index: kept for the program, not shown.
    ListView1->setColumnHidden(1, true);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ListView1->setMinimumWidth(280);

    optGoalsToggle = new QStackedWidget(screen);
    optGoalsToggle->setObjectName(QStringLiteral("optGoalsToggle"));
    optGoalsToggle->setFixedSize(217, 27); // 3255 x 405 twips
    optGoalsGroup = new QButtonGroup(screen);
    const QString viewCaptions[2] = {QCoreApplication::translate("GoalsScreen", "View Current Goals"), QCoreApplication::translate("GoalsScreen", "View Achieved Goals")};
    for (int i = 0; i < 2; ++i) {
        optGoals[i] = new QRadioButton(viewCaptions[i], optGoalsToggle);
        optGoals[i]->setObjectName(QStringLiteral("optGoals_%1").arg(i));
        optGoalsGroup->addButton(optGoals[i], i);
        optGoalsToggle->addWidget(optGoals[i]);
    }
    // At start the current view is the selected one and the toggle offers the other.
    optGoals[0]->setChecked(true);
    optGoalsToggle->setCurrentWidget(optGoals[1]);

    Label10 = WrapLabel::plain("Label10", QCoreApplication::translate("GoalsScreen",
        "It is important to set goals and targets to be able to see and measure your achievements. This seemingly "
        "small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, "
        "focussed and dedicated mindset towards fulfilling your aims in life. "), screen);

    auto* left = new QVBoxLayout;
    left->addWidget(ListView1, 1);
    left->addWidget(optGoalsToggle, 0, Qt::AlignLeft);
    left->addSpacing(6);
    left->addWidget(Label10);

    // The editor on the right.
    txtGoalName = new QLineEdit(screen);
    txtGoalName->setObjectName(QStringLiteral("txtGoalName"));
    // A name of any length is kept whole (the default limit would cut it at 32,767).
    txtGoalName->setMaxLength(std::numeric_limits<int>::max());
    txtGoalDesc = new QPlainTextEdit(screen);
    txtGoalDesc->setObjectName(QStringLiteral("txtGoalDesc"));
    txtGoalDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGoalDesc->setTabChangesFocus(true);
    mydtpStartingDate = new UserControl1(clock, screen);
    mydtpStartingDate->setObjectName(QStringLiteral("mydtpStartingDate"));
    mydtpEndingDate = new UserControl1(clock, screen);
    mydtpEndingDate->setObjectName(QStringLiteral("mydtpEndingDate"));

    auto* editor = new QGridLayout;
    editor->addWidget(caption(screen, "lblGoalNameCaption", QCoreApplication::translate("GoalsScreen", "Name Of Goal"), txtGoalName), 0, 0);
    editor->addWidget(txtGoalName, 0, 1);
    editor->addWidget(caption(screen, "lblGoalDescCaption", QCoreApplication::translate("GoalsScreen", "Description Of Goal"), txtGoalDesc), 1, 0,
                      Qt::AlignTop);
    editor->addWidget(txtGoalDesc, 1, 1);
    editor->addWidget(caption(screen, "lblStartingDateCaption", QCoreApplication::translate("GoalsScreen", "Goal Starting Date:"), mydtpStartingDate),
                      2, 0);
    editor->addWidget(mydtpStartingDate, 2, 1, Qt::AlignLeft);
    editor->addWidget(caption(screen, "lblEndingDateCaption", QCoreApplication::translate("GoalsScreen", "Goal Ending Date:"), mydtpEndingDate), 3, 0);
    editor->addWidget(mydtpEndingDate, 3, 1, Qt::AlignLeft);
    editor->setColumnStretch(1, 1);
    editor->setRowStretch(1, 1);

    Frame3 = new QGroupBox(QCoreApplication::translate("GoalsScreen", "Goal Timer"), screen);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Combo3 = new QComboBox(Frame3);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    for (int p = 0; p <= 100; ++p)
        Combo3->addItem(QString::number(p));
    Combo3->setMinimumWidth(70);
    lblDayCount = new QLabel(Frame3);
    lblDayCount->setObjectName(QStringLiteral("lblDayCount"));
    lblDaysRemaining = new QLabel(Frame3);
    lblDaysRemaining->setObjectName(QStringLiteral("lblDaysRemaining"));
    auto* timer = new QGridLayout(Frame3);
    timer->addWidget(caption(Frame3, "lblPercentageCaption", QCoreApplication::translate("GoalsScreen", "Select  Achieved Percentage Of Goal"), Combo3),
                     0, 0);
    timer->addWidget(Combo3, 0, 1, Qt::AlignLeft);
    timer->addWidget(caption(Frame3, "lblDayCountCaption", QCoreApplication::translate("GoalsScreen", "Total Day(s) To Achieve Goal"), nullptr), 1, 0);
    timer->addWidget(lblDayCount, 1, 1);
    timer->addWidget(
        caption(Frame3, "lblDaysRemainingCaption", QCoreApplication::translate("GoalsScreen", "Day(s) Remaining To Achieve Goal"), nullptr), 2, 0);
    timer->addWidget(lblDaysRemaining, 2, 1);
    // What the tests measured, beside the learner's own percentage; filled once the window is up.
    lblMeasured = new QLabel(Frame3);
    lblMeasured->setObjectName(QStringLiteral("lblMeasured"));
    timer->addWidget(lblMeasured, 3, 0, 1, 2);
    timer->setColumnStretch(1, 1);
    timer->setColumnMinimumWidth(0, 240);

    lblInfo = WrapLabel::plain("lblInfo", QString(), screen);
    lblInfo->setMinimumHeight(lblInfo->fontMetrics().lineSpacing() * 2);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdNewGoal = button(screen, "cmdNewGoal", QCoreApplication::translate("GoalsScreen", "Set New Goals"));
    cmdSaveGoals = button(screen, "cmdSaveGoals", QCoreApplication::translate("GoalsScreen", "Save / Update Goal"));
    cmdDeleteGoals = button(screen, "cmdDeleteGoals", QCoreApplication::translate("GoalsScreen", "Delete Selected Goals"));
    cmdMarkAchived = button(screen, "cmdMarkAchived", QCoreApplication::translate("GoalsScreen", "Mark Selected Goals As Achieved"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdNewGoal, cmdSaveGoals, cmdDeleteGoals, cmdMarkAchived})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addLayout(editor, 1);
    right->addWidget(Frame3);
    right->addWidget(lblInfo);
    right->addLayout(buttons);

    auto* root = new QHBoxLayout(screen);
    root->addLayout(left, 2);
    root->addSpacing(8);
    root->addLayout(right, 3);

    // Editing is off until a goal is opened or "Set New Goals" is pressed.
    cmdSaveGoals->setEnabled(false);
    txtGoalName->setEnabled(false);
    txtGoalDesc->setEnabled(false);
    Combo3->setEnabled(false);

    QWidget::setTabOrder(ListView1, optGoals[0]);
    QWidget::setTabOrder(optGoals[0], optGoals[1]);
    QWidget::setTabOrder(optGoals[1], txtGoalName);
    QWidget::setTabOrder(txtGoalName, txtGoalDesc);
    QWidget::setTabOrder(txtGoalDesc, mydtpStartingDate);
    QWidget::setTabOrder(mydtpStartingDate, mydtpEndingDate);
    QWidget::setTabOrder(mydtpEndingDate, Combo3);
    QWidget::setTabOrder(Combo3, cmdNewGoal);
    QWidget::setTabOrder(cmdNewGoal, cmdSaveGoals);
    QWidget::setTabOrder(cmdSaveGoals, cmdDeleteGoals);
    QWidget::setTabOrder(cmdDeleteGoals, cmdMarkAchived);
}
