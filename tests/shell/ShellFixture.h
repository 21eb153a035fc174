#pragma once
// A main window on fake services. The start-up only looks for the card database file, so
// an empty "learn.dll" does, and keeps these tests quick.

#include "shell/frmNagScreen.h"
#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QFile>

struct ShellFixture : MainWindowFixture {
    ShellFixture()
        : MainWindowFixture({}, false)
    {
        QFile(modDB::cardDatabasePath(fakes.paths.dir.path())).open(QIODevice::WriteOnly);
    }
    ~ShellFixture()
    {
        window.reset();
        // Reminders left open hold pointers into these fakes.
        qDeleteAll(reminders(false));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void store(const QString& key, const QString& value)
    {
        fakes.settings.values[FakeSettingsStore::path(fakes.paths.name, "Settings", key)] = value;
    }
    // Registered to start at log-on, with "Start at system tray" stored as given.
    void registerLogOn(const QString& runAtSysTray)
    {
        fakes.startup.entries[fakes.paths.name] = QStringLiteral("/old/Lumenrest");
        store("RunAtSysTray", runAtSysTray);
    }
    // Started from the log-on list with "Start at system tray" ticked.
    frmMain& startInTray()
    {
        registerLogOn("True");
        fakes.paths.args = QStringList{"Lumenrest", "/STARTUP"};
        return load();
    }

    // The support reminders that exist (visibleOnly: those on the screen).
    static QList<frmNagScreen*> reminders(bool visibleOnly = true)
    {
        QList<frmNagScreen*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* nag = qobject_cast<frmNagScreen*>(w); nag && (!visibleOnly || nag->isVisible()))
                found << nag;
        return found;
    }
    static int visibleWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip;
        return n;
    }
};
