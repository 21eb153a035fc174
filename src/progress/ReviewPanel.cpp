#include "progress/ReviewPanel.h"

#include "controls/WrapLabel.h"
#include "progress/MemoryModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace progress {

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QList<int> listOf(const QVector<int>& ids)
{
    return QList<int>(ids.begin(), ids.end());
}

// The pair a row stands for, kept with the row so a refresh can find it again.
constexpr int kFirstRole = Qt::UserRole;
constexpr int kSecondRole = Qt::UserRole + 1;
} // namespace

ReviewPanel::ReviewPanel(CardNames names, QWidget* parent)
    : QWidget(parent)
    , m_names(std::move(names))
{
    setObjectName(QStringLiteral("ReviewPanel"));
    m_reviewDue = button(this, "cmdReviewDue", QString());
    m_nextDue = WrapLabel::plain("lblNextDue", QString(), this);
    m_practiseWeak = button(this, "cmdPractiseWeak", tr("Practise Weakest Cards"));
    m_confusions = new QListWidget(this);
    m_confusions->setObjectName(QStringLiteral("lstConfusions"));
    m_confusions->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* confusionsCaption = new QLabel(tr("Cards you mix up:"), this);
    confusionsCaption->setObjectName(QStringLiteral("lblConfusionsCaption"));
    confusionsCaption->setBuddy(m_confusions);
    m_practisePair = button(this, "cmdPractisePair", tr("Practise This Pair"));

    auto* due = new QHBoxLayout;
    due->addWidget(m_reviewDue);
    due->addWidget(m_nextDue, 1);
    auto* weak = new QHBoxLayout;
    weak->addWidget(m_practiseWeak);
    weak->addStretch(1);
    auto* pair = new QHBoxLayout;
    pair->addWidget(m_practisePair);
    pair->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(due);
    layout->addLayout(weak);
    layout->addWidget(confusionsCaption);
    layout->addWidget(m_confusions, 1);
    layout->addLayout(pair);

    connect(m_reviewDue, &QPushButton::clicked, this, [this] { Q_EMIT drillRequested(listOf(m_selection.due)); });
    connect(m_practiseWeak, &QPushButton::clicked, this,
            [this] { Q_EMIT drillRequested(listOf(m_selection.weakest)); });
    connect(m_practisePair, &QPushButton::clicked, this, [this] {
        const QListWidgetItem* row = m_confusions->currentItem();
        if (row && row->isSelected())
            Q_EMIT drillRequested({row->data(kFirstRole).toInt(), row->data(kSecondRole).toInt()});
    });
    connect(m_confusions, &QListWidget::itemSelectionChanged, this,
            [this] { m_practisePair->setEnabled(!m_confusions->selectedItems().isEmpty()); });

    setModel(MemoryModel());
}

void ReviewPanel::setModel(const MemoryModel& model)
{
    m_selection = ReviewSelection::of(model, m_names);
    const int due = int(m_selection.due.size());
    m_reviewDue->setText(due ? tr("Review Due Cards (%1)").arg(due) : tr("Nothing Due Today"));
    m_reviewDue->setEnabled(due > 0);
    m_practiseWeak->setEnabled(!m_selection.weakest.isEmpty());
    showNextDue(model.today());
    showPairs();
}

void ReviewPanel::showNextDue(const QDate& today)
{
    const QDate next = m_selection.nextDue;
    if (!next.isValid())
        m_nextDue->setText(tr("Cards fall due for review once you have been tested on them."));
    else if (next <= today)
        m_nextDue->setText(tr("Cards are due for review today."));
    else if (today.daysTo(next) == 1)
        m_nextDue->setText(tr("The next card falls due tomorrow."));
    else
        m_nextDue->setText(tr("The next card falls due on %1, in %2 days.")
                               .arg(QLocale().toString(next, QLocale::LongFormat))
                               .arg(today.daysTo(next)));
}

void ReviewPanel::showPairs()
{
    // The pair selected before stays selected when it is still listed.
    int selectedFirst = 0, selectedSecond = 0;
    if (const QList<QListWidgetItem*> sel = m_confusions->selectedItems(); !sel.isEmpty()) {
        selectedFirst = sel.front()->data(kFirstRole).toInt();
        selectedSecond = sel.front()->data(kSecondRole).toInt();
    }
    m_confusions->clear();
    for (const ConfusedPair& p : m_selection.pairs) {
        const QString names = m_names ? tr("%1 ↔ %2").arg(m_names(p.first), m_names(p.second))
                                      : tr("%1 ↔ %2").arg(p.first).arg(p.second);
        const QString text = p.times == 1 ? tr("%1 — once").arg(names) : tr("%1 — %2 times").arg(names).arg(p.times);
        auto* row = new QListWidgetItem(text, m_confusions);
        row->setData(kFirstRole, p.first);
        row->setData(kSecondRole, p.second);
        if (p.first == selectedFirst && p.second == selectedSecond)
            m_confusions->setCurrentItem(row);
    }
    m_practisePair->setEnabled(!m_confusions->selectedItems().isEmpty());
}

} // namespace progress
