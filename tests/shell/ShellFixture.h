#pragma once
// A main window on fake services. The start-up only looks for the card database file, so
// an empty "learn.dll" does, and keeps these tests quick.

#include "cardstore/modDB.h"
#include "shell/frmMain.h"
#include "shell/frmNagScreen.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <memory>

struct ShellFixture {
    FakeServices fakes;
    std::unique_ptr<frmMain> window;

    explicit ShellFixture(bool withDatabase = true)
    {
        if (withDatabase) {
            QFile file(modDB::cardDatabasePath(fakes.paths.dir.path()));
            file.open(QIODevice::WriteOnly);
        }
    }
    ~ShellFixture()
    {
        window.reset();
        // Reminders left open hold pointers into these fakes.
        for (frmNagScreen* nag : reminders(false))
            delete nag;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmMain& create()
    {
        window = std::make_unique<frmMain>(fakes.services());
        return *window;
    }
    frmMain& load()
    {
        create();
        window->Form_Load();
        return *window;
    }
    // Registered to start at log-on, with "Start at system tray" stored as given.
    void registerLogOn(const QString& runAtSysTray)
    {
        fakes.startup.entries[fakes.paths.name] = QStringLiteral("/old/Lumenrest");
        fakes.settings.values[FakeSettingsStore::path(fakes.paths.name, QStringLiteral("Settings"),
                                                      QStringLiteral("RunAtSysTray"))] = runAtSysTray;
    }
    void store(const QString& key, const QString& value)
    {
        fakes.settings.values[FakeSettingsStore::path(fakes.paths.name, QStringLiteral("Settings"), key)] = value;
    }
    QString stored(const QString& key) const
    {
        return fakes.settings.values.value(FakeSettingsStore::path(fakes.paths.name, QStringLiteral("Settings"), key));
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
    static QList<QWidget*> visibleWindows()
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                found << w;
        return found;
    }
};
