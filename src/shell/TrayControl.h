#pragma once
#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QWidget;
class TrayIcon;

// The main window's stay in the notification area: hidden behind the icon at a log-on
// start, back with "Show" (double-click or the pop-up menu), closed with "Exit".
class TrayControl : public QObject {
    Q_OBJECT
public:
    // The pop-up menu is a child of the window, so it is found among the window's controls.
    TrayControl(TrayIcon* tray, QWidget* window);

    // Adds the icon, minimises and hides the window. Where the platform has no tray the
    // window would be lost, so nothing happens and the answer is false.
    bool MinimizeToTray();
    // Harmless when no icon was added.
    void RemoveTrayIcon();
    // The window is hidden behind the icon.
    bool iconShown() const { return m_iconShown; }
    void mnuShow_Click();
    void mnuExit_Click();

    QMenu* mnuPopUp;
    QAction* mnuShow;
    QAction* mnuExit;

Q_SIGNALS:
    // The window has just been hidden behind the icon.
    void iconAdded();

private:
    void showPopUp(const QPoint& globalPos);

    TrayIcon* m_tray;
    QWidget* m_window;
    bool m_iconShown = false;
};
