#pragma once

class Dialogs;
class Browser;
class Clock;
class Random;
class AppPaths;
class SettingsStore;
class StartupRegistry;
class TrayIcon;

// The platform services handed to the windows; main() builds the real ones, tests the fakes.
struct Services {
    Dialogs* dialogs = nullptr;
    Browser* browser = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    AppPaths* paths = nullptr;
    SettingsStore* settings = nullptr;
    StartupRegistry* startup = nullptr;
    TrayIcon* tray = nullptr;
};
