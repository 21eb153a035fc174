#include "shell/DueReminder.h"

#include "platform/AppPaths.h"
#include "platform/AppTitle.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/TrayIcon.h"
#include "progress/ReminderSettings.h"
#include "progress/ReviewSelection.h"
#include "shell/TrayControl.h"

DueReminder::DueReminder(const Services& services, TrayControl* control, ModelSource model, progress::CardNames names,
                         QObject* parent)
    : QObject(parent)
    , m_svc(services)
    , m_control(control)
    , m_model(std::move(model))
    , m_names(std::move(names))
{
    setObjectName(QStringLiteral("dueReminder"));
    m_hourly.setInterval(60 * 60 * 1000);
    connect(&m_hourly, &QTimer::timeout, this, &DueReminder::check);
    // Queued, so the start-up never waits for the progress store.
    connect(m_control, &TrayControl::iconAdded, this, [this] {
        m_hourly.start();
        QTimer::singleShot(0, this, &DueReminder::check);
    });
    if (m_svc.tray)
        connect(m_svc.tray, &TrayIcon::messageClicked, this, [this] {
            if (m_control->iconShown())
                m_control->mnuShow_Click();
            Q_EMIT progressRequested();
        });
}

void DueReminder::check()
{
    if (!m_control->iconShown()) {
        m_hourly.stop();
        return;
    }
    if (!m_svc.tray || !m_svc.tray->isAvailable() || !m_svc.settings || !m_svc.clock || !m_model)
        return;
    progress::ReminderSettings settings(*m_svc.settings, *m_svc.paths);
    const QDate today = m_svc.clock->today();
    if (m_shownOn == today || !settings.remindDue() || settings.lastReminder() == today)
        return;
    const int due = int(progress::ReviewSelection::of(m_model(), m_names).due.size());
    if (due == 0)
        return;
    m_svc.tray->showMessage(AppTitle(), due == 1 ? tr("1 card is due for review")
                                                 : tr("%1 cards are due for review").arg(due));
    m_shownOn = today;
    settings.setLastReminder(today); // a refusal only risks a second note on another run
}
