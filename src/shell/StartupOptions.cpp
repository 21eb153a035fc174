#include "shell/StartupOptions.h"

#include "platform/UiText.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

StartupOptions::StartupOptions(QWidget* parent)
    : QGroupBox(QStringLiteral("Run on Windows Start-Up"), parent)
{
    setObjectName(QStringLiteral("fraSystemTray"));
    optRun = new QRadioButton(QStringLiteral("Run at start-up"), this);
    optRun->setObjectName(QStringLiteral("optRun"));
    optDontRun = new QRadioButton(QStringLiteral("Don't run at start-up"), this);
    optDontRun->setObjectName(QStringLiteral("optDontRun"));
    chkSysTray = new QCheckBox(QStringLiteral("Start at system tray"), this);
    chkSysTray->setObjectName(QStringLiteral("chkSysTray"));
    Label14 = new QLabel(
        blankRunsAsBreaks(QStringLiteral("This is a very important setting. Remember that if you want to get the most "
                                         "benefit from this program then you must have it running at all times.")
                          + QString(130, QLatin1Char(' '))
                          + QStringLiteral("It is also important that you keep your goals in mind, hence starting in "
                                           "system tray will be a deterrent to those goals.")),
        this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setWordWrap(true);
    Label14->setTextFormat(Qt::PlainText);

    optDontRun->setChecked(true);
    chkSysTray->setChecked(false);
    chkSysTray->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optRun);
    layout->addWidget(optDontRun);
    layout->addWidget(chkSysTray);
    layout->addWidget(Label14);
    layout->addStretch(1);
}
