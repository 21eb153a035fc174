#include "cardstore/modImageDB.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"

#include <QImage>

namespace modImageDB {

bool LoadPictureFromField(PictureBox* box, modDB::Recordset& rows, const QString& field)
{
    if (!box)
        return false;
    QImage picture;
    try {
        // The whole value in one read; Qt decodes from memory, so no temporary file is needed.
        const qint64 size = rows.ActualSize(field);
        if (size > 0)
            picture = QImage::fromData(rows.GetChunk(field, size));
    } catch (const modDB::DbError&) {
        // No current row or no such field: an empty box, like any other unreadable picture.
        picture = QImage();
    }
    box->setPicture(picture);
    // The box tells which card it shows (to screen readers, and in the large view).
    QString name;
    try {
        if (rows.hasField(QStringLiteral("Name")))
            name = rows.text(QStringLiteral("Name"));
    } catch (const modDB::DbError&) {
        name.clear(); // no current row: no card to name
    }
    box->setCardName(name);
    return !picture.isNull();
}

void HalfTurn(PictureBox* box)
{
    if (box)
        box->turnHalf();
}

void ShowHalfTurnOf(PictureBox* target, const PictureBox& source)
{
    if (!target)
        return;
    target->setPicture(source.picture());
    target->setCardName(source.cardName());
    HalfTurn(target);
}

} // namespace modImageDB
