#pragma once
// While the window waits behind the tray icon (a log-on start), one note a day tells the
// learner how many cards are due for review; clicking it brings the window back and asks for
// the Progress window.

#include "platform/Services.h"
#include "progress/AnswerCsv.h"

#include <QDate>
#include <QObject>
#include <QTimer>

#include <functional>

class TrayControl;

namespace progress {
class MemoryModel;
}

class DueReminder : public QObject {
    Q_OBJECT

public:
    // The learner's memory, read from the progress store when it is asked for.
    using ModelSource = std::function<const progress::MemoryModel&()>;

    // names: the card table's names, so cards it lacks are not counted (may be empty).
    DueReminder(const Services& services, TrayControl* control, ModelSource model, progress::CardNames names = {},
                QObject* parent = nullptr);

    // Shows today's note when the window is in the tray, reminders are on, none was shown
    // today and cards are due. Runs on its own soon after the icon is added, then hourly
    // while the window stays there, so a new day brings a new note.
    void check();

Q_SIGNALS:
    // The note was clicked: the window is back from the tray; the Progress window should open.
    void progressRequested();

private:
    Services m_svc;
    TrayControl* m_control;
    ModelSource m_model;
    progress::CardNames m_names;
    QTimer m_hourly;
    QDate m_shownOn; // also kept here, in case the settings store refuses the date
};
