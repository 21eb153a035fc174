#pragma once
// A large view of one card picture: as tall as the screen allows, drawn at the screen's
// own resolution from the full-size picture, closed with Esc.

#include <QDialog>
#include <QImage>

class CardPictureViewer : public QDialog {
    Q_OBJECT
public:
    // The picture as given is shown (already turned when the card is shown upside down).
    CardPictureViewer(const QImage& picture, const QString& cardName, const QString& description,
                      QWidget* parent = nullptr);

    // Opens a view of the picture over `parent`; nothing happens for a null picture. The
    // view is deleted when it closes.
    static CardPictureViewer* view(const QImage& picture, const QString& cardName, const QString& description,
                                   QWidget* parent);

    // The size in device pixels at which a picture is drawn inside an area (device pixels):
    // as large as fits, but never more than twice the picture's own size, so small pictures
    // are not blown up into a blur.
    static QSize fittedSize(QSize picture, QSize area);

    // The drawing as shown: device pixels, scaled once from the full-size picture.
    QImage shownImage() const { return m_scaled; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rescale();

    QImage m_source;
    QImage m_scaled;
};
