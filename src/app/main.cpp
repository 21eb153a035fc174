#include "cardstore/frmPicEntry.h"
#include "platform/AppPaths.h"
#include "platform/AppTitle.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/QtTrayIcon.h"
#include "platform/Random.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/StartupRegistry.h"
#include "shell/ProgramIcon.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The interface in the user's language where we have it (embedded under :/i18n), with
    // Qt's own buttons and context menus in the same language; English otherwise, never a mix.
    QTranslator translator;
    QTranslator qtTranslator;
    if (translator.load(QLocale::system(), QStringLiteral("lumenrest"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&translator);
        if (qtTranslator.load(QLocale(translator.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&qtTranslator);
    }
    QtAppPaths paths;
    QApplication::setOrganizationName(Organisation());
    QApplication::setApplicationName(paths.baseName());
    // Lets window managers and Wayland match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vellacourt.Lumenrest"));
    QApplication::setWindowIcon(ProgramIcon::icon());

    QtDialogs dialogs;
    QtBrowser browser;
    SystemClock clock;
    MtRandom random(clock);
    QtSettingsStore settings;
    const std::unique_ptr<StartupRegistry> startup = createStartupRegistry();
    QtTrayIcon tray;
    Services services;
    services.dialogs = &dialogs;
    services.browser = &browser;
    services.clock = &clock;
    services.random = &random;
    services.paths = &paths;
    services.settings = &settings;
    services.startup = startup.get();
    services.tray = &tray;

    // Maintainers fill the card database with the card editor; users never see it.
    if (QApplication::arguments().contains(QStringLiteral("--card-editor"))) {
        frmPicEntry editor(services);
        editor.show();
        return editor.isLoaded() ? app.exec() : 1;
    }

    frmMain window(services);
    // Without its card database the program cannot run: a failure for whoever started it.
    if (!window.Form_Load())
        return EXIT_FAILURE;
    return app.exec();
}
