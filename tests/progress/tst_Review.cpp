#include "goals/GoalsScreen.h"
#include "progress/AnswerLog.h"
#include "progress/ReviewPanel.h"
#include "shell/DueReminder.h"
#include "shell/StartupOptions.h"
#include "shell/TrayControl.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace progress;
using namespace AnswerLog;

namespace {
// A card table without cards 40, 50 and 70, as after restoring a backup from another deck.
QString cardName(int id)
{
    if (id == 40 || id == 50 || id == 70)
        return {};
    return id == 19 ? QStringLiteral("The Moon") : id == 60 ? QStringLiteral("Nine of Swords") : QStringLiteral("Card %1").arg(id);
}

QList<int> clickFor(ReviewPanel& panel, const char* button)
{
    QSignalSpy spy(&panel, &ReviewPanel::drillRequested);
    auto* b = find<QPushButton>(&panel, QLatin1String(button));
    if (!b->isEnabled())
        return {-1};
    b->click();
    return spy.size() == 1 ? spy.front().front().value<QList<int>>() : QList<int>{-2};
}
} // namespace

class TestReview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dueWeakAndConfusedCards()
    {
        ReviewPanel panel(cardName);
        // 3: overdue for weeks; 5: forgotten today; 7: right today, not due; 40: not in the table.
        panel.setModel(replayed({right(3, 30), right(40, 30), right(7, 0), wrong(5, 0)}));
        QCOMPARE(clickFor(panel, "cmdReviewDue"), (QList<int>{3, 5}));
        // Cards missing from the table are neither due nor weak.
        panel.setModel(replayed({right(7, 0), right(40, 30), wrong(50, 1)}));
        QCOMPARE(clickFor(panel, "cmdReviewDue"), QList<int>{-1});
        QCOMPARE(clickFor(panel, "cmdPractiseWeak"), QList<int>{7});

        // The weakest ten: the longer since a right answer, the lower the recall chance today.
        QVector<AnswerRecord> log{right(50, 100)};
        for (int card = 1; card <= 12; ++card)
            log << right(card, card * 5);
        panel.setModel(replayed(log));
        QCOMPARE(clickFor(panel, "cmdPractiseWeak"), (QList<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3}));

        // Pairs confused both ways count together.
        panel.setModel(replayed({wrong(19, 3, 60), wrong(60, 2, 19), wrong(1, 2, 2),
                                 wrong(19, 1, 60), wrong(60, 0, 19), wrong(5, 0, 70)}));
        auto* list = find<QListWidget>(&panel, "lstConfusions");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("The Moon ↔ Nine of Swords — 4 times"));
        QCOMPARE(clickFor(panel, "cmdPractisePair"), QList<int>{-1});

        list->setCurrentRow(0);
        QCOMPARE(clickFor(panel, "cmdPractisePair"), (QList<int>{19, 60}));
        // A refresh keeps the pair selected.
        panel.setModel(replayed({wrong(60, 0, 19)}));
        QCOMPARE(clickFor(panel, "cmdPractisePair"), (QList<int>{19, 60}));
    }

    void reminder_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QStringList>("settings"); // the Progress group's keys and values
        QTest::addColumn<bool>("shown");
        QTest::newRow("due") << true << QStringList() << true;
        QTest::newRow("unticked") << true << QStringList{"RemindDue", "False"} << false;
        QTest::newRow("no tray") << false << QStringList{"RemindDue", "True"} << false;
        QTest::newRow("shown today") << true << QStringList{"RemindDue", "True", "LastReminder", kToday.toString(Qt::ISODate)} << false;
    }

    void reminder()
    {
        QFETCH(bool, tray);
        QFETCH(QStringList, settings);
        QFETCH(bool, shown);
        FakeServices fakes;
        fakes.tray.available = tray;
        for (int i = 0; i < settings.size(); i += 2)
            fakes.settings.values[FakeSettingsStore::path(fakes.paths.name, "Progress", settings[i])] = settings[i + 1];
        QWidget window;
        TrayControl control(&fakes.tray, &window);
        const MemoryModel model = replayed({right(4, 0), wrong(8, 0)});
        int modelReads = 0;
        DueReminder reminder(fakes.services(), &control, [&]() -> const MemoryModel& { ++modelReads; return model; });
        QSignalSpy progress(&reminder, &DueReminder::progressRequested);

        window.show();
        control.MinimizeToTray();
        QCOMPARE(modelReads, 0); // never during start-up
        QCoreApplication::processEvents();
        const QStringList expected = shown ? QStringList{"Lumenrest: 1 card is due for review"} : QStringList();
        QCOMPARE(fakes.tray.messages, expected);
        QCOMPARE(fakes.settings.writes.isEmpty(), !shown);
        reminder.check(); // once a day
        QCOMPARE(fakes.tray.messages, expected);
        if (!shown)
            return;

        fakes.clock.date = kToday.addDays(1);
        reminder.check();
        QCOMPARE(fakes.tray.messages.size(), 2);
        Q_EMIT fakes.tray.messageClicked();
        QVERIFY(window.isVisible() && !fakes.tray.shown && progress.size() == 1);
        fakes.clock.date = kToday.addDays(2);
        reminder.check(); // back on the screen: no more notes
        QCOMPARE(fakes.tray.messages.size(), 2);
    }

    void remindDueBoxKeepsItsOwnGroup()
    {
        FakeServices fakes;
        const QString stored = FakeSettingsStore::path(fakes.paths.name, "Progress", "RemindDue");
        fakes.settings.values[stored] = "False";
        StartupOptions frame(fakes.services());
        frame.show();
        auto* box = find<QCheckBox>(&frame, "chkRemindDue");
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        QVERIFY(fakes.settings.writes == QStringList{"RemindDue=True"} && fakes.settings.values.keys() == QStringList{stored});
    }

    void cardsKnownOnTheGoalsTab()
    {
        FakeServices fakes;
        GoalsScreen screen(fakes.services());
        // 1 and 2 known; 3 forgotten; 6 overdue.
        screen.setMeasured(replayed({right(1, 0), right(2, 1), wrong(3, 0), right(6, 40)}));
        QCOMPARE(find<QLabel>(&screen, "lblMeasured")->text().split(' ').filter(QRegularExpression("^\\d+$")), QStringList({"2", "78"})); // of 78
    }
};

LUMENREST_TEST_MAIN(TestReview)
#include "tst_Review.moc"
