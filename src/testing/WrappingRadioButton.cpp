#include "testing/WrappingRadioButton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLine>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMargin = 2;
}

WrappingRadioButton::WrappingRadioButton(QWidget* parent)
    : QRadioButton(parent)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize WrappingRadioButton::indicatorSize() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return {style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this),
            style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this)};
}

int WrappingRadioButton::textLeft() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return kMargin + indicatorSize().width() + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, this);
}

void WrappingRadioButton::forgetLayouts() const
{
    m_heights.clear();
    m_layoutWidth = -1;
}

const QTextLayout& WrappingRadioButton::layout(int textWidth) const
{
    // Laying out a paragraph is the costly part of showing a question, and layouts ask for
    // the same widths again and again: keep the last layout and every height measured.
    if (m_laidText != text()) {
        m_laidText = text();
        forgetLayouts();
    }
    if (m_layoutWidth != textWidth) {
        m_layout.setText(m_laidText);
        m_layout.setFont(font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
            line.setLineWidth(textWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        m_layout.endLayout();
        m_layoutWidth = textWidth;
        m_heights.insert(textWidth, int(std::ceil(y)));
    }
    return m_layout;
}

int WrappingRadioButton::textHeight(int textWidth) const
{
    if (m_laidText != text()) {
        m_laidText = text();
        forgetLayouts();
    }
    const auto it = m_heights.constFind(textWidth);
    if (it != m_heights.constEnd())
        return *it;
    layout(textWidth);
    return m_heights.value(textWidth);
}

int WrappingRadioButton::heightForWidth(int width) const
{
    const int textWidth = std::max(1, width - textLeft() - kMargin);
    return std::max(textHeight(textWidth), indicatorSize().height()) + 2 * kMargin;
}

QSize WrappingRadioButton::sizeHint() const
{
    // About sixty characters a line reads well; the layout widens it to the space there is.
    const int width = textLeft() + kMargin + fontMetrics().averageCharWidth() * 60;
    return {width, heightForWidth(width)};
}

QSize WrappingRadioButton::minimumSizeHint() const
{
    const int width = textLeft() + kMargin + fontMetrics().averageCharWidth() * 20;
    return {width, indicatorSize().height() + 2 * kMargin};
}

void WrappingRadioButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forgetLayouts();
    QRadioButton::changeEvent(event);
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    QStyleOptionButton indicator = opt;
    indicator.text.clear();
    const QSize size = indicatorSize();
    // Level with the first line of the text.
    const int top = kMargin + std::max(0, (fontMetrics().height() - size.height()) / 2);
    indicator.rect = QRect(QPoint(kMargin, top), size);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const int left = textLeft();
    const int textWidth = std::max(1, width() - left - kMargin);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    layout(textWidth).draw(&p, QPointF(left, kMargin));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(left, kMargin, textWidth, textHeight(textWidth)).adjusted(-1, -1, 1, 1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
