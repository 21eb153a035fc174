#pragma once
#include "platform/Services.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QRadioButton;

// The "Run on Windows Start-Up" frame: log-on start and starting in the tray.
class StartupOptions : public QGroupBox {
    Q_OBJECT
public:
    explicit StartupOptions(const Services& services, QWidget* parent = nullptr);

    // Whether the log-on entry of that name exists.
    bool IsRunAtStartup(const QString& name) const;
    // Writes (enable) or deletes the log-on entry; a failure is shown to the user and
    // gives false.
    bool SetRunAtStartup(const QString& name, const QString& executablePath, bool enable);

    // At start-up: selects the option that matches the log-on entry (its click rule
    // re-writes an existing entry with the current path) and, only when registered,
    // takes "Start at system tray" from the settings store.
    void loadRegistration();
    // "Start at system tray" is ticked.
    bool startInTray() const;

private:
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();

    // Puts the option back to what the log-on list holds, without running its rule.
    void showRegistration(bool registered);

    QRadioButton* optRun;
    QRadioButton* optDontRun;
    QCheckBox* chkSysTray;
    QLabel* Label14;
    Services m_svc;
};
