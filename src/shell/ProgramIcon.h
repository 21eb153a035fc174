#pragma once
#include <QIcon>
#include <QImage>

// The program's own icon, drawn in code: a dark card with a gold frame and a gold
// eight-pointed star. Small sizes drop the fine lines, so it stays legible at 16 px.
namespace ProgramIcon {

QImage image(int size);
// 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon icon();

} // namespace ProgramIcon
