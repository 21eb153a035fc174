#include "testing/DescriptionQuestion.h"

#include "cardstore/modDB.h"
#include "platform/Random.h"
#include "testing/TestDraws.h"
#include "testing/TestFields.h"

#include <algorithm>

using modGlobals::IsInLongArray;

namespace {
constexpr int kLow[] = {2, 1, 0};
constexpr int kHigh[] = {4, 5, 6};
}

DescriptionQuestion::DescriptionQuestion(TestFields& fields, Random& random, std::function<void()> letEventsRun)
    : m_fields(fields)
    , m_random(random)
    , m_letEventsRun(std::move(letEventsRun))
{
}

Question DescriptionQuestion::BuildDescriptionQuestion(modDB::Recordset& deck,
                                                       const std::shared_ptr<modDB::Connection>& connection,
                                                       int level, bool reversedTicked)
{
    TestFields& f = m_fields;
    Question q;
    q.type = TestType::Description;
    q.cardId = f.CurrentCardID;
    const QString idFilter = QStringLiteral("ID=%1").arg(f.CurrentCardID);
    deck.MoveFirst();
    deck.setFilter(idFilter);
    q.cardName = deck.text(QStringLiteral("Name"));

    f.CurrentReversed = reversedTicked && TestDraws::reversedFromRnd(m_random.Rnd());
    q.reversed = f.CurrentReversed;

    q.level = level = std::clamp(level, 0, 2);
    q.low = f.AnswerLow = kLow[level];
    q.high = f.AnswerHigh = kHigh[level];
    const int right = q.rightOption = f.AnswerLow + TestDraws::index(m_random, f.AnswerHigh - f.AnswerLow + 1);

    // Every option shows the question's orientation.
    const QString field = f.CurrentReversed ? QStringLiteral("ReversedMeaning") : QStringLiteral("NormalMeaning");
    q.options[right] = {deck.text(field), f.CurrentCardID};
    QStringList shown{q.options[right].text};

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
            [&](int candidate) {
                if (IsInLongArray(candidate, OptionRecords))
                    return false;
                const QString meaning = meaningAt(candidate);
                return deck.integer(QStringLiteral("ID")) != f.CurrentCardID && !meaning.isEmpty()
                    && !shown.contains(meaning);
            },
            m_letEventsRun);
        if (k > 0) {
            (*OptionRecords)[std::size_t(i - f.AnswerLow)] = k;
            q.options[i].text = meaningAt(k);
            q.options[i].cardId = int(deck.integer(QStringLiteral("ID")));
        } else {
            q.options[i] = meaningFromCardTable(connection, field, shown);
        }
        if (!q.options[i].text.isEmpty())
            shown << q.options[i].text;
    }
    deck.setFilter(QString());
    return q;
}

Question::Choice DescriptionQuestion::meaningFromCardTable(const std::shared_ptr<modDB::Connection>& connection,
                                                           const QString& field, const QStringList& shown)
{
    // Only the columns needed: the whole table with its pictures takes far longer to read.
    modDB::Recordset cards(connection, QStringLiteral("SELECT ID, NormalMeaning, ReversedMeaning FROM tblCards"));
    QList<Question::Choice> fresh;
    QStringList freshTexts;
    for (cards.MoveFirst(); !cards.AtEOF(); cards.MoveNext()) {
        const int id = int(cards.integer(QStringLiteral("ID")));
        if (id == m_fields.CurrentCardID)
            continue;
        const QString meaning = cards.text(field);
        if (!meaning.isEmpty() && !shown.contains(meaning) && !freshTexts.contains(meaning)) {
            freshTexts << meaning;
            fresh << Question::Choice{meaning, id};
        }
    }
    if (fresh.isEmpty())
        return {};
    return fresh[TestDraws::index(m_random, int(fresh.size()))];
}
