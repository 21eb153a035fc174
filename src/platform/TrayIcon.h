#pragma once
#include <QObject>
#include <QPoint>

class QIcon;

// The notification-area icon. Its activations come back as signals.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayIcon() override = default;
    virtual bool isAvailable() const = 0;
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    virtual void remove() = 0;
    // A short note beside the icon while it is shown; a click on it comes back as messageClicked().
    virtual void showMessage(const QString& title, const QString& text) = 0;

Q_SIGNALS:
    void doubleClicked();
    void contextRequested(const QPoint& globalPos);
    void messageClicked();
};
