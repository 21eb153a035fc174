#include "testing/TestOptions.h"

#include "controls/WrapLabel.h"
#include "platform/UiText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* explanation(const char* name, const QString& caption, QWidget* parent)
{
    return WrapLabel::plain(name, blankRunsAsBreaks(caption), parent);
}

} // namespace

TestOptions::TestOptions(QWidget* parent)
    : QWidget(parent)
{
    Frame2 = new QGroupBox(tr("Test Type"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    const QString types[] = {tr("Description"), tr("Keywords")};
    auto* typeLayout = new QVBoxLayout(Frame2);
    for (int i = 0; i < 2; ++i) {
        optTestType[i] = new QRadioButton(types[i], Frame2);
        optTestType[i]->setObjectName(QStringLiteral("optTestType_%1").arg(i));
        typeLayout->addWidget(optTestType[i]);
    }
    Label20 = explanation("Label20",
                          tr("This option applies only when taking the test.") + QString(129, QLatin1Char(' '))
                              + tr("You can choose to take the test based on keywords or descriptions. It is "
                                               "important to remember that when doing an actual reading, the meaning of "
                                               "the card changes  depending upon the question asked. So knowing the "
                                               "keywords related to a particular card is more important. "),
                          Frame2);
    typeLayout->addWidget(Label20);
    typeLayout->addStretch(1);

    Frame1 = new QGroupBox(tr("Test Level"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const QString levels[] = {tr("Beginner"), tr("Intermediate"), tr("Advanced")};
    auto* levelLayout = new QVBoxLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        optDifficulty[i] = new QRadioButton(levels[i], Frame1);
        optDifficulty[i]->setObjectName(QStringLiteral("optDifficulty_%1").arg(i));
        levelLayout->addWidget(optDifficulty[i]);
    }
    Label19 = explanation("Label19",
                          tr("This option applies only when taking the test.") + QString(126, QLatin1Char(' '))
                              + tr("Here you can choose the level of difficulty while taking a test. The "
                                               "difficulty increases with each level.   "),
                          Frame1);
    levelLayout->addWidget(Label19);
    levelLayout->addStretch(1);

    optTestType[0]->setChecked(true);
    optDifficulty[0]->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame2, 1);
    layout->addWidget(Frame1, 1);

    for (int i = 0; i < 2; ++i)
        connect(optTestType[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optTestType_Click(i);
        });
}

int TestOptions::testType() const
{
    return optTestType[0]->isChecked() ? 0 : 1;
}

bool TestOptions::isDescription() const
{
    return optTestType[0]->isChecked();
}

int TestOptions::difficulty() const
{
    if (optDifficulty[0]->isChecked())
        return 0;
    return optDifficulty[1]->isChecked() ? 1 : 2;
}

void TestOptions::setTestType(int type)
{
    optTestType[std::size_t(type)]->setChecked(true);
}

void TestOptions::setDifficulty(int level)
{
    optDifficulty[std::size_t(level)]->setChecked(true);
}

void TestOptions::optTestType_Click(int Index)
{
    Q_EMIT reversedAllowed(Index == 0);
}
