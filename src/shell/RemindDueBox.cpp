#include "shell/RemindDueBox.h"

#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "progress/ReminderSettings.h"
#include "shell/AppSettings.h"

#include <QSignalBlocker>

RemindDueBox::RemindDueBox(const Services& services, QWidget* parent)
    : QCheckBox(tr("Remind me when cards are due"), parent)
    , m_svc(services)
{
    setObjectName(QStringLiteral("chkRemindDue"));
    setChecked(true);
    connect(this, &QCheckBox::toggled, this, &RemindDueBox::chkRemindDue_Click);
}

void RemindDueBox::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        load();
    QCheckBox::showEvent(event);
}

void RemindDueBox::load()
{
    m_loaded = true;
    if (!m_svc.settings || !m_svc.paths)
        return;
    // The stored value is shown, not stored again.
    const QSignalBlocker block(this);
    setChecked(progress::ReminderSettings(*m_svc.settings, *m_svc.paths).remindDue());
}

void RemindDueBox::chkRemindDue_Click()
{
    if (!m_svc.settings || !m_svc.paths)
        return;
    const QString error = progress::ReminderSettings(*m_svc.settings, *m_svc.paths).setRemindDue(isChecked());
    if (error.isEmpty())
        m_loaded = true; // the store now holds what the box shows
    else if (m_svc.dialogs)
        m_svc.dialogs->message(this, AppSettings::saveFailedMessage(error), AppTitle(), Dialogs::Icon::Critical);
}
