#include "study/StudyObjectives.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>

class TestStudyObjectives : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildCardQuery_data()
    {
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<QString>("suits"); // ticked suits, C W P S
        QTest::addColumn<QString>("query");
        QTest::newRow("major only") << true << false << "CWPS"
                                    << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID";
        QTest::newRow("everything")
            << true << true << "CWPS"
            << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID";
        QTest::newRow("cups and swords") << false << true << "CS"
                                         << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=4) ORDER BY ID";
        QTest::newRow("wands only with major") << true << true << "W"
                                               << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=2) ORDER BY ID";
        QTest::newRow("pentacles only") << false << true << "P"
                                        << "SELECT * FROM tblCards WHERE (Group=3) ORDER BY ID";
    }

    void buildCardQuery()
    {
        QFETCH(bool, major);
        QFETCH(bool, minor);
        QFETCH(QString, suits);
        QFETCH(QString, query);
        StudyObjectives o;
        const QString letters = QStringLiteral("CWPS");
        // Tick the wanted suits first, so the last-suit rule never interferes.
        for (int i = 0; i < 4; ++i)
            o.chkGroup[i]->setChecked(true);
        for (int i = 0; i < 4; ++i)
            o.chkGroup[i]->setChecked(suits.contains(letters[i]));
        o.chkMajor->setChecked(major);
        o.chkMinor->setChecked(minor);
        QCOMPARE(o.BuildCardQuery(), query);
        // "Reversed" plays no part in the query.
        o.chkReversed->setChecked(!o.chkReversed->isChecked());
        QCOMPARE(o.BuildCardQuery(), query);
    }

    void suitsFollowMinorArcana()
    {
        StudyObjectives o;
        o.chkMinor->setChecked(false);
        for (QCheckBox* suit : o.chkGroup) {
            QVERIFY(!suit->isEnabled());
            QVERIFY(suit->isChecked()); // they keep their values
        }
        o.chkMinor->setChecked(true);
        for (QCheckBox* suit : o.chkGroup)
            QVERIFY(suit->isEnabled());
    }

    void lastSuitStaysTicked()
    {
        StudyObjectives o;
        o.chkGroup[0]->setChecked(false);
        o.chkGroup[2]->setChecked(false);
        o.chkGroup[3]->setChecked(false);
        QVERIFY(o.chkGroup[1]->isChecked());
        QTest::mouseClick(o.chkGroup[1], Qt::LeftButton); // the user tries too
        o.chkGroup[1]->setChecked(false);
        QVERIFY(o.chkGroup[1]->isChecked());
        QVERIFY(!o.chkGroup[0]->isChecked());
        // Loading "all suits off" one after the other leaves the last one ticked.
        StudyObjectives loaded;
        for (QCheckBox* suit : loaded.chkGroup)
            suit->setChecked(false);
        QVERIFY(!loaded.chkGroup[0]->isChecked());
        QVERIFY(loaded.chkGroup[3]->isChecked());
    }

    void bothArcanaOffDisablesNextAndReversed()
    {
        StudyObjectives o;
        QSignalSpy next(&o, &StudyObjectives::nextAllowed);
        o.chkMajor->setChecked(false);
        QVERIFY(o.chkReversed->isEnabled());
        QCOMPARE(next.takeLast().at(0).toBool(), true);
        o.chkMinor->setChecked(false);
        QVERIFY(!o.chkReversed->isEnabled());
        QCOMPARE(next.takeLast().at(0).toBool(), false);
        QVERIFY(!o.anyArcana());
        o.chkMajor->setChecked(true);
        QVERIFY(o.chkReversed->isEnabled());
        QCOMPARE(next.takeLast().at(0).toBool(), true);
    }

    void labelsShowOneAmpersand()
    {
        StudyObjectives o;
        QVERIFY(o.Label21->text().contains(QStringLiteral("upright & reversed")));
        QVERIFY(!o.Label21->text().contains(QStringLiteral("&&")));
    }
};

LUMENREST_TEST_MAIN(TestStudyObjectives)
#include "tst_StudyObjectives.moc"
