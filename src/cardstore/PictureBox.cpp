#include "cardstore/PictureBox.h"

#include "controls/CardPictureViewer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A card picture's proportions, so a layout gives the box a sensible shape.
constexpr int kHintWidth = 220;
constexpr int kHintHeight = 380;

} // namespace

QImage PictureBox::Scaling::upright(const QImage& source, QSize size)
{
    if (size == source.size())
        return source;
    if (m_key == source.cacheKey() && m_size == size && !m_scaled.isNull())
        return m_scaled;
    m_scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_key = source.cacheKey();
    m_size = size;
    return m_scaled;
}

void PictureBox::shareScalingWith(PictureBox& other)
{
    m_scaling = other.m_scaling;
}

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // Reachable by keyboard, for the large view and for screen readers.
    setFocusPolicy(Qt::StrongFocus);
    describe();
}

void PictureBox::setCardName(const QString& name)
{
    m_cardName = name;
    describe();
}

void PictureBox::describe()
{
    const QString card = m_cardName.isEmpty() ? tr("Card picture") : m_cardName;
    if (!hasPicture())
        setAccessibleName(tr("%1, no picture").arg(card));
    else
        setAccessibleName(m_turned ? tr("%1, upside down").arg(card) : tr("%1, upright").arg(card));
    setAccessibleDescription(hasPicture() ? tr("Double-click or press Z for a large view") : QString());
}

void PictureBox::showLargeView()
{
    CardPictureViewer::view(picture(), m_cardName, accessibleName(), window());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && hasPicture())
        showLargeView();
    else
        QFrame::mouseDoubleClickEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Z && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        && hasPicture())
        showLargeView();
    else
        QFrame::keyPressEvent(event);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_source = picture;
    m_turned = false;
    pictureChanged();
}

QImage PictureBox::picture() const
{
    return m_turned ? m_source.mirrored(true, true) : m_source;
}

void PictureBox::clear()
{
    setPicture(QImage());
}

void PictureBox::turnHalf()
{
    if (!hasPicture())
        return;
    m_turned = !m_turned;
    pictureChanged();
}

void PictureBox::pictureChanged()
{
    m_cacheValid = false;
    m_cache = {};
    describe();
    update();
}

QSize PictureBox::deviceSize(qreal devicePixelRatio) const
{
    const QRect inner = contentsRect();
    return QSize(qRound(inner.width() * devicePixelRatio), qRound(inner.height() * devicePixelRatio));
}

const PictureBox::Placement& PictureBox::placement(QSize deviceSize) const
{
    if (m_cacheValid && m_cacheSize == deviceSize)
        return m_cache;
    m_cache = {};
    m_cacheSize = deviceSize;
    m_cacheValid = true;
    if (m_source.isNull() || deviceSize.isEmpty())
        return m_cache;

    QSize fitted = m_source.size().scaled(deviceSize, Qt::KeepAspectRatio);
    // Equal margins on both sides (the picture grows by at most one pixel to get them):
    // then a turned box is the upright box turned, with no one-pixel shift.
    const int marginX = (deviceSize.width() - fitted.width()) / 2;
    const int marginY = (deviceSize.height() - fitted.height()) / 2;
    fitted = QSize(deviceSize.width() - 2 * marginX, deviceSize.height() - 2 * marginY);

    QImage scaled = m_scaling->upright(m_source, fitted);
    // Turning the scaled drawing rather than the source keeps both boxes' scaling identical.
    if (m_turned)
        scaled = scaled.mirrored(true, true);
    m_cache.scaled = scaled;
    m_cache.offset = QPoint(marginX, marginY);
    return m_cache;
}

QImage PictureBox::rendered() const
{
    return rendered(devicePixelRatioF());
}

QImage PictureBox::rendered(qreal devicePixelRatio) const
{
    const QSize size = deviceSize(devicePixelRatio);
    if (size.isEmpty())
        return QImage();
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(palette().color(backgroundRole()));
    const Placement& p = placement(size);
    if (!p.scaled.isNull()) {
        QPainter painter(&canvas);
        painter.drawImage(p.offset, p.scaled);
    }
    canvas.setDevicePixelRatio(devicePixelRatio);
    return canvas;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    const Placement& p = placement(deviceSize(ratio));
    QPainter painter(this);
    if (!p.scaled.isNull()) {
        // Drawn at device resolution: the image's pixel ratio makes it map one to one.
        QImage image = p.scaled;
        image.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(contentsRect().topLeft()) + QPointF(p.offset) / ratio, image);
    }
    if (hasFocus()) {
        // The focus must show on a picture too: a ring in the theme's highlight colour.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

QSize PictureBox::sizeHint() const
{
    const int f = 2 * frameWidth();
    return QSize(kHintWidth + f, kHintHeight + f);
}

QSize PictureBox::minimumSizeHint() const
{
    const int f = 2 * frameWidth();
    return QSize(kHintWidth / 4 + f, kHintHeight / 4 + f);
}
