#include "testing/KeywordQuestion.h"

#include "cardstore/modDB.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "testing/TestDraws.h"
#include "testing/TestFields.h"
#include "testing/TestScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
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

QString mustChoose(int count)
{
    return QStringLiteral("You must choose %1 keywords").arg(count);
}
} // namespace

KeywordQuestion::KeywordQuestion(TestFields& fields, TestScreen& screen, Random& random, Dialogs& dialogs)
    : m_fields(fields)
    , m_screen(screen)
    , m_random(random)
    , m_dialogs(dialogs)
{
}

void KeywordQuestion::BuildKeywordQuestion(modDB::Recordset& deck,
                                           const std::shared_ptr<modDB::Connection>& connection, int level)
{
    TestFields& f = m_fields;
    f.CurrentReversed = false;
    level = std::clamp(level, 0, 2);
    f.KeywordBoxMax = kBoxMax[level];
    f.RightKeywordMax = kRightMax[level];
    f.KeywordsToChoose = f.RightKeywordMax + 1;
    m_screen.lblMaxKeyword->setText(mustChoose(f.KeywordsToChoose));

    for (int i = 0; i < 20; ++i) {
        const bool inUse = i <= f.KeywordBoxMax;
        m_screen.chkKeywords[i]->setChecked(false);
        m_screen.chkKeywords[i]->setEnabled(inUse);
        m_screen.chkKeywords[i]->setVisible(inUse);
    }

    const QString idFilter = QStringLiteral("ID=%1").arg(f.CurrentCardID);
    deck.MoveFirst();
    deck.setFilter(idFilter);
    m_screen.lblCardName->setText(deck.text(QStringLiteral("Name")));
    m_screen.ShowQuestionPicture(deck, false);
    const qint64 cardId = deck.integer(QStringLiteral("ID"));

    ShuffleKeywordSlots();

    // The card's own keywords, each text once. An unassigned entry is the empty text, so an
    // empty keyword is never taken.
    modDB::Recordset own(connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=%1").arg(cardId));
    const int K = own.RecordCount();
    modGlobals::StringArray RightKeywords(std::vector<QString>(std::size_t(f.RightKeywordMax + 1)));
    int drawn = 0;
    for (int j = 0; j <= f.RightKeywordMax; ++j) {
        const int k = TestDraws::drawFresh(m_random, K, [&](int k) { return !IsInStringArray(keywordAt(own, k), RightKeywords); });
        if (k == 0)
            break; // the card has no further distinct keyword
        (*RightKeywords)[std::size_t(j)] = keywordAt(own, k);
        ++drawn;
    }
    // A card with fewer distinct keywords than the level asks for is asked for the ones it has.
    if (drawn < f.KeywordsToChoose) {
        f.KeywordsToChoose = drawn;
        f.KeywordSlots->resize(std::size_t(drawn));
        m_screen.lblMaxKeyword->setText(mustChoose(drawn));
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
    for (int i = 0; i <= f.KeywordBoxMax; ++i) {
        if (IsInLongArray(i, f.KeywordSlots))
            continue;
        const int m = TestDraws::drawFresh(m_random, M, [&](int m) {
            const QString keyword = keywordAt(others, m);
            return !keyword.isEmpty() && !IsInStringArray(keyword, PlacedKeywords)
                && !IsInStringArray(keyword, RightKeywords) && !ownKeywords.contains(keyword);
        });
        if (m == 0)
            continue; // too few distinct keywords in the card table: the box stays empty
        (*PlacedKeywords)[std::size_t(i)] = keywordAt(others, m);
        m_screen.chkKeywords[i]->setText((*PlacedKeywords)[std::size_t(i)]);
    }

    for (int j = 0; j < f.KeywordsToChoose; ++j)
        m_screen.chkKeywords[(*f.KeywordSlots)[std::size_t(j)]]->setText((*RightKeywords)[std::size_t(j)]);
    // A box without a keyword is no choice: it is taken out of the question.
    for (int i = 0; i <= f.KeywordBoxMax; ++i) {
        if (m_screen.chkKeywords[i]->text().isEmpty()) {
            m_screen.chkKeywords[i]->setEnabled(false);
            m_screen.chkKeywords[i]->setVisible(false);
        }
    }
    deck.setFilter(QString());
    // Nothing to tick (a card without keywords): the answer already stands.
    if (f.KeywordsToChoose == 0)
        m_screen.cmdNextQuestion->setEnabled(true);
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
    for (int i = 0; i <= f.KeywordBoxMax; ++i)
        m_screen.chkKeywords[i]->setText(QString());
}

int KeywordQuestion::tickedCount() const
{
    int count = 0;
    for (int i = 0; i <= m_fields.KeywordBoxMax; ++i)
        if (m_screen.chkKeywords[i]->isChecked())
            ++count;
    return count;
}

void KeywordQuestion::chkKeywords_Click(int Index)
{
    const int count = tickedCount();
    const int toChoose = m_fields.KeywordsToChoose;
    if (count == toChoose) {
        m_screen.cmdNextQuestion->setEnabled(true);
        m_screen.cmdNextQuestion->setFocus();
    } else if (count > toChoose) {
        m_screen.chkKeywords[Index]->setChecked(false); // runs this rule again
        m_dialogs.message(&m_screen,
                          QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before selecting "
                                         "another keyword")
                              .arg(toChoose),
                          AppTitle(), Dialogs::Icon::Exclamation);
    } else {
        m_screen.cmdNextQuestion->setEnabled(false);
    }
}

int KeywordQuestion::judge() const
{
    int score = 0;
    if (!m_fields.KeywordSlots)
        return 0;
    for (qint32 slot : *m_fields.KeywordSlots)
        if (slot >= 0 && slot < 20 && m_screen.chkKeywords[slot]->isChecked())
            ++score;
    return score;
}
