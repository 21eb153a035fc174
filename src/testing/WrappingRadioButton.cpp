#include "testing/WrappingRadioButton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int kMargin = 2;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
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

int WrappingRadioButton::labelSpacing() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, this);
}

QRect WrappingRadioButton::textRect(int width) const
{
    const int left = kMargin + indicatorSize().width() + labelSpacing();
    const int textWidth = std::max(1, width - left - kMargin);
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, textWidth, 1 << 20), kTextFlags, text());
    return QRect(left, kMargin, textWidth, bounds.height());
}

int WrappingRadioButton::heightForWidth(int width) const
{
    return std::max(textRect(width).height(), indicatorSize().height()) + 2 * kMargin;
}

QSize WrappingRadioButton::sizeHint() const
{
    // About sixty characters a line reads well; the layout widens it to the space there is.
    const int width = 2 * kMargin + indicatorSize().width() + labelSpacing() + fontMetrics().averageCharWidth() * 60;
    return {width, heightForWidth(width)};
}

QSize WrappingRadioButton::minimumSizeHint() const
{
    const int width = 2 * kMargin + indicatorSize().width() + labelSpacing() + fontMetrics().averageCharWidth() * 20;
    return {width, indicatorSize().height() + 2 * kMargin};
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    const QRect text = textRect(width());
    QStyleOptionButton indicator = opt;
    indicator.text.clear();
    const QSize size = indicatorSize();
    // Level with the first line of the text.
    const int top = kMargin + std::max(0, (fontMetrics().height() - size.height()) / 2);
    indicator.rect = QRect(QPoint(kMargin, top), size);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    style()->drawItemText(&p, text, kTextFlags, palette(), isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, -1, 1, 1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
