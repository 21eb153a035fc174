#include "controls/CardPictureViewer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtMath>

namespace {
// Room left for the window's frame and title bar, which the window manager adds.
constexpr int kFrameAllowance = 48;

QScreen* screenOf(const QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}
}

CardPictureViewer::CardPictureViewer(const QImage& picture, const QString& cardName, const QString& description,
                                     QWidget* parent)
    : QDialog(parent)
    , m_source(picture)
{
    setObjectName(QStringLiteral("CardPictureViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowTitle(cardName);
    setAccessibleName(description.isEmpty() ? cardName : description);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

CardPictureViewer* CardPictureViewer::view(const QImage& picture, const QString& cardName,
                                           const QString& description, QWidget* parent)
{
    if (picture.isNull())
        return nullptr;
    auto* viewer = new CardPictureViewer(picture, cardName, description, parent);
    viewer->resize(viewer->sizeHint());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

QSize CardPictureViewer::fittedSize(QSize picture, QSize area)
{
    if (picture.isEmpty() || area.isEmpty())
        return QSize();
    QSize fitted = picture.scaled(area, Qt::KeepAspectRatio);
    if (fitted.height() > 2 * picture.height())
        fitted = picture * 2;
    return fitted;
}

QSize CardPictureViewer::sizeHint() const
{
    const QScreen* screen = screenOf(this);
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QSize area = screen ? screen->availableSize() : QSize(800, 600);
    area -= QSize(kFrameAllowance, kFrameAllowance);
    const QSize device = fittedSize(m_source.size(), area * ratio);
    if (device.isEmpty())
        return QSize(200, 300);
    return QSize(qCeil(device.width() / ratio), qCeil(device.height() / ratio));
}

void CardPictureViewer::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    rescale();
}

void CardPictureViewer::rescale()
{
    const qreal ratio = devicePixelRatioF();
    const QSize device = fittedSize(m_source.size(), size() * ratio);
    if (device.isEmpty()) {
        m_scaled = QImage();
        return;
    }
    // Always from the full-size picture, never from a box's small copy: down is smooth
    // averaging, up at most twice.
    m_scaled = device == m_source.size() ? m_source
                                         : m_source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void CardPictureViewer::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_scaled.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    QImage image = m_scaled;
    // One image pixel to one device pixel.
    image.setDevicePixelRatio(ratio);
    // Centred on whole device pixels, so nothing is resampled on the way to the screen.
    const QPoint offset((qRound(width() * ratio) - image.width()) / 2, (qRound(height() * ratio) - image.height()) / 2);
    QPainter painter(this);
    painter.drawImage(QPointF(offset) / ratio, image);
}
