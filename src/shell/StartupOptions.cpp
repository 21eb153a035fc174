#include "shell/StartupOptions.h"

#include "controls/WrapLabel.h"
#include "platform/AppPaths.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "platform/StartupRegistry.h"
#include "platform/UiText.h"
#include "shell/AppSettings.h"
#include "shell/RemindDueBox.h"
#include "shell/SettingKeys.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

StartupOptions::StartupOptions(const Services& services, QWidget* parent)
    : QGroupBox(tr("Run on Windows Start-Up"), parent)
    , m_svc(services)
{
    setObjectName(QStringLiteral("fraSystemTray"));
    optRun = new QRadioButton(tr("Run at start-up"), this);
    optRun->setObjectName(QStringLiteral("optRun"));
    optDontRun = new QRadioButton(tr("Don't run at start-up"), this);
    optDontRun->setObjectName(QStringLiteral("optDontRun"));
    chkSysTray = new QCheckBox(tr("Start at system tray"), this);
    chkSysTray->setObjectName(QStringLiteral("chkSysTray"));
    Label14 = WrapLabel::plain("Label14",
        blankRunsAsBreaks(tr("This is a very important setting. Remember that if you want to get the most "
                                         "benefit from this program then you must have it running at all times.")
                          + QString(130, QLatin1Char(' '))
                          + tr("It is also important that you keep your goals in mind, hence starting in "
                                           "system tray will be a deterrent to those goals.")),
        this);

    optDontRun->setChecked(true);
    chkSysTray->setChecked(false);
    chkSysTray->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optRun);
    layout->addWidget(optDontRun);
    layout->addWidget(chkSysTray);
    layout->addWidget(new RemindDueBox(m_svc, this));
    layout->addWidget(Label14);
    layout->addStretch(1);

    // Connected after the designed states, so that building the frame changes nothing.
    connect(optRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optRun_Click();
    });
    connect(optDontRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optDontRun_Click();
    });
    connect(chkSysTray, &QCheckBox::toggled, this, [this] { chkSysTray_Click(); });
}

bool StartupOptions::IsRunAtStartup(const QString& name) const
{
    return m_svc.startup && m_svc.startup->exists(name);
}

bool StartupOptions::SetRunAtStartup(const QString& name, const QString& executablePath, bool enable)
{
    if (!m_svc.startup)
        return false;
    const StartupRegistry::Result r =
        enable ? m_svc.startup->write(name, executablePath) : m_svc.startup->remove(name);
    if (r.ok)
        return true;
    QString text;
    if (r.openFailed)
        text = tr("Error %1 opening key\n%2").arg(QString::number(r.code), r.description);
    else if (enable)
        text = tr("Error %1 setting key\n%2").arg(QString::number(r.code), r.description);
    else
        text = QString::number(r.code) + QLatin1Char(' ') + r.description;
    m_svc.dialogs->message(this, text, AppTitle(), Dialogs::Icon::None);
    return false;
}

void StartupOptions::showRegistration(bool registered)
{
    const QSignalBlocker blockRun(optRun);
    const QSignalBlocker blockDontRun(optDontRun);
    (registered ? optRun : optDontRun)->setChecked(true);
    chkSysTray->setEnabled(registered);
}

void StartupOptions::optRun_Click()
{
    const QString name = m_svc.paths->baseName();
    if (!SetRunAtStartup(name, m_svc.paths->executablePath(), true)) {
        // The option shows what the log-on list really holds, not what failed to happen.
        showRegistration(IsRunAtStartup(name));
        return;
    }
    chkSysTray->setEnabled(true);
}

void StartupOptions::optDontRun_Click()
{
    const QString name = m_svc.paths->baseName();
    if (!SetRunAtStartup(name, m_svc.paths->executablePath(), false)) {
        showRegistration(IsRunAtStartup(name));
        if (optRun->isChecked())
            return;
    }
    chkSysTray->setEnabled(false);
    chkSysTray->setChecked(false);
}

void StartupOptions::chkSysTray_Click()
{
    if (!m_svc.settings)
        return;
    const QString error = AppSettings(*m_svc.settings, *m_svc.paths).save(Settings::RunAtSysTray, chkSysTray->isChecked());
    if (!error.isEmpty())
        m_svc.dialogs->message(this, AppSettings::saveFailedMessage(error), AppTitle(), Dialogs::Icon::Critical);
}

void StartupOptions::loadRegistration()
{
    if (!IsRunAtStartup(m_svc.paths->baseName())) {
        // Already selected by design; its rule runs all the same.
        if (optDontRun->isChecked())
            optDontRun_Click();
        else
            optDontRun->setChecked(true);
        return;
    }
    if (optRun->isChecked())
        optRun_Click();
    else
        optRun->setChecked(true);
    if (!optRun->isChecked() || !m_svc.settings)
        return;
    chkSysTray->setChecked(AppSettings(*m_svc.settings, *m_svc.paths).value(Settings::RunAtSysTray));
}

bool StartupOptions::startInTray() const
{
    return chkSysTray->isChecked();
}
