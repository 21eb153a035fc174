#pragma once
// A framed box that shows one picture, scaled to fit with its aspect ratio kept and centred.

#include <QFrame>
#include <QImage>

#include <memory>

class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // A null image empties the box.
    void setPicture(const QImage& picture);
    // The picture as the box shows it (turned when the box was turned).
    QImage picture() const;
    bool hasPicture() const { return !m_source.isNull(); }
    void clear();

    // The card the picture shows: read out with its orientation ("The Fool, upside down")
    // and the title of the large view.
    void setCardName(const QString& name);
    QString cardName() const { return m_cardName; }

    // A large view of the shown picture (double-click, or Z with the focus here).
    void showLargeView();

    // Turns the shown picture by 180 degrees; an empty box stays empty. The turn is applied
    // to the scaled drawing, so a turned box is exactly an upright box of the same size
    // turned by 180 degrees, pixel for pixel.
    void turnHalf();
    bool isHalfTurned() const { return m_turned; }

    // The drawing inside the frame, in device pixels, exactly as paintEvent draws it: at the
    // widget's own device pixel ratio, or at the given one.
    QImage rendered() const;
    QImage rendered(qreal devicePixelRatio) const;

    // Boxes of one size that show the same picture, one of them turned (the memorize view's
    // pair), scale it once between them.
    void shareScalingWith(PictureBox& other);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picture scaled (and turned) for an inner area of the given device size, and where
    // it stands inside that area.
    struct Placement {
        QImage scaled;
        QPoint offset;
    };
    const Placement& placement(QSize deviceSize) const;
    QSize deviceSize(qreal devicePixelRatio) const;
    void pictureChanged();
    void describe();

    // The last upright scaling, kept for the boxes that share it.
    class Scaling {
    public:
        QImage upright(const QImage& source, QSize size);

    private:
        qint64 m_key = 0;
        QSize m_size;
        QImage m_scaled;
    };

    QImage m_source; // upright, as given
    std::shared_ptr<Scaling> m_scaling = std::make_shared<Scaling>();
    bool m_turned = false;
    QString m_cardName;

    mutable Placement m_cache;
    mutable QSize m_cacheSize;
    mutable bool m_cacheValid = false;
};
