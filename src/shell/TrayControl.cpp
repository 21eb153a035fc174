#include "shell/TrayControl.h"

#include "platform/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {
const QString kTip = QStringLiteral("Recent");
}

TrayControl::TrayControl(TrayIcon* tray, QWidget* window)
    : QObject(window)
    , m_tray(tray)
    , m_window(window)
{
    setObjectName(QStringLiteral("trayControl"));
    mnuPopUp = new QMenu(QStringLiteral("mnuPopUp"), window);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuShow = mnuPopUp->addAction(tr("Show"));
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    mnuExit = mnuPopUp->addAction(tr("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuPopUp->setDefaultAction(mnuShow); // drawn bold
    connect(mnuShow, &QAction::triggered, this, &TrayControl::mnuShow_Click);
    connect(mnuExit, &QAction::triggered, this, &TrayControl::mnuExit_Click);

    if (m_tray) {
        connect(m_tray, &TrayIcon::doubleClicked, this, [this] {
            if (m_iconShown)
                mnuShow_Click();
        });
        connect(m_tray, &TrayIcon::contextRequested, this, [this](const QPoint& pos) {
            if (m_iconShown)
                showPopUp(pos);
        });
    }
}

bool TrayControl::MinimizeToTray()
{
    if (!m_tray || !m_tray->isAvailable())
        return false;
    m_tray->add(m_window->windowIcon(), kTip);
    m_iconShown = true;
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    m_window->hide();
    Q_EMIT iconAdded();
    return true;
}

void TrayControl::RemoveTrayIcon()
{
    mnuPopUp->hide();
    if (m_tray)
        m_tray->remove();
    m_iconShown = false;
}

void TrayControl::mnuShow_Click()
{
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    RemoveTrayIcon();
}

void TrayControl::mnuExit_Click()
{
    m_window->close();
}

void TrayControl::showPopUp(const QPoint& globalPos)
{
    mnuPopUp->popup(globalPos, mnuShow);
}
