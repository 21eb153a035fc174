#include "study/StudyObjectives.h"

#include "study/DeckQuery.h"
#include "controls/WrapLabel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

StudyObjectives::StudyObjectives(QWidget* parent)
    : QGroupBox(tr("Select Objectives"), parent)
{
    setObjectName(QStringLiteral("Frame4"));
    auto make = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setChecked(true);
        return box;
    };
    chkMajor = make("chkMajor", tr("Major Arcana"));
    chkMinor = make("chkMinor", tr("Minor Arcana"));
    const QString suits[] = {tr("Cups"), tr("Wands"), tr("Pentacles"),
                             tr("Swords")};
    for (int i = 0; i < 4; ++i)
        chkGroup[i] = make(qPrintable(QStringLiteral("chkGroup_%1").arg(i)), suits[i]);
    chkReversed = make("chkReversed", tr("Reversed"));

    Label18 = WrapLabel::plain("Label18",
                               tr("Here you can select the cards you want to practice / memorize. You can change "
                                  "these whenever you want or when you have cleared one objective."),
                               this);
    // A label without a buddy shows "&" as it is, so the text holds one.
    Label21 = WrapLabel::plain("Label21",
                               tr("Since the keywords for both upright & reversed are the same, during keyword "
                                  "test, reversed or upright will not be taken into account. Also during the "
                                  "memorizing process everything - upright, reversed & keywords - are shown in "
                                  "one screen."),
                               this);

    auto* suitsBox = new QGridLayout;
    suitsBox->setContentsMargins(24, 0, 0, 0);
    for (int i = 0; i < 4; ++i)
        suitsBox->addWidget(chkGroup[i], i / 2, i % 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label18);
    layout->addWidget(chkMajor);
    layout->addWidget(chkMinor);
    layout->addLayout(suitsBox);
    layout->addWidget(chkReversed);
    layout->addWidget(Label21);
    layout->addStretch(1);

    // Program changes run the rules too, as the settings load relies on.
    connect(chkMajor, &QCheckBox::toggled, this, [this] { chkMajor_Click(); });
    connect(chkMinor, &QCheckBox::toggled, this, [this] { chkMinor_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(chkGroup[i], &QCheckBox::toggled, this, [this, i] { chkGroup_Click(i); });
}

bool StudyObjectives::anyArcana() const
{
    return chkMajor->isChecked() || chkMinor->isChecked();
}

bool StudyObjectives::reversedTicked() const
{
    return chkReversed->isChecked();
}

QCheckBox* StudyObjectives::box(Box which) const
{
    switch (which) {
    case Major:
        return chkMajor;
    case Minor:
        return chkMinor;
    default:
        return chkGroup[std::size_t(which - Cups)];
    }
}

bool StudyObjectives::isTicked(Box which) const
{
    return box(which)->isChecked();
}

void StudyObjectives::setTicked(Box which, bool ticked)
{
    box(which)->setChecked(ticked);
}

void StudyObjectives::setReversedAllowed(bool allowed)
{
    chkReversed->setEnabled(allowed);
}

void StudyObjectives::arcanaRule()
{
    const bool allowed = anyArcana();
    Q_EMIT nextAllowed(allowed);
    chkReversed->setEnabled(allowed);
}

void StudyObjectives::chkMajor_Click()
{
    arcanaRule();
}

void StudyObjectives::chkMinor_Click()
{
    arcanaRule();
    for (QCheckBox* suit : chkGroup)
        suit->setEnabled(chkMinor->isChecked());
}

void StudyObjectives::chkGroup_Click(int Index)
{
    for (QCheckBox* suit : chkGroup)
        if (suit->isChecked())
            return;
    // The last suit cannot be unticked.
    chkGroup[Index]->setChecked(true);
}

QString StudyObjectives::BuildCardQuery() const
{
    std::array<bool, 4> suits{};
    for (int i = 0; i < 4; ++i)
        suits[std::size_t(i)] = chkGroup[i]->isChecked() && chkGroup[i]->isEnabledTo(this);
    return DeckQuery::objectives(chkMajor->isChecked(), suits);
}
