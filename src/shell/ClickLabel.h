#pragma once
#include "controls/WrapLabel.h"

// A label that acts as a link: pointing-hand cursor, a click signal, Enter or Space when it
// has the keyboard focus, and announced to screen readers as a link. Its text stays plain.
class ClickLabel : public WrapLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does; also the link's press action for assistive technology.
    void activate() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
