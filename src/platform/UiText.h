#pragma once
#include <QRegularExpression>
#include <QString>

// Some captions push their second half onto a new line with a long run of blanks; in a
// word-wrapped label that run becomes one line break. Every other blank stays as written.
inline QString blankRunsAsBreaks(const QString& caption)
{
    static const QRegularExpression run(QStringLiteral(" {10,}"));
    QString out = caption;
    out.replace(run, QStringLiteral("\n"));
    return out;
}
