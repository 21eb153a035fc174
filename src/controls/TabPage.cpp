#include "controls/TabPage.h"

#include <QEvent>
#include <QTimer>

TabPage::TabPage(QWidget* parent)
    : QWidget(parent)
{
}

bool TabPage::putAway() const
{
    // Only a page the tab widget hid: before the window is shown every widget counts as
    // hidden, and the page in view must be measured then.
    return m_waiting && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
}

QSize TabPage::sizeHint() const
{
    return putAway() ? QSize(0, 0) : QWidget::sizeHint();
}

QSize TabPage::minimumSizeHint() const
{
    return putAway() ? QSize(0, 0) : QWidget::minimumSizeHint();
}

bool TabPage::hasHeightForWidth() const
{
    return !putAway() && QWidget::hasHeightForWidth();
}

int TabPage::heightForWidth(int width) const
{
    return putAway() ? -1 : QWidget::heightForWidth(width);
}

bool TabPage::event(QEvent* event)
{
    // Once the window is on screen, the other pages are measured in the next idle moment,
    // so the window's minimum size covers every page again.
    if (event->type() == QEvent::Paint && m_waiting)
        QTimer::singleShot(0, this, &TabPage::measureHiddenPages);
    return QWidget::event(event);
}

void TabPage::measureHiddenPages()
{
    const QList<TabPage*> pages = parentWidget() ? parentWidget()->findChildren<TabPage*>(Qt::FindDirectChildrenOnly)
                                                 : QList<TabPage*>{this};
    for (TabPage* page : pages) {
        if (!page->m_waiting)
            continue;
        page->m_waiting = false;
        page->updateGeometry();
    }
}
