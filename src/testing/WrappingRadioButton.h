#pragma once
#include <QRadioButton>

// An option button whose caption is a paragraph: the text wraps to the button's width and
// the whole area is the button. text() is the caption as set. Tag() is the mark the
// question leaves on the right option.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(QWidget* parent = nullptr);

    QString Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QSize indicatorSize() const;
    int labelSpacing() const;
    QRect textRect(int width) const;

    QString m_tag;
};
