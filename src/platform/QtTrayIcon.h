#pragma once
#include "platform/TrayIcon.h"

class QSystemTrayIcon;

// The notification-area icon through QSystemTrayIcon: a double-click and a context request
// come back as signals; a single click means nothing.
class QtTrayIcon final : public TrayIcon {
    Q_OBJECT
public:
    using TrayIcon::TrayIcon;
    bool isAvailable() const override;
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    void showMessage(const QString& title, const QString& text) override;

private:
    QSystemTrayIcon* m_icon = nullptr; // made on first use: looking for a tray host costs time
};
