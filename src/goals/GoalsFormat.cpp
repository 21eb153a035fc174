#include "goals/GoalsFormat.h"

#include <QStringDecoder>
#include <QStringView>

namespace GoalsFormat {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves undefined keep
// their C1 control code, as Windows itself maps them, so nothing is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

enum class Kind { Text, Date, Boolean, Integer };

struct Field {
    Kind kind;
    const char* name;
};

constexpr Field kFields[6] = {
    {Kind::Text, "the goal name"},
    {Kind::Date, "the starting date"},
    {Kind::Date, "the ending date"},
    {Kind::Text, "the description"},
    {Kind::Boolean, "the achieved mark"},
    {Kind::Integer, "the achieved percentage"},
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Digits only, 1 to maxDigits of them.
bool toNumber(QStringView s, int maxDigits, int* value)
{
    if (s.isEmpty() || s.size() > maxDigits)
        return false;
    int v = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
    }
    *value = v;
    return true;
}

QDate toDate(QStringView s)
{
    // yyyy-mm-dd; a month or day of one digit is accepted from a hand-edited file.
    const qsizetype first = s.indexOf(u'-');
    const qsizetype second = first < 0 ? -1 : s.indexOf(u'-', first + 1);
    int y = 0, m = 0, d = 0;
    if (first != 4 || second < 0 || !toNumber(s.first(4), 4, &y)
        || !toNumber(s.sliced(first + 1, second - first - 1), 2, &m) || !toNumber(s.sliced(second + 1), 2, &d))
        return {};
    return QDate(y, m, d); // invalid for a day that does not exist, and for year 0
}

// A lone LF inside a text (a file edited on Linux) becomes the CR LF the editor uses.
QString normaliseLineBreaks(QStringView s)
{
    QString out = s.toString();
    if (!s.contains(u'\n'))
        return out;
    out.clear();
    out.reserve(s.size() + 8);
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\n' && (i == 0 || s[i - 1] != u'\r'))
            out += u'\r';
        out += s[i];
    }
    return out;
}

class Reader {
public:
    explicit Reader(QStringView text) : m_s(text) {}

    // Skips blank lines and spaces; false at the end of the text.
    bool atRecord()
    {
        while (m_i < m_s.size() && (isBlank(m_s[m_i]) || m_s[m_i] == u'\r' || m_s[m_i] == u'\n'))
            ++m_i;
        return m_i < m_s.size();
    }
    qsizetype pos() const { return m_i; }

    bool record(Goal& g, QString& fault)
    {
        for (int f = 0; f < 6; ++f) {
            skipBlanks();
            if (!field(f, g, fault))
                return false;
            skipBlanks();
            if (f < 5) {
                if (m_i >= m_s.size() || m_s[m_i] != u',') {
                    fault = QStringLiteral("a comma was expected after %1").arg(QLatin1String(kFields[f].name));
                    return false;
                }
                ++m_i;
            } else if (m_i < m_s.size()) {
                // The record ends with CR LF; a lone LF or CR is accepted as well.
                if (m_s[m_i] == u'\r')
                    ++m_i;
                if (m_i < m_s.size() && m_s[m_i] == u'\n')
                    ++m_i;
                else if (m_i > 0 && m_s[m_i - 1] != u'\r') {
                    fault = QStringLiteral("the line goes on after the achieved percentage");
                    return false;
                }
            }
        }
        return true;
    }

private:
    void skipBlanks()
    {
        while (m_i < m_s.size() && isBlank(m_s[m_i]))
            ++m_i;
    }

    // The text between the opening character at m_i and the next one like it.
    bool enclosed(QChar mark, QStringView* inside)
    {
        if (m_i >= m_s.size() || m_s[m_i] != mark)
            return false;
        const qsizetype end = m_s.indexOf(mark, m_i + 1);
        if (end < 0)
            return false;
        *inside = m_s.sliced(m_i + 1, end - m_i - 1);
        m_i = end + 1;
        return true;
    }

    bool field(int f, Goal& g, QString& fault)
    {
        const QLatin1String name(kFields[f].name);
        QStringView inside;
        switch (kFields[f].kind) {
        case Kind::Text:
            if (!enclosed(u'"', &inside)) {
                fault = QStringLiteral("%1 is not enclosed in double quotes").arg(name);
                return false;
            }
            (f == 0 ? g.GoalName : g.GoalDesc) = normaliseLineBreaks(inside);
            return true;
        case Kind::Date: {
            QDate d;
            if (enclosed(u'#', &inside))
                d = toDate(inside.trimmed());
            if (!d.isValid()) {
                fault = QStringLiteral("%1 is not a date such as #2024-03-01#").arg(name);
                return false;
            }
            (f == 1 ? g.StartingDate : g.EndingDate) = d;
            return true;
        }
        case Kind::Boolean:
            if (enclosed(u'#', &inside)) {
                inside = inside.trimmed();
                if (inside.compare(u"TRUE", Qt::CaseInsensitive) == 0 || inside.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
                    g.Achieved = inside.size() == 4;
                    return true;
                }
            }
            fault = QStringLiteral("%1 is neither #TRUE# nor #FALSE#").arg(name);
            return false;
        case Kind::Integer: {
            qsizetype end = m_i;
            while (end < m_s.size() && m_s[end] != u',' && m_s[end] != u'\r' && m_s[end] != u'\n')
                ++end;
            int value = 0;
            const bool ok = toNumber(m_s.sliced(m_i, end - m_i).trimmed(), 3, &value) && value <= 100;
            if (!ok) {
                fault = QStringLiteral("%1 is not a whole number from 0 to 100").arg(name);
                return false;
            }
            g.AchievedPercentage = qint16(value);
            m_i = end;
            return true;
        }
        }
        return false;
    }

    QStringView m_s;
    qsizetype m_i = 0;
};

int lineAt(QStringView s, qsizetype pos)
{
    int line = 1;
    for (qsizetype i = 0; i < pos && i < s.size(); ++i) {
        if (s[i] == u'\n' || (s[i] == u'\r' && (i + 1 >= s.size() || s[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

void appendDate(QByteArray& out, const QDate& d)
{
    char buf[12];
    const int y = d.year(), m = d.month(), day = d.day();
    buf[0] = '#';
    buf[1] = char('0' + y / 1000);
    buf[2] = char('0' + y / 100 % 10);
    buf[3] = char('0' + y / 10 % 10);
    buf[4] = char('0' + y % 10);
    buf[5] = '-';
    buf[6] = char('0' + m / 10);
    buf[7] = char('0' + m % 10);
    buf[8] = '-';
    buf[9] = char('0' + day / 10);
    buf[10] = char('0' + day % 10);
    buf[11] = '#';
    out.append(buf, 12);
}

} // namespace

QString decode(const QByteArray& bytes, bool* usedWindows1252)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    const bool fallback = utf8.hasError();
    if (usedWindows1252)
        *usedWindows1252 = fallback;
    return fallback ? decodeWindows1252(bytes) : text;
}

Parsed parse(const QByteArray& bytes)
{
    Parsed out;
    const QString text = decode(bytes, &out.windows1252);
    Reader reader(text);
    while (reader.atRecord()) {
        const qsizetype start = reader.pos();
        Goal g;
        if (!reader.record(g, out.fault)) {
            out.malformed = true;
            out.faultLine = lineAt(text, start);
            break;
        }
        out.goals.append(std::move(g));
    }
    return out;
}

QString problemWith(const Goal& g)
{
    if (g.GoalName.contains(u'"') || g.GoalDesc.contains(u'"'))
        return QStringLiteral("the goal \"%1\" contains a double quote, which the goals file cannot hold")
            .arg(QString(g.GoalName).replace(u'"', u'\''));
    for (const QDate& d : {g.StartingDate, g.EndingDate}) {
        if (!d.isValid() || d.year() < 1 || d.year() > 9999)
            return QStringLiteral("the goal \"%1\" has no date the goals file can hold").arg(g.GoalName);
    }
    if (g.AchievedPercentage < 0 || g.AchievedPercentage > 100)
        return QStringLiteral("the goal \"%1\" has an achieved percentage outside 0 to 100").arg(g.GoalName);
    return {};
}

QByteArray encode(const QList<Goal>& goals, const QSet<int>& except, QString* error)
{
    QByteArray out;
    out.reserve(goals.size() * 96);
    for (int i = 0; i < goals.size(); ++i) {
        if (except.contains(i))
            continue;
        const Goal& g = goals[i];
        const QString problem = problemWith(g);
        if (!problem.isEmpty()) {
            if (error)
                *error = problem;
            return {};
        }
        out += '"';
        out += g.GoalName.toUtf8();
        out += "\",";
        appendDate(out, g.StartingDate);
        out += ',';
        appendDate(out, g.EndingDate);
        out += ",\"";
        out += g.GoalDesc.toUtf8();
        out += g.Achieved ? "\",#TRUE#," : "\",#FALSE#,";
        out += QByteArray::number(g.AchievedPercentage);
        out += "\r\n";
    }
    if (error)
        error->clear();
    return out;
}

} // namespace GoalsFormat
