#pragma once
#include <QLabel>
#include <QVector>

// A QLabel that remembers the heights it has measured. While a window is laid out the
// layouts ask a word-wrapped label for the same few widths again and again (a tab's hidden
// pages included), and QLabel lays its whole text out for every answer.
class WrapLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrapLabel(QWidget* parent = nullptr);
    explicit WrapLabel(const QString& text, QWidget* parent = nullptr);

    // A word-wrapped label named name whose text is shown as it stands, never read as markup
    // (card texts, paths and messages may hold '<' or '&').
    static WrapLabel* plain(const char* name, const QString& text, QWidget* parent);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Everything of the label's own that a measured height depends on.
    struct Shape {
        QString text;
        QFont font;
        QMargins contents;
        int margin = 0;
        int indent = 0;
        int alignment = 0;
        int format = 0;
        bool wraps = false;
        bool operator==(const Shape&) const = default;
    };
    Shape shape() const;

    struct Measured {
        int width;
        int height;
    };
    mutable Shape m_shape;
    mutable QVector<Measured> m_heights;
};
