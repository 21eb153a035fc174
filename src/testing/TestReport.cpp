#include "testing/TestReport.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString TestReport::line(int number, const TestReportLine& entry, bool description)
{
    QString s = QString::number(number).rightJustified(2, QLatin1Char('0'));
    s += QStringLiteral(". ") + QString(5, QLatin1Char(' ')) + entry.name;
    // The result starts 36 columns after the start of the name. A longer name still gets
    // one blank, so the name never runs into the result.
    int fill;
    if (entry.reversed) {
        const QString mark = QStringLiteral(" (Reversed)");
        s += mark;
        fill = kNameColumns - int(mark.size()) - int(entry.name.size());
    } else {
        fill = kNameColumns - int(entry.name.size());
    }
    s += QString(std::max(1, fill), QLatin1Char(' '));
    if (description)
        s += entry.score != 0 ? QStringLiteral("Correct") : QStringLiteral("Wrong");
    else
        s += QStringLiteral("%1 Out Of %2 Correct").arg(entry.score).arg(entry.outOf);
    return s;
}

TestReportResult TestReport::build(const TestReportInput& input)
{
    TestReportResult r;
    r.correctCount = input.correctCount;
    const QString title = QStringLiteral("Test Report For ") + input.appTitle;
    QString text = title + CRLF + QString(int(title.size()), QLatin1Char('-')) + CRLF;
    int choices = 0;
    for (int i = 0; i < input.lines.size(); ++i) {
        const TestReportLine& entry = input.lines[i];
        text += CRLF + line(i + 1, entry, input.description);
        if (!input.description) {
            r.correctCount += entry.score;
            choices += entry.outOf;
        }
    }
    text += CRLF + QString(kUnderscores, QLatin1Char('_')) + CRLF;
    // The report goes into a file as well, so it stays English; the summary line shown
    // above it follows the interface language.
    const char* const summary = input.description
        ? QT_TRANSLATE_NOOP("TestReport", "%1 out of %2 questions correct")
        // Each question counts the keywords it asked for: the level's number, n times over.
        : QT_TRANSLATE_NOOP("TestReport", "%1/%2 choice(s) from %3 questions were correct");
    const auto filled = [&](const QString& pattern) {
        return input.description ? pattern.arg(r.correctCount).arg(input.deckSize)
                                 : pattern.arg(r.correctCount).arg(choices).arg(input.deckSize);
    };
    r.text = text + filled(QString::fromLatin1(summary));
    r.summary = filled(QCoreApplication::translate("TestReport", summary));
    return r;
}

QByteArray TestReport::fileBytes(const QString& shownText)
{
    QString text = shownText;
    text.replace(CRLF, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), CRLF);
    return (text + CRLF).toUtf8();
}
