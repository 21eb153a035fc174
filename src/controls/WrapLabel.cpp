#include "controls/WrapLabel.h"

#include <QEvent>

namespace {
// Layouts try a handful of widths; a few more covers a resize without growing for ever.
constexpr int kKept = 8;
}

WrapLabel::WrapLabel(QWidget* parent)
    : QLabel(parent)
{
}

WrapLabel::WrapLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

WrapLabel* WrapLabel::plain(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new WrapLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

WrapLabel::Shape WrapLabel::shape() const
{
    return {text(), font(), contentsMargins(), margin(), indent(), int(alignment()), int(textFormat()), wordWrap()};
}

int WrapLabel::heightForWidth(int width) const
{
    Shape now = shape();
    if (!(now == m_shape)) {
        m_shape = std::move(now);
        m_heights.clear();
    }
    for (const Measured& m : std::as_const(m_heights))
        if (m.width == width)
            return m.height;
    const int height = QLabel::heightForWidth(width);
    if (m_heights.size() == kKept)
        m_heights.removeFirst();
    m_heights.append({width, height});
    return height;
}

void WrapLabel::changeEvent(QEvent* event)
{
    // A new style may change the margins the text is laid out in.
    if (event->type() == QEvent::StyleChange)
        m_heights.clear();
    QLabel::changeEvent(event);
}
