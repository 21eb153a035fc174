#include "testing/KeywordQuestion.h"

#include "cardstore/modDB.h"
#include "testing/TestDraws.h"
#include "testing/TestFields.h"

#include <QSet>

#include <algorithm>

using modGlobals::IsInLongArray;
using modGlobals::IsInStringArray;

namespace {
constexpr int kBoxMax[] = {6, 11, 19};
constexpr int kRightMax[] = {2, 4, 6};

QString keywordAt(modDB::Recordset& rows, int k)
{
    rows.MoveFirst();
    rows.Move(k - 1);
    return rows.text(QStringLiteral("Keyword"));
}
} // namespace

KeywordQuestion::KeywordQuestion(TestFields& fields, Random& random)
    : m_fields(fields)
    , m_random(random)
{
}

Question KeywordQuestion::BuildKeywordQuestion(modDB::Recordset& deck,
                                               const std::shared_ptr<modDB::Connection>& connection, int level)
{
    TestFields& f = m_fields;
    Question q;
    q.type = TestType::Keywords;
    f.CurrentReversed = false;
    q.level = level = std::clamp(level, 0, 2);
    q.boxMax = f.KeywordBoxMax = kBoxMax[level];
    f.RightKeywordMax = kRightMax[level];
    f.KeywordsToChoose = f.RightKeywordMax + 1;

    deck.MoveFirst();
    deck.setFilter(QStringLiteral("ID=%1").arg(f.CurrentCardID));
    q.cardName = deck.text(QStringLiteral("Name"));
    const qint64 cardId = deck.integer(QStringLiteral("ID"));
    q.cardId = int(cardId);

    ShuffleKeywordSlots();

    // The card's own keywords, each text once. An unassigned entry is the empty text, so an
    // empty keyword is never taken.
    modDB::Recordset own(connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=%1").arg(cardId));
    const int K = own.RecordCount();
    modGlobals::StringArray RightKeywords(std::vector<QString>(std::size_t(f.RightKeywordMax + 1)));
    int drawn = 0;
    for (int j = 0; j <= f.RightKeywordMax; ++j) {
        const int k = TestDraws::drawFresh(m_random, K, [&](int candidate) { return !IsInStringArray(keywordAt(own, candidate), RightKeywords); });
        if (k == 0)
            break; // the card has no further distinct keyword
        (*RightKeywords)[std::size_t(j)] = keywordAt(own, k);
        ++drawn;
    }
    // A card with fewer distinct keywords than the level asks for is asked for the ones it has.
    if (drawn < f.KeywordsToChoose) {
        f.KeywordsToChoose = drawn;
        f.KeywordSlots->resize(std::size_t(drawn));
    }
    // No distractor may be a keyword of the asked card, drawn for this question or not: a
    // tick on it would be right and still count as wrong.
    QSet<QString> ownKeywords;
    for (own.MoveFirst(); !own.AtEOF(); own.MoveNext())
        ownKeywords.insert(own.text(QStringLiteral("Keyword")));

    modDB::Recordset others(connection,
                            QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=%1").arg(cardId));
    const int M = others.RecordCount();
    modGlobals::StringArray PlacedKeywords(std::vector<QString>(20));
    // Boxes that take a right keyword need no distractor; a scarce supply goes further.
    // A box left without a keyword (too few distinct keywords in the card table) is no choice.
    for (int i = 0; i <= f.KeywordBoxMax; ++i) {
        if (IsInLongArray(i, f.KeywordSlots))
            continue;
        const int m = TestDraws::drawFresh(m_random, M, [&](int candidate) {
            const QString keyword = keywordAt(others, candidate);
            return !keyword.isEmpty() && !IsInStringArray(keyword, PlacedKeywords)
                && !IsInStringArray(keyword, RightKeywords) && !ownKeywords.contains(keyword);
        });
        if (m == 0)
            continue;
        (*PlacedKeywords)[std::size_t(i)] = keywordAt(others, m);
        q.boxes[std::size_t(i)] = {(*PlacedKeywords)[std::size_t(i)], int(others.integer(QStringLiteral("CardID")))};
    }

    q.toChoose = f.KeywordsToChoose;
    for (int j = 0; j < f.KeywordsToChoose; ++j) {
        const int box = (*f.KeywordSlots)[std::size_t(j)];
        q.boxes[std::size_t(box)] = {(*RightKeywords)[std::size_t(j)], q.cardId};
        q.rightBoxes << box;
    }
    deck.setFilter(QString());
    return q;
}

void KeywordQuestion::ShuffleKeywordSlots()
{
    TestFields& f = m_fields;
    f.KeywordSlots = std::vector<qint32>(std::size_t(f.RightKeywordMax + 1), -1);
    for (int j = 0; j <= f.RightKeywordMax; ++j) {
        const int slot = TestDraws::drawFresh(m_random, f.KeywordBoxMax + 1,
                                              [&](int k) { return !IsInLongArray(k - 1, f.KeywordSlots); });
        (*f.KeywordSlots)[std::size_t(j)] = slot - 1;
    }
}
