#pragma once
#include <QWidget>

// A page of a tab widget. Qt sizes a tab widget by all of its pages, so a window would lay
// out the wrapped texts of every hidden page before it first appears. Until the page in view
// has been painted once, a hidden page asks for no room; then every page counts as usual.
class TabPage : public QWidget {
    Q_OBJECT
public:
    explicit TabPage(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;

private:
    bool putAway() const;
    void measureHiddenPages();
    bool m_waiting = true;
};
