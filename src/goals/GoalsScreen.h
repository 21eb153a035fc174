#pragma once
#include "goals/GoalsScreenUi.h"
#include "platform/Services.h"

#include <QSet>
#include <QString>
#include "controls/TabPage.h"

class QTreeWidgetItem;
namespace progress {
class MemoryModel;
}

// The " My Personal Goal " tab: the goal list, the goal editor and the goal timer.
// Every change is written to the goals file at once and the list is rebuilt from it.
class GoalsScreen : public TabPage {
    Q_OBJECT

public:
    explicit GoalsScreen(const Services& services, QWidget* parent = nullptr);

    // Start-up: loads the goals file (when there is one) and shows the current goals.
    void InitGoals();
    // Lists the achieved goals, or the others, loads the first into the editor and runs
    // the goal timer.
    void DisplayGoals(bool AchivedGoals);

    // Shows how many cards the tests say are known today. Called once the window is shown:
    // the model comes from the progress store, which start-up never waits for.
    void setMeasured(const progress::MemoryModel& model);

    // "Set New Goals" was pressed and no save has succeeded since.
    bool newGoalMode() const { return m_newGoalMode; }

private:
    void optGoals_Click(int Index);
    void ListView1_ItemClick(QTreeWidgetItem* Item);
    void cmdNewGoal_Click();
    void cmdSaveGoals_Click();
    void cmdDeleteGoals_Click();
    void cmdMarkAchived_Click();
    void mydtpStartingDate_Change();
    void mydtpEndingDate_Change();
    void ClearGoalEditor();
    void UpdateGoalTimer();

    // Selects the current view by program; when it is already selected its handler is
    // run all the same, so the list is refreshed either way.
    void selectCurrentView();
    // Puts the view toggle in the state that belongs to the view shown, without a refresh.
    void setToggleFor(bool achievedShown);
    void highlightFirstRow();
    void showDayCount();
    QSet<int> checkedGoals(bool fromKeys) const;

    // Goals file access with the user told of every failure.
    void readGoals();
    bool writeGoals(const QSet<int>& except = {});

    void stop(const QString& text);

    Services m_services;
    GoalsScreenUi ui;
    bool m_newGoalMode = false;
    int m_editorGoal = -1;      // the goal loaded into the editor, -1 when it is empty
    bool m_selectingByProgram = false;
    // Set while the goals file could not be read whole and no copy of it exists:
    // nothing may be written over it.
    QString m_writeRefusal;
};
