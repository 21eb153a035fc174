#include "goals/GoalsScreen.h"

#include "controls/UserControl1.h"
#include "goals/GoalTimer.h"
#include "goals/modGoals.h"
#include "platform/AppPaths.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "progress/MemoryModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

using modGoals::Goals;

namespace {
const QString kTitle = QStringLiteral("Lumenrest");

int goalIndexFromKey(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::UserRole).toString().mid(1).toInt();
}

// The editor shows line breaks as the text box keeps them; goals hold them as CR LF.
QString editorText(const QPlainTextEdit* box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Qt's word-boundary wrapping looks through a line's whole unbroken run again for every
// line, so a run of a million characters takes minutes to lay out. Such a text wraps
// anywhere: every character stays, only the line ends fall mid-word.
constexpr qsizetype kLongestWrappedRun = 1000;

bool hasLongUnbrokenRun(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWrappedRun)
            return true;
    }
    return false;
}

void fitWrapping(QPlainTextEdit* box, QStringView text)
{
    box->setWordWrapMode(hasLongUnbrokenRun(text) ? QTextOption::WrapAnywhere
                                                  : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

// A list row shows the start of a very long name (laying out all of it would stall the
// list); the editor holds the whole name.
constexpr qsizetype kLongestRowText = 500;

QString rowText(const QString& name)
{
    if (name.size() <= kLongestRowText)
        return name;
    return name.left(kLongestRowText) + QCoreApplication::translate("GoalsScreen", "… (name cut here for the list)");
}
}

GoalsScreen::GoalsScreen(const Services& services, QWidget* parent)
    : TabPage(parent), m_services(services)
{
    setObjectName(QStringLiteral("GoalsScreen"));
    ui.setupUi(this, *m_services.clock);

    connect(ui.optGoals[0], &QRadioButton::toggled, this, [this](bool on) { if (on) optGoals_Click(0); });
    connect(ui.optGoals[1], &QRadioButton::toggled, this, [this](bool on) { if (on) optGoals_Click(1); });
    connect(ui.ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current && !m_selectingByProgram)
            ListView1_ItemClick(current);
    });
    connect(ui.cmdNewGoal, &QPushButton::clicked, this, &GoalsScreen::cmdNewGoal_Click);
    connect(ui.cmdSaveGoals, &QPushButton::clicked, this, &GoalsScreen::cmdSaveGoals_Click);
    connect(ui.cmdDeleteGoals, &QPushButton::clicked, this, &GoalsScreen::cmdDeleteGoals_Click);
    connect(ui.cmdMarkAchived, &QPushButton::clicked, this, &GoalsScreen::cmdMarkAchived_Click);
    connect(ui.mydtpStartingDate, &UserControl1::Change, this, &GoalsScreen::mydtpStartingDate_Change);
    connect(ui.mydtpEndingDate, &UserControl1::Change, this, &GoalsScreen::mydtpEndingDate_Change);
    // Typed or pasted: the paragraph being edited decides, so later edits stay quick.
    connect(ui.txtGoalDesc, &QPlainTextEdit::textChanged, this, [this] {
        QPlainTextEdit* box = ui.txtGoalDesc;
        if (box->wordWrapMode() != QTextOption::WrapAnywhere && hasLongUnbrokenRun(box->textCursor().block().text()))
            box->setWordWrapMode(QTextOption::WrapAnywhere);
    });
}

void GoalsScreen::InitGoals()
{
    if (!QFileInfo::exists(modGoals::goalsReadPath(*m_services.paths)))
        return;
    readGoals();
    selectCurrentView();
    if (ui.ListView1->topLevelItemCount() > 1) {
        highlightFirstRow();
        ListView1_ItemClick(ui.ListView1->topLevelItem(0));
    }
}

void GoalsScreen::DisplayGoals(bool AchivedGoals)
{
    QTreeWidget* list = ui.ListView1;
    list->setUpdatesEnabled(false);
    m_selectingByProgram = true;
    list->clear();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < Goals.size(); ++i) {
        const Goal& g = Goals[i];
        if (g.Achieved != AchivedGoals)
            continue;
        const QString index = QString::number(i);
        auto* row = new QTreeWidgetItem(QStringList{rowText(g.GoalName), index});
        row->setData(0, Qt::UserRole, QString(u'_' + index));
        // Achieved goals can be checked too, so that they can be deleted.
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, Qt::Unchecked);
        rows.append(row);
    }
    list->insertTopLevelItems(0, rows);
    m_selectingByProgram = false;
    list->setUpdatesEnabled(true);

    const bool listed = !rows.isEmpty();
    ui.cmdSaveGoals->setEnabled(listed);
    ui.mydtpStartingDate->Enabled(listed);
    ui.mydtpEndingDate->Enabled(listed);
    if (listed)
        ListView1_ItemClick(rows.first());
    UpdateGoalTimer();
}

void GoalsScreen::optGoals_Click(int Index)
{
    const bool hadFocus = ui.optGoals[Index]->hasFocus();
    ui.optGoalsToggle->setCurrentWidget(ui.optGoals[1 - Index]);
    if (hadFocus)
        ui.optGoals[1 - Index]->setFocus();
    ui.txtGoalDesc->clear();
    ui.txtGoalName->clear();
    DisplayGoals(Index != 0);
}

void GoalsScreen::ListView1_ItemClick(QTreeWidgetItem* Item)
{
    const int index = goalIndexFromKey(Item);
    if (index < 0 || index >= Goals.size())
        return;
    const Goal g = Goals[index]; // a copy: the pickers' Change handlers run in between
    m_editorGoal = index;
    ui.txtGoalName->setText(g.GoalName);
    const QString desc = QString(g.GoalDesc).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    fitWrapping(ui.txtGoalDesc, desc); // before the text, so it is laid out once, the fitting way
    ui.txtGoalDesc->setPlainText(desc);
    ui.mydtpStartingDate->setValue(g.StartingDate);
    ui.mydtpEndingDate->setValue(g.EndingDate);
    ui.Combo3->setCurrentIndex(g.AchievedPercentage);
    showDayCount();
    UpdateGoalTimer();
    ui.txtGoalName->setEnabled(true);
    ui.txtGoalDesc->setEnabled(true);
    ui.Combo3->setEnabled(true);
}

void GoalsScreen::cmdNewGoal_Click()
{
    m_newGoalMode = true;
    ClearGoalEditor();
    const QDate today = m_services.clock->today();
    ui.mydtpStartingDate->setValue(today);
    ui.mydtpEndingDate->setValue(today.addDays(7));
    showDayCount();
    ui.cmdSaveGoals->setEnabled(true);
    ui.mydtpStartingDate->Enabled(true);
    ui.mydtpEndingDate->Enabled(true);
    ui.txtGoalName->setEnabled(true);
    ui.txtGoalDesc->setEnabled(true);
    ui.Combo3->setEnabled(true);
    ui.txtGoalName->setFocus();
}

void GoalsScreen::cmdSaveGoals_Click()
{
    const QDate starting = ui.mydtpStartingDate->Value();
    const QDate ending = ui.mydtpEndingDate->Value();
    if (starting.daysTo(ending) <= 0)
        return stop(tr("Starting date can't be same or later than ending date."));
    const QString name = ui.txtGoalName->text();
    if (name.isEmpty())
        return stop(tr("Goal name can't be blank."));
    const QString desc = editorText(ui.txtGoalDesc);
    // The goals file has no way to hold a double quote inside a text.
    if (name.contains(u'"') || desc.contains(u'"'))
        return stop(tr("Goal name and description can't contain double quotes (\")."));

    int index = -1;
    if (!m_newGoalMode) {
        const QList<QTreeWidgetItem*> selected = ui.ListView1->selectedItems();
        index = selected.isEmpty() ? m_editorGoal : goalIndexFromKey(selected.first());
        if (index < 0 || index >= Goals.size())
            return stop(tr("Choose the goal to update in the list, or press \"Set New Goals\"."));
    }

    const QList<Goal> before = Goals;
    if (m_newGoalMode) {
        modGoals::AddGoal(name, starting, ending, desc);
    } else {
        Goal& g = Goals[index];
        g.GoalName = name;
        g.StartingDate = starting;
        g.EndingDate = ending;
        g.GoalDesc = desc;
        g.AchievedPercentage = qint16(ui.Combo3->currentIndex());
    }
    if (!writeGoals()) {
        // The list keeps showing what the file holds; the editor keeps the user's text.
        Goals = before;
        return;
    }
    readGoals();
    DisplayGoals(false);
    selectCurrentView();
    if (ui.ListView1->topLevelItemCount() >= 1)
        highlightFirstRow();
    m_newGoalMode = false;
}

void GoalsScreen::cmdDeleteGoals_Click()
{
    const QSet<int> checked = checkedGoals(false);
    if (!checked.isEmpty()) {
        if (!writeGoals(checked))
            return;
        ClearGoalEditor();
    }
    readGoals();
    DisplayGoals(false);
    setToggleFor(false);
    if (ui.ListView1->topLevelItemCount() == 0) {
        ui.txtGoalDesc->setEnabled(false);
        ui.txtGoalName->setEnabled(false);
        ui.Combo3->setEnabled(false);
        ClearGoalEditor();
    }
}

void GoalsScreen::cmdMarkAchived_Click()
{
    const QSet<int> checked = checkedGoals(true);
    if (!checked.isEmpty()) {
        const QList<Goal> before = Goals;
        for (int index : checked)
            Goals[index].Achieved = true;
        if (!writeGoals()) {
            Goals = before;
            return;
        }
    }
    DisplayGoals(false);
    setToggleFor(false);
}

void GoalsScreen::mydtpStartingDate_Change()
{
    showDayCount();
}

void GoalsScreen::mydtpEndingDate_Change()
{
    showDayCount();
}

void GoalsScreen::ClearGoalEditor()
{
    m_editorGoal = -1;
    ui.txtGoalName->clear();
    ui.txtGoalDesc->clear();
    fitWrapping(ui.txtGoalDesc, {});
    ui.lblDayCount->clear();
    ui.lblDaysRemaining->clear();
    ui.lblInfo->clear();
    ui.Combo3->setCurrentIndex(0);
}

void GoalsScreen::UpdateGoalTimer()
{
    const GoalTimer::Result r = GoalTimer::Compute(ui.mydtpStartingDate->Value(), ui.mydtpEndingDate->Value(),
                                                   m_services.clock->today(), ui.Combo3->isEnabledTo(this),
                                                   ui.Combo3->currentIndex());
    ui.lblDaysRemaining->setText(r.daysRemaining);
    ui.lblInfo->setText(r.info);
}

void GoalsScreen::selectCurrentView()
{
    if (ui.optGoals[0]->isChecked())
        optGoals_Click(0);
    else
        ui.optGoals[0]->setChecked(true); // runs optGoals_Click(0)
}

void GoalsScreen::setToggleFor(bool achievedShown)
{
    const int shown = achievedShown ? 1 : 0;
    const QSignalBlocker quiet(ui.optGoals[shown]);
    ui.optGoals[shown]->setChecked(true);
    ui.optGoalsToggle->setCurrentWidget(ui.optGoals[1 - shown]);
}

void GoalsScreen::highlightFirstRow()
{
    m_selectingByProgram = true;
    ui.ListView1->setCurrentItem(ui.ListView1->topLevelItem(0));
    m_selectingByProgram = false;
}

void GoalsScreen::showDayCount()
{
    ui.lblDayCount->setText(QString::number(ui.mydtpStartingDate->Value().daysTo(ui.mydtpEndingDate->Value())));
}

QSet<int> GoalsScreen::checkedGoals(bool fromKeys) const
{
    QSet<int> indices;
    for (int r = 0; r < ui.ListView1->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = ui.ListView1->topLevelItem(r);
        if (row->checkState(0) != Qt::Checked)
            continue;
        const int index = fromKeys ? goalIndexFromKey(row) : row->text(1).toInt();
        if (index >= 0 && index < Goals.size())
            indices.insert(index);
    }
    return indices;
}

void GoalsScreen::readGoals()
{
    using Status = modGoals::ReadResult::Status;
    const QString path = modGoals::goalsReadPath(*m_services.paths);
    const modGoals::ReadResult r = modGoals::ReadGoals(path);
    // A file that could not be read whole may only be replaced once a copy of it exists,
    // and only when the next write would go to that same file.
    const bool sameFile = QFileInfo(path) == QFileInfo(modGoals::goalsFilePath(*m_services.paths));
    m_writeRefusal.clear();
    if (r.status == Status::Malformed) {
        QString text = tr("Part of the goals file \"%1\" could not be read: from line %2 on, %3.\n\n")
                           .arg(nativePath(path), QString::number(r.faultLine), r.fault);
        text += Goals.isEmpty() ? tr("No goal could be read before that line.")
                                : tr("The %n goal(s) before that line are shown.", nullptr, int(Goals.size()));
        if (!r.backupPath.isEmpty()) {
            text += tr("\n\nThe original file was kept as \"%1\".").arg(nativePath(r.backupPath));
        } else {
            text += tr("\n\nNo copy of the original file could be kept (%1).").arg(r.backupError);
            if (sameFile) {
                text += tr(" So that nothing is lost, your goals will not be saved over it.");
                m_writeRefusal = tr("the goals file could not be read whole and no copy of it could be kept");
            }
        }
        m_services.dialogs->message(this, text, kTitle, Dialogs::Icon::Exclamation);
    } else if (r.status == Status::ReadError) {
        QString text = tr("The goals file \"%1\" could not be read: %2.").arg(nativePath(path), r.error);
        if (sameFile) {
            text += tr("\n\nSo that nothing is lost, your goals will not be saved over it.");
            m_writeRefusal = tr("the goals file could not be read");
        }
        m_services.dialogs->message(this, text, kTitle, Dialogs::Icon::Critical);
    }
}

bool GoalsScreen::writeGoals(const QSet<int>& except)
{
    const QString path = modGoals::goalsFilePath(*m_services.paths);
    modGoals::WriteResult r;
    if (!m_writeRefusal.isEmpty()) {
        r.ok = false;
        r.error = m_writeRefusal;
    } else {
        r = except.isEmpty() ? modGoals::WriteGoals(path) : modGoals::WriteGoalsExcept(except, path);
    }
    if (!r.ok) {
        m_services.dialogs->message(
            this,
            tr("Your goals could not be saved to \"%1\": %2.\n\nThe goals file was not changed.")
                .arg(nativePath(path), r.error),
            kTitle, Dialogs::Icon::Critical);
    }
    return r.ok;
}

void GoalsScreen::stop(const QString& text)
{
    m_services.dialogs->message(this, text, kTitle, Dialogs::Icon::Critical);
}

void GoalsScreen::setMeasured(const progress::MemoryModel& model)
{
    ui.lblMeasured->setText(
        tr("Cards known today: %1 of %2").arg(model.totals().known).arg(progress::MemoryModel::kCards));
}
