#include "progress/CardHistoryView.h"

#include "cardstore/PictureBox.h"
#include "controls/WrapLabel.h"
#include "progress/CardThumbnails.h"
#include "progress/MemoryModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
QLabel* label(const char* name, QWidget* parent) { return WrapLabel::plain(name, QString(), parent); }
} // namespace

CardHistoryView::CardHistoryView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CardHistoryView"));
    m_picture = new PictureBox(this);
    m_picture->setObjectName(QStringLiteral("picHistoryCard"));
    m_picture->setFixedSize(110, 180);
    m_name = label("lblHistoryCard", this);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_recall = label("lblRecallChance", this);
    m_nextReview = label("lblNextReview", this);
    m_answers = new QTableWidget(0, 4, this);
    m_answers->setObjectName(QStringLiteral("tblCardAnswers"));
    m_answers->setHorizontalHeaderLabels({tr("Date"), tr("Test"), tr("Orientation"), tr("Result")});
    m_answers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_answers->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_answers->verticalHeader()->hide();
    // The result takes the room left and wraps, so no answer needs a sideways scroll.
    m_answers->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_answers->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_answers->setWordWrap(true);
    m_answers->setAccessibleName(tr("Answers about this card"));
    m_mistakenCaption = label("lblMistakenFor", this);
    m_mistakenCaption->setText(tr("Taken for:"));
    m_mistakenFor = new QListWidget(this);
    m_mistakenFor->setObjectName(QStringLiteral("lstMistakenFor"));
    m_mistakenFor->setAccessibleName(tr("Cards this card was taken for"));
    m_mistakenFor->setMaximumHeight(90);
    m_mistakenCaption->setBuddy(m_mistakenFor);

    auto* facts = new QVBoxLayout;
    facts->addWidget(m_name);
    facts->addWidget(m_recall);
    facts->addWidget(m_nextReview);
    facts->addWidget(m_mistakenCaption);
    facts->addWidget(m_mistakenFor);
    facts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(facts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_answers, 1);
    showCard(0, progress::MemoryModel(), CardThumbnails());
}

void CardHistoryView::showCard(int cardId, const progress::MemoryModel& model, const CardThumbnails& cards)
{
    m_cardId = cardId;
    m_answers->setRowCount(0);
    m_mistakenFor->clear();
    if (cardId == 0) {
        m_picture->clear();
        m_name->setText(tr("Choose a card to see its history."));
        m_recall->clear();
        m_nextReview->clear();
        m_mistakenCaption->hide();
        m_mistakenFor->hide();
        return;
    }
    const CardThumbnails::Card* card = cards.card(cardId);
    m_picture->setPicture(card ? CardThumbnails::decode(card->picture, m_picture->size() * devicePixelRatioF())
                               : QImage());
    m_picture->setCardName(cards.name(cardId));
    m_name->setText(cards.name(cardId));

    const progress::CardMemory& memory = model.card(cardId);
    const QLocale locale;
    if (memory.answers == 0) {
        m_recall->setText(tr("Not asked yet."));
        m_nextReview->clear();
    } else {
        m_recall->setText(tr("Recall chance today: %1 %").arg(int(std::lround(memory.recallToday * 100))));
        m_nextReview->setText(tr("Next review: %1").arg(locale.toString(memory.nextReview, QLocale::LongFormat)));
    }

    const QVector<progress::AnswerRecord> history = model.history(cardId);
    m_answers->setRowCount(int(history.size()));
    for (int row = 0; row < history.size(); ++row) {
        const progress::AnswerRecord& a = history[row];
        const bool description = a.testType == progress::TestType::Description;
        QString result;
        if (description)
            result = a.score >= a.maxScore && a.maxScore > 0
                         ? tr("Right")
                         : (a.mistakenFor ? tr("Wrong: took it for %1").arg(cards.name(a.mistakenFor)) : tr("Wrong"));
        else
            result = tr("%1 of %2 keywords").arg(a.score).arg(a.maxScore);
        const QDateTime at = a.answeredAt.toLocalTime();
        const QString cells[] = {locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                                     + locale.toString(at.time(), QLocale::ShortFormat),
                                 description ? tr("Description") : tr("Keywords"),
                                 a.reversed ? tr("Reversed") : tr("Upright"), result};
        for (int col = 0; col < 4; ++col)
            m_answers->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
    m_answers->resizeRowsToContents();
    // The latest answer in sight.
    if (!history.isEmpty())
        m_answers->scrollToBottom();

    const auto mistaken = model.mistakenFor(cardId);
    for (const auto& [other, times] : mistaken)
        m_mistakenFor->addItem(times == 1 ? tr("%1 — once").arg(cards.name(other))
                                          : tr("%1 — %2 times").arg(cards.name(other)).arg(times));
    m_mistakenCaption->setVisible(!mistaken.isEmpty());
    m_mistakenFor->setVisible(!mistaken.isEmpty());
}
