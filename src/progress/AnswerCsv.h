#pragma once
#include "progress/AnswerRecord.h"

#include <QVector>

#include <functional>

class QIODevice;

namespace progress {

using CardNames = std::function<QString(int cardId)>;

// Every answer as CSV (RFC 4180: UTF-8, CRLF, quoted where needed) under the header
// answered_at,test_id,card_id,card_name,reversed,test_type,level,score,max_score,mistaken_for,seconds.
void writeAnswersCsv(QIODevice& out, const QVector<AnswerRecord>& log, const CardNames& names);

} // namespace progress
