#include "testing/DescriptionQuestion.h"

#include "cardstore/modDB.h"
#include "platform/Random.h"
#include "testing/TestDraws.h"
#include "testing/TestFields.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>

using modGlobals::IsInLongArray;

namespace {
const QString kRight = QStringLiteral("True");
constexpr int kLow[] = {2, 1, 0};
constexpr int kHigh[] = {4, 5, 6};
}

DescriptionQuestion::DescriptionQuestion(TestFields& fields, TestScreen& screen, Random& random,
                                         std::function<void()> letEventsRun)
    : m_fields(fields)
    , m_screen(screen)
    , m_random(random)
    , m_letEventsRun(std::move(letEventsRun))
{
}

void DescriptionQuestion::BuildDescriptionQuestion(modDB::Recordset& deck,
                                                   const std::shared_ptr<modDB::Connection>& connection, int level,
                                                   bool reversedTicked)
{
    TestFields& f = m_fields;
    const QString idFilter = QStringLiteral("ID=%1").arg(f.CurrentCardID);
    deck.MoveFirst();
    deck.setFilter(idFilter);
    m_screen.lblCardName->setText(deck.text(QStringLiteral("Name")));

    f.CurrentReversed = reversedTicked && TestDraws::reversedFromRnd(m_random.Rnd());
    m_screen.lblIsReversed->setText(f.CurrentReversed ? QStringLiteral("Reversed") : QString());

    level = std::clamp(level, 0, 2);
    f.AnswerLow = kLow[level];
    f.AnswerHigh = kHigh[level];
    const int right = f.AnswerLow + TestDraws::index(m_random, f.AnswerHigh - f.AnswerLow + 1);

    m_screen.deselectAnswers();
    for (int i = 0; i < 7; ++i) {
        const bool inUse = i >= f.AnswerLow && i <= f.AnswerHigh;
        m_screen.optAnswer[i]->setEnabled(inUse);
        m_screen.optAnswer[i]->setVisible(inUse);
        m_screen.Shape1[i]->setVisible(inUse);
        m_screen.optAnswer[i]->setTag(inUse && i == right ? kRight : QString());
    }

    // Every option shows the question's orientation.
    const QString field = f.CurrentReversed ? QStringLiteral("ReversedMeaning") : QStringLiteral("NormalMeaning");
    std::array<QString, 7> captions;
    captions[right] = deck.text(field);
    QStringList shown{captions[right]};

    // The wrong options: meanings of other cards of the deck, each position once. A wrong
    // option never repeats a meaning already shown, the right one included, so exactly one
    // option is right. When the deck has too few other meanings, the rest come from the
    // other cards of the card table; only when those run out too does the question offer
    // fewer options.
    modGlobals::LongArray OptionRecords(std::vector<qint32>(std::size_t(f.AnswerHigh - f.AnswerLow + 1), -1));
    for (int i = f.AnswerLow; i <= f.AnswerHigh; ++i) {
        if (i == right)
            continue;
        deck.setFilter(QString());
        const int n = deck.RecordCount();
        auto meaningAt = [&](int k) {
            deck.MoveFirst();
            deck.Move(k - 1);
            return deck.text(field);
        };
        const int k = TestDraws::drawFresh(
            m_random, n,
            [&](int k) {
                if (IsInLongArray(k, OptionRecords))
                    return false;
                const QString meaning = meaningAt(k);
                return deck.integer(QStringLiteral("ID")) != f.CurrentCardID && !meaning.isEmpty()
                    && !shown.contains(meaning);
            },
            m_letEventsRun);
        if (k > 0) {
            (*OptionRecords)[std::size_t(i - f.AnswerLow)] = k;
            captions[i] = meaningAt(k);
        } else {
            captions[i] = meaningFromCardTable(connection, field, shown);
        }
        if (!captions[i].isEmpty())
            shown << captions[i];
    }

    for (int i = f.AnswerLow; i <= f.AnswerHigh; ++i) {
        m_screen.optAnswer[i]->setText(captions[i]);
        if (captions[i].isEmpty() && i != right) {
            m_screen.optAnswer[i]->setEnabled(false);
            m_screen.optAnswer[i]->setVisible(false);
            m_screen.Shape1[i]->setVisible(false);
        }
    }

    deck.MoveFirst();
    deck.setFilter(idFilter);
    m_screen.ShowQuestionPicture(deck, f.CurrentReversed);
    deck.setFilter(QString());
}

QString DescriptionQuestion::meaningFromCardTable(const std::shared_ptr<modDB::Connection>& connection,
                                                  const QString& field, const QStringList& shown)
{
    // Only the columns needed: the whole table with its pictures takes far longer to read.
    modDB::Recordset cards(connection, QStringLiteral("SELECT ID, NormalMeaning, ReversedMeaning FROM tblCards"));
    QStringList fresh;
    for (cards.MoveFirst(); !cards.AtEOF(); cards.MoveNext()) {
        if (cards.integer(QStringLiteral("ID")) == m_fields.CurrentCardID)
            continue;
        const QString meaning = cards.text(field);
        if (!meaning.isEmpty() && !shown.contains(meaning) && !fresh.contains(meaning))
            fresh << meaning;
    }
    if (fresh.isEmpty())
        return QString();
    return fresh[TestDraws::index(m_random, int(fresh.size()))];
}

void DescriptionQuestion::optAnswer_Click(int Index)
{
    Q_UNUSED(Index);
    m_screen.cmdNextQuestion->setEnabled(true);
    m_screen.cmdNextQuestion->setFocus();
}

int DescriptionQuestion::judge() const
{
    for (WrappingRadioButton* option : m_screen.optAnswer)
        if (option->isChecked() && option->Tag() == kRight)
            return 1;
    return 0;
}
