#pragma once
// The Progress window's review controls: the cards due today, the weakest cards and the pairs
// the learner mixes up, each a way into a test on just those cards.

#include "progress/AnswerCsv.h"
#include "progress/ReviewSelection.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace progress {

class MemoryModel;

class ReviewPanel : public QWidget {
    Q_OBJECT

public:
    // names: the card table's name of an ID, empty for an ID the table does not have.
    explicit ReviewPanel(CardNames names, QWidget* parent = nullptr);

    // Shows the lists of this model; a test already started on an older list keeps its cards.
    void setModel(const MemoryModel& model);

Q_SIGNALS:
    // A test on exactly these cards was asked for.
    void drillRequested(const QList<int>& cardIds);

private:
    void showNextDue(const QDate& today);
    void showPairs();

    CardNames m_names;
    ReviewSelection m_selection;
    QPushButton* m_reviewDue;
    QLabel* m_nextDue;
    QPushButton* m_practiseWeak;
    QListWidget* m_confusions;
    QPushButton* m_practisePair;
};

} // namespace progress
