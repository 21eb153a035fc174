// Writes the program's icon into a hicolor theme tree for the desktop:
//   <out>/hicolor/<n>x<n>/apps/<id>.png   for each size the desktops ask for
//   <out>/hicolor/scalable/apps/<id>.svg
// Both come from the same drawing the program shows, so the menu entry, the window
// and the tray all look alike.
#include "shell/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool fail(const QString& what)
{
    std::fprintf(stderr, "lumenrest-icons: %s\n", qPrintable(what));
    return false;
}

bool makeDir(const QString& dir)
{
    return QDir().mkpath(dir) || fail(QStringLiteral("cannot create ") + dir);
}

bool writePng(const QString& root, const QString& id, int size)
{
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    const QString path = dir + QLatin1Char('/') + id + QStringLiteral(".png");
    return makeDir(dir) && (ProgramIcon::image(size).save(path, "PNG", 0) || fail(QStringLiteral("cannot write ") + path));
}

bool writeSvg(const QString& root, const QString& id)
{
    // Drawn at the largest size, where every detail of the design is present.
    const int size = 256;
    const QString dir = root + QStringLiteral("/scalable/apps");
    const QString path = dir + QLatin1Char('/') + id + QStringLiteral(".svg");
    if (!makeDir(dir))
        return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Lumenrest"));
    svg.setDescription(QStringLiteral("A tarot card with a gold eight-pointed star"));
    QPainter painter;
    if (!painter.begin(&svg))
        return fail(QStringLiteral("cannot write ") + path);
    ProgramIcon::paint(painter, size);
    return painter.end() || fail(QStringLiteral("cannot finish ") + path);
}

} // namespace

int main(int argc, char** argv)
{
    // The drawing needs no screen; the offscreen platform keeps a build without a display working.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: lumenrest-icons <output folder> <application id>\n");
        return 2;
    }
    const QString root = args.at(1) + QStringLiteral("/hicolor");
    const QString id = args.at(2);
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = writePng(root, id, size) && ok;
    ok = writeSvg(root, id) && ok;
    return ok ? 0 : 1;
}
