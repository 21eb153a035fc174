#include "study/StudyObjectives.h"
#include "support/Find.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QSignalSpy>

namespace {
QCheckBox* box(const StudyObjectives& o, const QString& name) { return find<QCheckBox>(&o, name); }
QCheckBox* suit(const StudyObjectives& o, int i) { return box(o, QStringLiteral("chkGroup_%1").arg(i)); }
} // namespace

class TestStudyObjectives : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Loading "all suits off" is tst_Settings' "everything off" row.
    void suitsFollowMinorArcanaAndTheLastStaysTicked()
    {
        StudyObjectives o;
        box(o, "chkMinor")->setChecked(false);
        QVERIFY(!suit(o, 2)->isEnabled() && suit(o, 2)->isChecked()); // they keep their values
        box(o, "chkMinor")->setChecked(true);
        for (int i : {0, 2, 3})
            suit(o, i)->setChecked(false);
        QVERIFY(suit(o, 1)->isEnabled());
        QTest::mouseClick(suit(o, 1), Qt::LeftButton); // the user tries too
        suit(o, 1)->setChecked(false);
        QVERIFY(suit(o, 1)->isChecked() && !suit(o, 0)->isChecked());
    }

    void bothArcanaOffDisablesNextAndReversed()
    {
        StudyObjectives o;
        QSignalSpy next(&o, &StudyObjectives::nextAllowed);
        for (auto [which, on, allowed] : {std::tuple(StudyObjectives::Major, false, true), {StudyObjectives::Minor, false, false},
                                          {StudyObjectives::Major, true, true}}) {
            o.setTicked(which, on);
            QVERIFY(box(o, "chkReversed")->isEnabled() == allowed && next.takeLast().at(0).toBool() == allowed && o.anyArcana() == allowed);
        }
        QVERIFY(o.reversedTicked());
    }
};

LUMENREST_TEST_MAIN(TestStudyObjectives)
#include "tst_StudyObjectives.moc"
