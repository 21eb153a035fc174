#pragma once
#include <QHash>
#include <QRadioButton>
#include <QTextLayout>

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
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QSize indicatorSize() const;
    int textLeft() const;
    // The height of the wrapped text at a width; laid out once per text, font and width.
    int textHeight(int textWidth) const;
    const QTextLayout& layout(int textWidth) const;
    void forgetLayouts() const;

    QString m_tag;
    mutable QString m_laidText;
    mutable QHash<int, int> m_heights;
    mutable QTextLayout m_layout;
    mutable int m_layoutWidth = -1;
};
