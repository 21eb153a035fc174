#include "progress/AnswerCsv.h"

#include <QIODevice>
#include <QLocale>
#include <QStringList>

namespace progress {

namespace {
QByteArray csvField(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}
} // namespace

void writeAnswersCsv(QIODevice& out, const QVector<AnswerRecord>& log, const CardNames& names)
{
    QByteArray text = "answered_at,test_id,card_id,card_name,reversed,test_type,level,score,max_score,mistaken_for,"
                      "seconds\r\n";
    for (const AnswerRecord& a : log) {
        const QStringList fields = {a.answeredAt.toUTC().toString(Qt::ISODate),
                                    QString::number(a.testId),
                                    QString::number(a.cardId),
                                    names ? names(a.cardId) : QString(),
                                    QString::number(a.reversed ? 1 : 0),
                                    testTypeText(a.testType),
                                    QString::number(a.level),
                                    QString::number(a.score),
                                    QString::number(a.maxScore),
                                    a.mistakenFor > 0 ? QString::number(a.mistakenFor) : QString(),
                                    QString::number(a.seconds, 'g', QLocale::FloatingPointShortest)};
        for (int i = 0; i < fields.size(); ++i) {
            if (i)
                text += ',';
            text += csvField(fields[i]);
        }
        text += "\r\n";
    }
    out.write(text);
}

} // namespace progress
