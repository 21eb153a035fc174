#include "shell/UserSettings.h"

#include "shell/StartupOptions.h"
#include "study/StudyObjectives.h"
#include "testing/TestOptions.h"

#include <QCheckBox>
#include <QRadioButton>

#include <array>

namespace {

// The six study boxes, in the order they are stored.
const std::array<QString, 6> kBoxKeys{QStringLiteral("MajorArcana"), QStringLiteral("MinorArcana"),
                                      QStringLiteral("Cups"),        QStringLiteral("Wands"),
                                      QStringLiteral("Pentacles"),   QStringLiteral("Swords")};
const QString kTestType = QStringLiteral("TestType");
const QString kDifficulty = QStringLiteral("Difficulty");
const QString kRunAtSysTray = QStringLiteral("RunAtSysTray");

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
    const std::array<QCheckBox*, 6> boxes{m_objectives.chkMajor,    m_objectives.chkMinor,
                                          m_objectives.chkGroup[0], m_objectives.chkGroup[1],
                                          m_objectives.chkGroup[2], m_objectives.chkGroup[3]};
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int state = AppSettings::toIndex(m_store.GetSetting(kBoxKeys[i], QStringLiteral("1")), 1, 2);
        boxes[i]->setChecked(state == 1);
    }
    const int type = AppSettings::toIndex(m_store.GetSetting(kTestType, QStringLiteral("1")), 1, 2);
    m_testOptions.optTestType[type]->setChecked(true);
    const int level = AppSettings::toIndex(m_store.GetSetting(kDifficulty, QStringLiteral("0")), 0, 3);
    m_testOptions.optDifficulty[level]->setChecked(true);
}

QString UserSettings::cmdSaveSettings_Click()
{
    const std::array<QCheckBox*, 6> boxes{m_objectives.chkMajor,    m_objectives.chkMinor,
                                          m_objectives.chkGroup[0], m_objectives.chkGroup[1],
                                          m_objectives.chkGroup[2], m_objectives.chkGroup[3]};
    QList<std::pair<QString, QString>> values;
    for (size_t i = 0; i < boxes.size(); ++i)
        values.append({kBoxKeys[i], boxes[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0")});
    values.append({kTestType, QString::number(m_testOptions.testType())});
    values.append({kDifficulty, QString::number(m_testOptions.difficulty())});
    values.append({kRunAtSysTray, m_startupOptions.chkSysTray->isChecked() ? QStringLiteral("True")
                                                                          : QStringLiteral("False")});
    for (const auto& [key, value] : values) {
        if (const QString error = m_store.SaveSetting(key, value); !error.isEmpty())
            return error;
    }
    return {};
}
