#include "study/DeckQuery.h"

#include <QStringList>

#include <algorithm>

namespace DeckQuery {

QString objectives(bool major, const std::array<bool, 4>& suits)
{
    QString query = QStringLiteral("SELECT * FROM tblCards WHERE ");
    QString slots[5];
    if (major)
        slots[0] = QStringLiteral("(Group=0)");
    for (int i = 0; i < 4; ++i)
        if (suits[std::size_t(i)])
            slots[i + 1] = QStringLiteral("(Group=%1)").arg(i + 1);
    for (const QString& term : slots)
        if (!term.isEmpty())
            query += QLatin1Char(' ') + term + QStringLiteral(" OR ");
    query.chop(4);
    query += QStringLiteral(" ORDER BY ID");
    query.replace(QStringLiteral("  "), QStringLiteral(" "));
    return query;
}

QString drill(const QList<int>& cardIds)
{
    QList<int> ids = cardIds;
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QStringList terms;
    for (int id : ids)
        terms << QString::number(id);
    return QStringLiteral("SELECT * FROM tblCards WHERE ID IN (%1) ORDER BY ID").arg(terms.join(QLatin1Char(',')));
}

} // namespace DeckQuery
