#include "cardstore/ContentRules.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <utility>

namespace ContentRules {

namespace {

using CardContentIO::cardLabel;

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.toLower().split(separators, Qt::SkipEmptyParts);
}

bool isDigits(const QString& word)
{
    for (const QChar c : word)
        if (!c.isDigit())
            return false;
    return !word.isEmpty();
}

// The word with its plural (or singular) forms.
QSet<QString> withPlurals(const QString& w)
{
    QSet<QString> forms{w, w + QLatin1Char('s')};
    if (w.endsWith(QLatin1Char('s')) || w.endsWith(QLatin1Char('x')) || w.endsWith(QLatin1String("ch"))
        || w.endsWith(QLatin1String("sh")))
        forms << w + QLatin1String("es");
    if (w.endsWith(QLatin1String("man")))
        forms << w.chopped(3) + QLatin1String("men");
    if (w.endsWith(QLatin1Char('s')) && !w.endsWith(QLatin1String("ss")))
        forms << w.chopped(1);
    return forms;
}

const QSet<QString>& suitObjects()
{
    static const QSet<QString> words = [] {
        QSet<QString> s{QStringLiteral("staves")};
        for (const char* w : {"cup", "wand", "staff", "stave", "rod", "pentacle", "coin", "disc", "disk", "sword",
                              "blade"})
            s.unite(withPlurals(QLatin1String(w)));
        return s;
    }();
    return words;
}

const char* const kCardinals[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
                                  "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
                                  "seventeen", "eighteen", "nineteen", "twenty"};
const char* const kOrdinals[] = {"zeroth", "first", "second", "third", "fourth", "fifth", "sixth",
                                 "seventh", "eighth", "ninth", "tenth"};

bool isNumberWord(const QString& word)
{
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char* w : kCardinals)
            s.unite(withPlurals(QLatin1String(w)));
        for (const char* w : kOrdinals)
            s << QLatin1String(w);
        for (const char* w : {"thirty", "forty", "fifty", "hundred", "thousand"})
            s << QLatin1String(w);
        return s;
    }();
    return isDigits(word) || words.contains(word);
}

// British and American forms of the words the deck must spell one way.
struct Spelling {
    int family;
    bool american;
};

const QHash<QString, Spelling>& spellings()
{
    static const QHash<QString, Spelling> table = [] {
        QHash<QString, Spelling> t;
        int family = 0;
        auto add = [&](std::initializer_list<const char*> british, std::initializer_list<const char*> american) {
            for (const char* w : british)
                t.insert(QLatin1String(w), {family, false});
            for (const char* w : american)
                t.insert(QLatin1String(w), {family, true});
            ++family;
        };
        auto endings = [](const QString& stem, std::initializer_list<const char*> tails) {
            QStringList out;
            for (const char* tail : tails)
                out << stem + QLatin1String(tail);
            return out;
        };
        auto addLists = [&](const QStringList& british, const QStringList& american) {
            for (const QString& w : british)
                t.insert(w, {family, false});
            for (const QString& w : american)
                t.insert(w, {family, true});
            ++family;
        };
        for (const char* stem : {"col", "hon", "fav", "behavi", "neighb", "lab", "harb", "arm", "vig", "val", "rum",
                                 "splend", "endeav", "hum", "sav", "ard", "cand", "od", "clam", "parl"}) {
            const QString s = QLatin1String(stem);
            const auto tails = {"", "s", "ed", "ing", "ful", "able", "ably", "ite", "ites", "hood", "ly", "less"};
            addLists(endings(s + QLatin1String("our"), tails), endings(s + QLatin1String("or"), tails));
        }
        for (const char* stem : {"cent", "theat", "fib", "somb", "lust", "meag", "sab", "spect", "calib", "lit"}) {
            const QString s = QLatin1String(stem);
            addLists(endings(s, {"re", "res", "red"}), endings(s, {"er", "ers", "ered"}));
        }
        for (const char* stem : {"real", "recogn", "organ", "apolog", "emphas", "priorit", "ideal", "sympath", "critic",
                                 "stabil", "harmon", "symbol", "energ", "fantas", "memor", "maxim", "minim", "util",
                                 "mobil", "agon", "jeopard", "visual", "special", "summar", "author", "civil",
                                 "modern", "personal", "normal", "mesmer", "patron", "scrutin", "tantal", "revital"}) {
            const QString s = QLatin1String(stem);
            addLists(endings(s, {"ise", "ised", "ises", "ising", "isation", "isations"}),
                     endings(s, {"ize", "ized", "izes", "izing", "ization", "izations"}));
        }
        for (const char* stem : {"anal", "paral", "catal"}) {
            const QString s = QLatin1String(stem);
            addLists(endings(s, {"yse", "ysed", "yses", "ysing"}), endings(s, {"yze", "yzed", "yzes", "yzing"}));
        }
        for (const char* stem : {"travel", "cancel", "model", "fuel", "level", "marvel", "quarrel", "signal",
                                 "spiral", "channel", "counsel", "label", "rival", "duel", "tunnel", "dial"}) {
            const QString s = QLatin1String(stem);
            addLists(endings(s + QLatin1Char('l'), {"er", "ers", "ed", "ing", "or", "ors", "ous"}),
                     endings(s, {"er", "ers", "ed", "ing", "or", "ors", "ous"}));
        }
        add({"judgement", "judgements"}, {"judgment", "judgments"});
        add({"grey", "greys", "greyish", "greyed", "greying"}, {"gray", "grays", "grayish", "grayed", "graying"});
        add({"fulfil", "fulfils", "fulfilment", "fulfilments"}, {"fulfill", "fulfills", "fulfillment", "fulfillments"});
        add({"plough", "ploughs", "ploughed", "ploughing", "ploughman"}, {"plow", "plows", "plowed", "plowing", "plowman"});
        add({"defence", "defences"}, {"defense", "defenses"});
        add({"offence", "offences"}, {"offense", "offenses"});
        add({"pretence"}, {"pretense"});
        add({"mould", "moulds", "moulded", "moulding"}, {"mold", "molds", "molded", "molding"});
        add({"smoulder", "smouldering"}, {"smolder", "smoldering"});
        add({"cosy"}, {"cozy"});
        add({"sceptic", "sceptical", "scepticism"}, {"skeptic", "skeptical", "skepticism"});
        add({"manoeuvre", "manoeuvres"}, {"maneuver", "maneuvers"});
        add({"ageing"}, {"aging"});
        add({"catalogue"}, {"catalog"});
        add({"jewellery"}, {"jewelry"});
        add({"enrol", "enrolment"}, {"enroll", "enrollment"});
        add({"instil", "instils"}, {"instill", "instills"});
        add({"skilful", "skilfully"}, {"skillful", "skillfully"});
        add({"wilful", "wilfully"}, {"willful", "willfully"});
        return t;
    }();
    return table;
}

// The same word in the other spelling, so a title word is caught in both.
QSet<QString> otherSpellings(const QString& word)
{
    QSet<QString> out;
    const auto it = spellings().constFind(word);
    if (it == spellings().cend())
        return out;
    for (auto j = spellings().cbegin(); j != spellings().cend(); ++j)
        if (j->family == it->family)
            out << j.key();
    return out;
}

// A minor card's number or rank as words: "Three of Cups" gives three, threes, 3, third.
QSet<QString> ownRankWords(const CardContent& c)
{
    static const QRegularExpression minorName(QStringLiteral("^\\s*(\\w+)\\s+of\\s+\\w+\\s*$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = minorName.match(c.name);
    if (c.group == 0 || !m.hasMatch())
        return {};
    const QString rank = m.captured(1).toLower();
    if (rank == QLatin1String("ace"))
        return {QStringLiteral("ace"), QStringLiteral("aces"), QStringLiteral("one"), QStringLiteral("ones"),
                QStringLiteral("1"), QStringLiteral("first")};
    for (int n = 2; n <= 10; ++n)
        if (rank == QLatin1String(kCardinals[n]))
            return withPlurals(rank) + QSet<QString>{QString::number(n), QLatin1String(kOrdinals[n])};
    for (const char* court : {"page", "knight", "queen", "king"})
        if (rank == QLatin1String(court))
            return withPlurals(rank);
    return {};
}

// The words of a major card's title other than "the" and "of", in both numbers.
QSet<QString> titleWords(const CardContent& c)
{
    QSet<QString> out;
    if (c.group != 0)
        return out;
    for (const QString& w : wordsOf(c.name)) {
        if (w == QLatin1String("the") || w == QLatin1String("of"))
            continue;
        for (const QString& form : withPlurals(w))
            out.unite(otherSpellings(form)) << form;
    }
    return out;
}

// Faults of one text (a meaning or a keyword) that gives the card away.
void checkGiveaways(const QString& label, const QString& what, const QString& text, const QSet<QString>& rank,
                    const QSet<QString>& title, bool keyword, QStringList& faults)
{
    QSet<QString> reported;
    for (const QString& w : wordsOf(text)) {
        QString rule;
        if (suitObjects().contains(w))
            rule = QStringLiteral("names a suit object");
        else if (rank.contains(w))
            rule = QStringLiteral("names the card's own number or rank");
        else if (title.contains(w))
            rule = QStringLiteral("uses a word of the card's title");
        else if (keyword && isNumberWord(w))
            rule = QStringLiteral("holds a number word");
        if (!rule.isEmpty() && !reported.contains(rule)) {
            reported << rule;
            faults << QStringLiteral("%1: the %2 %3 (\"%4\").").arg(label, what, rule, w);
        }
    }
}

void checkSpelling(const QList<CardContent>& cards, QStringList& faults)
{
    struct Hit {
        QString word;
        int card;
    };
    QList<Hit> hits[2]; // British, American
    for (int i = 0; i < cards.size(); ++i) {
        const CardContent& c = cards[i];
        const QString text = QStringList{c.normalMeaning, c.reversedMeaning, c.pictureText, c.contrastText}.join(
                                 QLatin1Char(' '))
            + QLatin1Char(' ') + c.keywords.join(QLatin1Char(' '));
        QSet<QString> seen;
        for (const QString& w : wordsOf(text)) {
            const auto it = spellings().constFind(w);
            if (it != spellings().cend() && !seen.contains(w)) {
                seen << w;
                hits[it->american].append({w, i});
            }
        }
    }
    if (hits[0].isEmpty() || hits[1].isEmpty())
        return;
    // The deck's spelling is the one it uses more; a tie counts as British.
    const int usual = hits[1].size() > hits[0].size() ? 1 : 0;
    const Hit& example = hits[usual].first();
    const char* const names[] = {"British", "American"};
    for (const Hit& h : hits[1 - usual])
        faults << QStringLiteral("%1: \"%2\" is %3 spelling, but the deck spells the %4 way elsewhere (\"%5\" on %6).")
                      .arg(cardLabel(cards[h.card]), h.word, QLatin1String(names[1 - usual]),
                           QLatin1String(names[usual]), example.word, cardLabel(cards[example.card]));
}

QString stem(QString w)
{
    bool cut = true;
    if (w.size() > 6 && w.endsWith(QLatin1String("ness")))
        w.chop(4);
    else if (w.size() > 5 && w.endsWith(QLatin1String("ing")))
        w.chop(3);
    else if (w.size() > 4 && w.endsWith(QLatin1String("ed")))
        w.chop(2);
    else if (w.size() > 4 && w.endsWith(QLatin1String("ies")))
        w = w.chopped(3) + QLatin1Char('y');
    else if (w.size() > 4
             && (w.endsWith(QLatin1String("sses")) || w.endsWith(QLatin1String("shes"))
                 || w.endsWith(QLatin1String("ches")) || w.endsWith(QLatin1String("xes"))))
        w.chop(2);
    else if (w.size() > 3 && w.endsWith(QLatin1Char('s')) && !w.endsWith(QLatin1String("ss"))
             && !w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("is")))
        w.chop(1);
    else
        cut = false;
    // "stopped" and "stop", "hoping" and "hope", "happiness" and "happy" meet.
    if (cut && w.size() > 3 && w.back() == w.at(w.size() - 2) && !QStringLiteral("aeioulsz").contains(w.back()))
        w.chop(1);
    if (w.size() > 3 && w.endsWith(QLatin1Char('e')))
        w.chop(1);
    if (w.size() > 2 && w.endsWith(QLatin1Char('i')))
        w.back() = QLatin1Char('y');
    return w;
}

} // namespace

QString normalisedKeyword(const QString& keyword)
{
    QStringList words = wordsOf(keyword);
    for (QString& w : words)
        w = stem(w);
    return words.join(QLatin1Char(' '));
}

QStringList check(const QList<CardContent>& cards)
{
    QStringList faults;
    QHash<QString, std::pair<QString, int>> owners; // normalised keyword -> (keyword, card index)
    for (int i = 0; i < cards.size(); ++i) {
        const CardContent& c = cards[i];
        const QString label = cardLabel(c);
        const QSet<QString> rank = ownRankWords(c);
        const QSet<QString> title = titleWords(c);
        checkGiveaways(label, QStringLiteral("upright meaning"), c.normalMeaning, rank, title, false, faults);
        checkGiveaways(label, QStringLiteral("reversed meaning"), c.reversedMeaning, rank, title, false, faults);

        if (c.keywords.size() < 8 || c.keywords.size() > 12)
            faults << QStringLiteral("%1: %2 keywords; a card needs 8 to 12.").arg(label).arg(c.keywords.size());
        for (const QString& k : c.keywords) {
            checkGiveaways(label, QStringLiteral("keyword \"%1\"").arg(k), k, rank, title, true, faults);
            const QString key = normalisedKeyword(k);
            const auto owner = owners.constFind(key);
            if (owner == owners.cend())
                owners.insert(key, {k, i});
            else if (owner->second == i)
                faults << QStringLiteral("%1: the keyword \"%2\" is listed twice (as \"%3\").").arg(label, k, owner->first);
            else
                faults << QStringLiteral("%1: the keyword \"%2\" is also on %3 (as \"%4\"), once case, plurals and "
                                         "-ing/-ed/-ness are set aside.")
                              .arg(label, k, cardLabel(cards[owner->second]), owner->first);
        }
    }
    checkSpelling(cards, faults);
    return faults;
}

} // namespace ContentRules
