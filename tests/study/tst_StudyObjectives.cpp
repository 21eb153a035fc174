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
    // The query text as the card database layer receives it; which rows each choice selects
    // is checked against a real deck by the main window's test.
    void buildCardQuery()
    {
        StudyObjectives o;
        QCOMPARE(o.BuildCardQuery(),
                 "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");
        o.setTicked(StudyObjectives::Major, false);
        o.setTicked(StudyObjectives::Wands, false);
        QCOMPARE(o.BuildCardQuery(), "SELECT * FROM tblCards WHERE (Group=1) OR (Group=3) OR (Group=4) ORDER BY ID");
    }

    void suitsFollowMinorArcanaAndTheLastStaysTicked()
    {
        StudyObjectives o;
        box(o, "chkMinor")->setChecked(false);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!suit(o, i)->isEnabled() && suit(o, i)->isChecked()); // they keep their values
        box(o, "chkMinor")->setChecked(true);
        for (int i : {0, 2, 3})
            suit(o, i)->setChecked(false);
        QVERIFY(suit(o, 1)->isEnabled());
        QTest::mouseClick(suit(o, 1), Qt::LeftButton); // the user tries too
        suit(o, 1)->setChecked(false);
        QVERIFY(suit(o, 1)->isChecked() && !suit(o, 0)->isChecked());
        // Loading "all suits off" one after the other leaves the last one ticked.
        StudyObjectives loaded;
        for (auto which : {StudyObjectives::Cups, StudyObjectives::Wands, StudyObjectives::Pentacles, StudyObjectives::Swords})
            loaded.setTicked(which, false);
        QVERIFY(!loaded.isTicked(StudyObjectives::Cups) && loaded.isTicked(StudyObjectives::Swords));
    }

    void bothArcanaOffDisablesNextAndReversed()
    {
        StudyObjectives o;
        QSignalSpy next(&o, &StudyObjectives::nextAllowed);
        QCheckBox* reversed = box(o, "chkReversed");
        for (auto [which, on, allowed] : {std::tuple(StudyObjectives::Major, false, true), {StudyObjectives::Minor, false, false},
                                          {StudyObjectives::Major, true, true}}) {
            o.setTicked(which, on);
            QCOMPARE(reversed->isEnabled(), allowed);
            QCOMPARE(next.takeLast().at(0).toBool(), allowed);
            QCOMPARE(o.anyArcana(), allowed);
        }
        QVERIFY(o.reversedTicked());
    }
};

LUMENREST_TEST_MAIN(TestStudyObjectives)
#include "tst_StudyObjectives.moc"
