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
    void buildCardQuery_data()
    {
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<QString>("suits"); // ticked suits, C W P S
        QTest::addColumn<QString>("query");
        QTest::newRow("major only; unticked minor leaves the suits out")
            << true << false << "CWPS" << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID";
        QTest::newRow("everything")
            << true << true << "CWPS"
            << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID";
        QTest::newRow("cups and swords") << false << true << "CS"
                                         << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=4) ORDER BY ID";
    }

    void buildCardQuery()
    {
        QFETCH(bool, major);
        QFETCH(bool, minor);
        QFETCH(QString, suits);
        StudyObjectives o;
        // Tick the wanted suits first, so the last-suit rule never interferes.
        for (int i = 0; i < 4; ++i)
            suit(o, i)->setChecked(true);
        for (int i = 0; i < 4; ++i)
            suit(o, i)->setChecked(suits.contains(QLatin1Char("CWPS"[i])));
        o.setTicked(StudyObjectives::Major, major);
        o.setTicked(StudyObjectives::Minor, minor);
        QTEST(o.BuildCardQuery(), "query");
        // "Reversed" plays no part in the query.
        box(o, "chkReversed")->setChecked(false);
        QTEST(o.BuildCardQuery(), "query");
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
