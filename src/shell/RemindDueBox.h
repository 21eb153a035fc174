#pragma once
#include "platform/Services.h"

#include <QCheckBox>

// "Remind me when cards are due": stored at each change, as "Start at system tray" is, in the
// reminder's own settings group. Its stored state is read when it is first seen, so the
// start-up reads nothing more.
class RemindDueBox : public QCheckBox {
    Q_OBJECT

public:
    explicit RemindDueBox(const Services& services, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void chkRemindDue_Click();

    Services m_svc;
    bool m_loaded = false;
};
