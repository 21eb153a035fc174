#pragma once
#include "controls/WrapLabel.h"

#include <QMouseEvent>

// A label that acts as a link: pointing-hand cursor, a click signal, and Enter or Space
// when it has the keyboard focus.
class ClickLabel : public WrapLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr)
        : WrapLabel(text, parent)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Q_EMIT clicked();
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
            Q_EMIT clicked();
        else
            QLabel::keyPressEvent(event);
    }
};
