#include "shell/UserSettings.h"

#include "shell/SettingKeys.h"
#include "shell/StartupOptions.h"
#include "study/StudyObjectives.h"
#include "testing/TestOptions.h"

namespace {

// The study boxes in the order of Settings::StudyBoxes.
constexpr StudyObjectives::Box kBoxes[] = {StudyObjectives::Major, StudyObjectives::Minor, StudyObjectives::Cups,
                                           StudyObjectives::Wands, StudyObjectives::Pentacles, StudyObjectives::Swords};
static_assert(std::size(kBoxes) == Settings::StudyBoxes.size());

} // namespace

UserSettings::UserSettings(const AppSettings& store, StudyObjectives& objectives, TestOptions& testOptions,
                           StartupOptions& startupOptions)
    : m_store(store)
    , m_objectives(objectives)
    , m_testOptions(testOptions)
    , m_startupOptions(startupOptions)
{
}

void UserSettings::LoadSettings()
{
    for (std::size_t i = 0; i < Settings::StudyBoxes.size(); ++i)
        m_objectives.setTicked(kBoxes[i], m_store.value(Settings::StudyBoxes[i]) == 1);
    m_testOptions.setTestType(m_store.value(Settings::TestType));
    m_testOptions.setDifficulty(m_store.value(Settings::Difficulty));
}

QString UserSettings::cmdSaveSettings_Click()
{
    QString error;
    for (std::size_t i = 0; i < Settings::StudyBoxes.size() && error.isEmpty(); ++i)
        error = m_store.save(Settings::StudyBoxes[i], m_objectives.isTicked(kBoxes[i]) ? 1 : 0);
    if (error.isEmpty())
        error = m_store.save(Settings::TestType, m_testOptions.testType());
    if (error.isEmpty())
        error = m_store.save(Settings::Difficulty, m_testOptions.difficulty());
    if (error.isEmpty())
        error = m_store.save(Settings::RunAtSysTray, m_startupOptions.startInTray());
    return error;
}
