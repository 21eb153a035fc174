// Writing the goals file; GoalsFormat.cpp reads it.
#include "goals/GoalsFormat.h"

#include <QCoreApplication>
#include <QStringEncoder>

#include <cstring>

namespace GoalsFormat {

namespace {

// Builds the file in one buffer, without a temporary per field.
class Writer {
public:
    explicit Writer(qsizetype expected) { m_out.resize(expected); }

    void raw(const char* s, qsizetype n)
    {
        memcpy(room(n), s, size_t(n));
        m_pos += n;
    }
    template <qsizetype N> void raw(const char (&s)[N]) { raw(s, N - 1); }

    void text(const QString& s)
    {
        char* end = m_utf8.appendToBuffer(room(m_utf8.requiredSpace(s.size())), s);
        m_pos = end - m_out.data();
    }

    // #yyyy-mm-dd#
    void date(int y, int m, int d)
    {
        char* p = room(12);
        p[0] = '#';
        p[1] = char('0' + y / 1000);
        p[2] = char('0' + y / 100 % 10);
        p[3] = char('0' + y / 10 % 10);
        p[4] = char('0' + y % 10);
        p[5] = '-';
        p[6] = char('0' + m / 10);
        p[7] = char('0' + m % 10);
        p[8] = '-';
        p[9] = char('0' + d / 10);
        p[10] = char('0' + d % 10);
        p[11] = '#';
        m_pos += 12;
    }

    // 0 to 100, no sign, no leading zeros.
    void percentage(int v)
    {
        char* p = room(3);
        qsizetype n = 0;
        if (v >= 100)
            p[n++] = char('0' + v / 100);
        if (v >= 10)
            p[n++] = char('0' + v / 10 % 10);
        p[n++] = char('0' + v % 10);
        m_pos += n;
    }

    QByteArray take()
    {
        m_out.truncate(m_pos);
        return std::move(m_out);
    }

private:
    char* room(qsizetype n)
    {
        if (m_pos + n > m_out.size())
            m_out.resize(qMax(m_out.size() * 2, m_pos + n));
        return m_out.data() + m_pos;
    }

    QByteArray m_out;
    qsizetype m_pos = 0;
    // Stateless: a text never carries a half-finished character into the next one.
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

} // namespace

QString problemWith(const Goal& g)
{
    if (g.GoalName.contains(u'"') || g.GoalDesc.contains(u'"'))
        return QCoreApplication::translate("GoalsFormat", "the goal \"%1\" contains a double quote, which the goals file cannot hold")
            .arg(QString(g.GoalName).replace(u'"', u'\''));
    for (const QDate& d : {g.StartingDate, g.EndingDate}) {
        if (!d.isValid() || d.year() < 1 || d.year() > 9999)
            return QCoreApplication::translate("GoalsFormat", "the goal \"%1\" has no date the goals file can hold").arg(g.GoalName);
    }
    if (g.AchievedPercentage < 0 || g.AchievedPercentage > 100)
        return QCoreApplication::translate("GoalsFormat", "the goal \"%1\" has an achieved percentage outside 0 to 100").arg(g.GoalName);
    return {};
}

QByteArray encode(const QList<Goal>& goals, const QSet<int>& except, QString* error)
{
    Writer out(goals.size() * 128);
    for (int i = 0; i < goals.size(); ++i) {
        if (!except.isEmpty() && except.contains(i))
            continue;
        const Goal& g = goals[i];
        int y1 = 0, m1 = 0, d1 = 0, y2 = 0, m2 = 0, d2 = 0;
        g.StartingDate.getDate(&y1, &m1, &d1);
        g.EndingDate.getDate(&y2, &m2, &d2);
        const bool writable = y1 >= 1 && y1 <= 9999 && y2 >= 1 && y2 <= 9999 && g.AchievedPercentage >= 0
            && g.AchievedPercentage <= 100 && !g.GoalName.contains(u'"') && !g.GoalDesc.contains(u'"');
        if (!writable) {
            if (error)
                *error = problemWith(g);
            return {};
        }
        out.raw("\"");
        out.text(g.GoalName);
        out.raw("\",");
        out.date(y1, m1, d1);
        out.raw(",");
        out.date(y2, m2, d2);
        out.raw(",\"");
        out.text(g.GoalDesc);
        if (g.Achieved)
            out.raw("\",#TRUE#,");
        else
            out.raw("\",#FALSE#,");
        out.percentage(g.AchievedPercentage);
        out.raw("\r\n");
    }
    if (error)
        error->clear();
    return out.take();
}

} // namespace GoalsFormat
