#pragma once
// The Progress window: the whole deck marked by what the learner knows, the totals, charts
// of the answers over time, one card's history, and the progress file's export, backup and
// restore. Modeless; made once and shown again when asked for.

#include "progress/CardThumbnails.h"
#include "progress/MemoryModel.h"
#include "platform/Services.h"

#include <QList>
#include <QWidget>

class CardHistoryView;
class ProgressCharts;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;
namespace progress {
class ProgressService;
}

class frmProgress : public QWidget {
    Q_OBJECT
public:
    // Thumbnails are decoded to fit this box (logical pixels) at the screen's pixel ratio.
    static constexpr QSize kThumbnail{48, 80};

    frmProgress(const Services& services, progress::ProgressService& progress, QWidget* parent = nullptr);

    // Shows the window (raised, up to date); nothing of the store is read before this.
    void showWindow();

    // The place for the review controls (due cards, weakest cards, confused pairs), below the
    // totals. The window takes the panel.
    void addReviewPanel(QWidget* panel);
    // While a test runs, its answers only mark the window out of date: replaying the whole log
    // after each one would slow the test. It catches up when the test is over, or at once when
    // it is shown or activated.
    void setTestRunning(bool running);
    // Closes the window and asks for a test on these cards; the main window starts it.
    void requestDrill(const QList<int>& cardIds);

    // The cards of the card database in deck order, with names and thumbnails (loaded with
    // the first showing).
    const CardThumbnails& cards() const { return m_cards; }
    int selectedCard() const;
    void selectCard(int cardId);

    void cmdExportProgress_Click();
    void cmdBackupProgress_Click();
    void cmdRestoreProgress_Click();

    // The text a card's picture is read out with: "The Fool — known".
    static QString stateText(progress::CardState state);

Q_SIGNALS:
    void drillRequested(const QList<int>& cardIds);
    // The window shows the model as it now stands.
    void refreshed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    void scheduleRefresh();
    void fillDeck(const progress::MemoryModel& model);
    void showStoreProblem(const QString& text);
    QPixmap marked(const CardThumbnails::Card& card, progress::CardState state) const;
    void tell(const QString& text, bool failure);

    Services m_svc;
    progress::ProgressService& m_progress;
    CardThumbnails m_cards;
    QVector<int> m_shownStates; // per row of the deck list; -1 not drawn yet
    bool m_stale = true;
    QDate m_shownDay; // the day the window was last brought up to date
    bool m_refreshPending = false;
    bool m_testRunning = false;

    QLabel* lblProgressStore;
    QLabel* lblNoProgress;
    QLabel* lblDeckLegend;
    QListWidget* lstDeck;
    ProgressCharts* m_charts;
    QLabel* lblKnownCount;
    QLabel* lblAnswerCount;
    QLabel* lblTestCount;
    QLabel* lblDaysStudied;
    QLabel* lblStudyRun;
    QVBoxLayout* m_reviewSlot;
    CardHistoryView* m_history;
    QPushButton* cmdExportProgress;
    QPushButton* cmdBackupProgress;
    QPushButton* cmdRestoreProgress;
};
