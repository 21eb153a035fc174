#pragma once
#include <QIcon>
#include <QImage>

class QPainter;

// The program's own icon, drawn in code: a dark card with a gold frame and a gold
// eight-pointed star. Small sizes drop the fine lines, so it stays legible at 16 px.
namespace ProgramIcon {

// Draws the icon into the square (0, 0, size, size) of any paint device.
void paint(QPainter& painter, int size);
QImage image(int size);
// 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon icon();

} // namespace ProgramIcon
