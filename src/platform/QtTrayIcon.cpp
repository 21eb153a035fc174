#include "platform/QtTrayIcon.h"

#include <QCursor>
#include <QSystemTrayIcon>

bool QtTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const QIcon& icon, const QString& tip)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::DoubleClick:
                Q_EMIT doubleClicked();
                break;
            case QSystemTrayIcon::Context:
                Q_EMIT contextRequested(QCursor::pos());
                break;
            default:
                break; // a single or middle click does nothing
            }
        });
        connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void QtTrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

void QtTrayIcon::showMessage(const QString& title, const QString& text)
{
    if (m_icon && m_icon->isVisible())
        m_icon->showMessage(title, text, QSystemTrayIcon::Information);
}
