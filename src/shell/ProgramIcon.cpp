#include "shell/ProgramIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace ProgramIcon {

namespace {

const QColor kGold(0xE8, 0xB9, 0x3C);
const QColor kPaleGold(0xFF, 0xE2, 0x8A);
const QColor kNight(0x1F, 0x17, 0x4D);
const QColor kDusk(0x47, 0x2F, 0x8C);

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = M_PI * i / points - M_PI / 2;
        const QPointF p(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace

void paint(QPainter& p, int size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const bool small = size < 32;

    // The card, a little narrower than it is tall, as a tarot card is.
    const qreal border = qMax<qreal>(1.0, s * 0.05);
    const QRectF card(s * (small ? 0.15 : 0.17), s * 0.03, s * (small ? 0.70 : 0.66), s * 0.94);
    QLinearGradient sky(card.topLeft(), card.bottomLeft());
    sky.setColorAt(0, kDusk);
    sky.setColorAt(1, kNight);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRoundedRect(card, s * 0.08, s * 0.08);
    p.setBrush(sky);
    p.drawRoundedRect(card.adjusted(border, border, -border, -border), s * 0.06, s * 0.06);

    if (!small) {
        // A fine inner frame, as on the cards of the classic decks.
        QPen line(kGold, qMax<qreal>(1.0, s * 0.012));
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        const qreal inset = border + s * 0.04;
        p.drawRoundedRect(card.adjusted(inset, inset, -inset, -inset), s * 0.03, s * 0.03);
        p.setPen(Qt::NoPen);
    }

    const QPointF centre = card.center();
    const qreal outer = card.width() * (small ? 0.42 : 0.36);
    QRadialGradient glow(centre, outer);
    glow.setColorAt(0, kPaleGold);
    glow.setColorAt(1, kGold);
    p.setBrush(glow);
    p.drawPath(star(centre, outer, outer * (small ? 0.45 : 0.38), small ? 4 : 8));

    if (size >= 48) {
        // Two small stars above and below.
        p.setBrush(kPaleGold);
        const qreal r = card.width() * 0.07;
        p.drawPath(star(QPointF(centre.x(), card.top() + card.height() * 0.17), r, r * 0.4, 4));
        p.drawPath(star(QPointF(centre.x(), card.bottom() - card.height() * 0.17), r, r * 0.4, 4));
    }
    p.restore();
}

QImage image(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paint(p, size);
    p.end();
    return img;
}

namespace {

// Draws each size only when something asks for it, once: start-up needs no icon before the
// window is shown, and the window system then asks for every listed size, for each window
// and more than once.
class Engine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(rect.width(), rect.height());
        const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawImage(square, image(int(side * painter->device()->devicePixelRatioF())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        for (const QPixmap& drawn : std::as_const(m_drawn))
            if (drawn.width() == side)
                return drawn;
        m_drawn.append(QPixmap::fromImage(image(side)));
        return m_drawn.last();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // The sizes title bars, task bars and trays show. The window system draws every
        // listed size when a window is first shown; a larger one is drawn when asked for.
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64})
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new Engine; }

private:
    QList<QPixmap> m_drawn;
};

} // namespace

QIcon icon()
{
    return QIcon(new Engine);
}

} // namespace ProgramIcon
