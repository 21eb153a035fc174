#pragma once
#include "shell/AppSettings.h"

class StartupOptions;
class StudyObjectives;
class TestOptions;

// The Settings tab's choices kept between runs: read once at start-up, written by
// "Save Current Settings As Default".
class UserSettings {
public:
    UserSettings(const AppSettings& store, StudyObjectives& objectives, TestOptions& testOptions,
                 StartupOptions& startupOptions);

    // Eight keys in order, each applied before the next is read. Each change runs the
    // control's own rule, so the last-suit and test-type rules hold while loading.
    void LoadSettings();
    // All nine keys in order, from the controls as they stand. Stops at the first value that
    // cannot be stored and returns why; an empty text when all were.
    QString cmdSaveSettings_Click();

private:
    AppSettings m_store;
    StudyObjectives& m_objectives;
    TestOptions& m_testOptions;
    StartupOptions& m_startupOptions;
};
