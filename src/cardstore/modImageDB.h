#pragma once
// Card pictures: loading a picture stored in a database field into a picture box, and the
// half-turn that shows a card upside down.

#include <QString>

class PictureBox;

namespace modDB {
class Recordset;
}

namespace modImageDB {

// Loads the picture held in `field` of the current row into `box`. True when it was loaded;
// on any failure (no current row, no such field, an empty value, bytes that are no picture)
// false, and the box is left empty. Shows no message.
bool LoadPictureFromField(PictureBox* box, modDB::Recordset& rows, const QString& field);

// Turns the box's picture by 180 degrees. An empty box (or none) stays as it is.
void HalfTurn(PictureBox* box);

// `target` takes the picture `source` shows, turned by 180 degrees; an empty `source`
// leaves `target` empty as well.
void ShowHalfTurnOf(PictureBox* target, const PictureBox& source);

} // namespace modImageDB
