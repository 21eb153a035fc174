// Reading the goals file; GoalsFormatWrite.cpp writes it.
#include "goals/GoalsFormat.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QUtf8StringView>

namespace GoalsFormat {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves undefined keep
// their C1 control code, as Windows itself maps them, so nothing is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(QByteArrayView bytes)
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
    {Kind::Text, QT_TRANSLATE_NOOP("GoalsFormat", "the goal name")},
    {Kind::Date, QT_TRANSLATE_NOOP("GoalsFormat", "the starting date")},
    {Kind::Date, QT_TRANSLATE_NOOP("GoalsFormat", "the ending date")},
    {Kind::Text, QT_TRANSLATE_NOOP("GoalsFormat", "the description")},
    {Kind::Boolean, QT_TRANSLATE_NOOP("GoalsFormat", "the achieved mark")},
    {Kind::Integer, QT_TRANSLATE_NOOP("GoalsFormat", "the achieved percentage")},
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// Digits only, 1 to maxDigits of them.
bool toNumber(QByteArrayView s, int maxDigits, int* value)
{
    if (s.isEmpty() || s.size() > maxDigits)
        return false;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    *value = v;
    return true;
}

QDate toDate(QByteArrayView s)
{
    // yyyy-mm-dd; a month or day of one digit is accepted from a hand-edited file.
    if (s.size() < 8 || s[4] != '-')
        return {};
    const qsizetype second = s[6] == '-' ? 6 : s[7] == '-' ? 7 : -1;
    int y = 0, m = 0, d = 0;
    if (second < 0 || !toNumber(s.first(4), 4, &y) || !toNumber(s.sliced(5, second - 5), 2, &m)
        || !toNumber(s.sliced(second + 1), 2, &d))
        return {};
    return QDate(y, m, d); // invalid for a day that does not exist, and for year 0
}

bool equalsNoCase(QByteArrayView s, const char* word)
{
    const QByteArrayView w(word);
    if (s.size() != w.size())
        return false;
    return memcmp(s.data(), w.data(), size_t(w.size())) == 0 || s.compare(w, Qt::CaseInsensitive) == 0;
}

bool isAscii(QByteArrayView s)
{
    unsigned char any = 0;
    for (char c : s)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// Reads the bytes in place: every mark of the format is ASCII, so the same positions
// hold in UTF-8 and in Windows-1252; only the texts are decoded, each on its own, so that
// one text from an older 8-bit file does not change how the others read.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_s(bytes) {}
    bool usedWindows1252() const { return m_1252; }

    // Skips blank lines and spaces; false at the end of the bytes.
    bool atRecord()
    {
        while (m_i < m_s.size() && (isBlank(m_s[m_i]) || m_s[m_i] == '\r' || m_s[m_i] == '\n'))
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
                if (m_i >= m_s.size() || m_s[m_i] != ',') {
                    fault = QCoreApplication::translate("GoalsFormat", "a comma was expected after %1")
                                .arg(QCoreApplication::translate("GoalsFormat", kFields[f].name));
                    return false;
                }
                ++m_i;
            } else if (m_i < m_s.size()) {
                // The record ends with CR LF; a lone LF or CR is accepted as well.
                if (m_s[m_i] == '\r')
                    ++m_i;
                if (m_i < m_s.size() && m_s[m_i] == '\n')
                    ++m_i;
                else if (m_s[m_i - 1] != '\r') {
                    fault = QCoreApplication::translate("GoalsFormat", "the line goes on after the achieved percentage");
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

    // The bytes between the mark at the current position and the next such mark.
    bool enclosed(char mark, QByteArrayView* inside)
    {
        if (m_i >= m_s.size() || m_s[m_i] != mark)
            return false;
        const void* end = memchr(m_s.data() + m_i + 1, mark, size_t(m_s.size() - m_i - 1));
        if (!end)
            return false;
        const qsizetype close = static_cast<const char*>(end) - m_s.data();
        *inside = m_s.sliced(m_i + 1, close - m_i - 1);
        m_i = close + 1;
        return true;
    }

    // A lone LF inside a text (a file edited on Linux) becomes the CR LF the editor uses.
    QString text(QByteArrayView s)
    {
        QString t;
        if (isAscii(s)) {
            t = QString::fromLatin1(s);
        } else if (QUtf8StringView(s).isValidUtf8()) {
            t = QString::fromUtf8(s);
        } else {
            t = decodeWindows1252(s);
            m_1252 = true;
        }
        if (!memchr(s.data(), '\n', size_t(s.size())))
            return t;
        qsizetype lf = t.indexOf(u'\n');
        while (lf > 0 && t[lf - 1] == u'\r')
            lf = t.indexOf(u'\n', lf + 1);
        if (lf < 0)
            return t;
        QString out;
        out.reserve(t.size() + 8);
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == u'\n' && (i == 0 || t[i - 1] != u'\r'))
                out += u'\r';
            out += t[i];
        }
        return out;
    }

    bool field(int f, Goal& g, QString& fault)
    {
        const auto name = [f] { return QCoreApplication::translate("GoalsFormat", kFields[f].name); };
        QByteArrayView inside;
        switch (kFields[f].kind) {
        case Kind::Text:
            if (!enclosed('"', &inside)) {
                fault = QCoreApplication::translate("GoalsFormat", "%1 is not enclosed in double quotes").arg(name());
                return false;
            }
            (f == 0 ? g.GoalName : g.GoalDesc) = text(inside);
            return true;
        case Kind::Date: {
            QDate d;
            if (enclosed('#', &inside))
                d = toDate(trimmed(inside));
            if (!d.isValid()) {
                fault = QCoreApplication::translate("GoalsFormat", "%1 is not a date such as #2024-03-01#").arg(name());
                return false;
            }
            (f == 1 ? g.StartingDate : g.EndingDate) = d;
            return true;
        }
        case Kind::Boolean:
            if (enclosed('#', &inside)) {
                inside = trimmed(inside);
                if (equalsNoCase(inside, "TRUE") || equalsNoCase(inside, "FALSE")) {
                    g.Achieved = inside.size() == 4;
                    return true;
                }
            }
            fault = QCoreApplication::translate("GoalsFormat", "%1 is neither #TRUE# nor #FALSE#").arg(name());
            return false;
        case Kind::Integer: {
            qsizetype end = m_i;
            while (end < m_s.size() && m_s[end] != ',' && m_s[end] != '\r' && m_s[end] != '\n')
                ++end;
            int value = 0;
            if (!toNumber(trimmed(m_s.sliced(m_i, end - m_i)), 3, &value) || value > 100) {
                fault = QCoreApplication::translate("GoalsFormat", "%1 is not a whole number from 0 to 100").arg(name());
                return false;
            }
            g.AchievedPercentage = qint16(value);
            m_i = end;
            return true;
        }
        }
        return false;
    }

    QByteArrayView m_s;
    bool m_1252 = false;
    qsizetype m_i = 0;
};

int lineAt(QByteArrayView s, qsizetype pos)
{
    int line = 1;
    for (qsizetype i = 0; i < pos && i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n')))
            ++line;
    }
    return line;
}

} // namespace

Parsed parse(const QByteArray& bytes)
{
    Parsed out;
    QByteArrayView view(bytes);
    // A byte order mark left by an editor is not part of the first goal.
    const qsizetype bom = view.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    Reader reader(view.sliced(bom));
    while (reader.atRecord()) {
        const qsizetype start = reader.pos();
        Goal g;
        if (!reader.record(g, out.fault)) {
            out.malformed = true;
            out.faultLine = lineAt(view.sliced(bom), start);
            break;
        }
        out.goals.append(std::move(g));
    }
    out.windows1252 = reader.usedWindows1252();
    return out;
}

} // namespace GoalsFormat
