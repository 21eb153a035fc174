#include "progress/frmProgress.h"

#include "cardstore/modDB.h"
#include "controls/WrapLabel.h"
#include "platform/AppPaths.h"
#include "platform/AppTitle.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "progress/CardHistoryView.h"
#include "progress/ProgressCharts.h"
#include "progress/ProgressService.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using progress::CardState;

namespace {

QLabel* line(const char* name, QWidget* parent) { return WrapLabel::plain(name, QString(), parent); }

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// A letter in a shape of its own, so the state reads without colour as well.
QString badgeLetter(CardState state)
{
    switch (state) {
    case CardState::Known: return frmProgress::tr("K");
    case CardState::ToReview: return frmProgress::tr("R");
    case CardState::New: break;
    }
    return frmProgress::tr("N");
}

} // namespace

frmProgress::frmProgress(const Services& services, progress::ProgressService& progress, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_svc(services)
    , m_progress(progress)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("My Progress - %1").arg(AppTitle()));

    lblProgressStore = line("lblProgressStore", this);
    lblProgressStore->hide();
    lblNoProgress = line("lblNoProgress", this);
    lblNoProgress->setText(tr("Your progress appears here after your first test: every answer you give is kept, and "
                              "each card below then shows whether you know it."));
    lblNoProgress->hide();
    lblDeckLegend = line("lblDeckLegend", this);
    lblDeckLegend->setText(tr("K known · R to review · N new. Choose a card to see its history."));

    lstDeck = new QListWidget(this);
    lstDeck->setObjectName(QStringLiteral("lstDeck"));
    lstDeck->setAccessibleName(tr("The deck"));
    lstDeck->setViewMode(QListView::IconMode);
    lstDeck->setMovement(QListView::Static);
    lstDeck->setResizeMode(QListView::Adjust);
    lstDeck->setWrapping(true);
    lstDeck->setUniformItemSizes(true);
    lstDeck->setIconSize(kThumbnail);
    lstDeck->setGridSize(kThumbnail + QSize(8, 8));
    lstDeck->setSpacing(0);
    lstDeck->setMinimumHeight(6 * (kThumbnail.height() + 8) + 8);
    lstDeck->setMinimumWidth(13 * (kThumbnail.width() + 8) + 24);

    m_charts = new ProgressCharts(this);

    auto* totals = new QGroupBox(tr("Totals"), this);
    totals->setObjectName(QStringLiteral("fraTotals"));
    lblKnownCount = line("lblKnownCount", totals);
    QFont big = lblKnownCount->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    lblKnownCount->setFont(big);
    lblAnswerCount = line("lblAnswerCount", totals);
    lblTestCount = line("lblTestCount", totals);
    lblDaysStudied = line("lblDaysStudied", totals);
    lblStudyRun = line("lblStudyRun", totals);
    auto* totalsLayout = new QVBoxLayout(totals);
    for (QLabel* l : {lblKnownCount, lblAnswerCount, lblTestCount, lblDaysStudied, lblStudyRun})
        totalsLayout->addWidget(l);

    m_history = new CardHistoryView(this);
    cmdExportProgress = button("cmdExportProgress", tr("Export…"), this);
    cmdBackupProgress = button("cmdBackupProgress", tr("Back Up…"), this);
    cmdRestoreProgress = button("cmdRestoreProgress", tr("Restore…"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(lblDeckLegend);
    left->addWidget(lstDeck);
    left->addWidget(m_charts, 1);
    m_reviewSlot = new QVBoxLayout;
    m_reviewSlot->setContentsMargins(0, 0, 0, 0);
    auto* right = new QVBoxLayout;
    right->addWidget(totals);
    right->addLayout(m_reviewSlot);
    right->addWidget(m_history, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExportProgress);
    buttons->addWidget(cmdBackupProgress);
    buttons->addWidget(cmdRestoreProgress);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProgressStore);
    layout->addWidget(lblNoProgress);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1180, 820);

    connect(&m_progress, &progress::ProgressService::modelChanged, this, &frmProgress::scheduleRefresh);
    connect(&m_progress, &progress::ProgressService::problemChanged, this, &frmProgress::showStoreProblem);
    connect(lstDeck, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        m_history->showCard(item ? item->data(Qt::UserRole).toInt() : 0, m_progress.model(), m_cards);
    });
    connect(cmdExportProgress, &QPushButton::clicked, this, &frmProgress::cmdExportProgress_Click);
    connect(cmdBackupProgress, &QPushButton::clicked, this, &frmProgress::cmdBackupProgress_Click);
    connect(cmdRestoreProgress, &QPushButton::clicked, this, &frmProgress::cmdRestoreProgress_Click);
}

QString frmProgress::stateText(CardState state)
{
    switch (state) {
    case CardState::Known: return tr("known");
    case CardState::ToReview: return tr("to review");
    case CardState::New: break;
    }
    return tr("new");
}

void frmProgress::showWindow()
{
    // Left open overnight or opened on a new day: what is due has changed.
    if (m_shownDay != m_svc.clock->today())
        m_stale = true;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    if (m_stale) // already open: showEvent does not run again
        refresh();
    raise();
    activateWindow();
}

void frmProgress::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void frmProgress::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_stale)
        refresh();
}

void frmProgress::setTestRunning(bool running)
{
    m_testRunning = running;
    if (!running && m_stale)
        scheduleRefresh();
}

void frmProgress::addReviewPanel(QWidget* panel)
{
    m_reviewSlot->addWidget(panel);
}

void frmProgress::requestDrill(const QList<int>& cardIds)
{
    close();
    Q_EMIT drillRequested(cardIds);
}

void frmProgress::scheduleRefresh()
{
    m_stale = true;
    // Answers come one a question: the window catches up once the event loop is free.
    if (m_testRunning || !isVisible() || m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        if (isVisible() && m_stale && !m_testRunning)
            refresh();
    });
}

void frmProgress::showStoreProblem(const QString& text)
{
    lblProgressStore->setText(text);
    lblProgressStore->setVisible(!text.isEmpty());
}

void frmProgress::refresh()
{
    m_stale = false;
    if (!m_cards.isLoaded()) {
        // The log is read and replayed while the pictures are decoded.
        m_progress.prepareModel();
        QString error;
        if (!m_cards.load(modDB::cardDatabasePath(m_svc.paths->executableDir()), kThumbnail, devicePixelRatioF(), &error))
            lblDeckLegend->setText(error);
    }
    const progress::MemoryModel& model = m_progress.model();
    m_shownDay = model.today();
    showStoreProblem(m_progress.problem());
    fillDeck(model);

    const progress::ProgressTotals& t = model.totals();
    lblKnownCount->setText(tr("%1 of %2 cards known").arg(t.known).arg(progress::MemoryModel::kCards));
    lblAnswerCount->setText(tr("Answers given: %1").arg(t.answers));
    lblTestCount->setText(tr("Tests taken: %1").arg(t.tests));
    lblDaysStudied->setText(tr("Days studied: %1").arg(t.daysStudied));
    lblStudyRun->setText(t.currentRun == 1 ? tr("Current run of study days: 1 day")
                                           : tr("Current run of study days: %1 days").arg(t.currentRun));
    const bool empty = t.answers == 0;
    lblNoProgress->setVisible(empty);
    m_charts->setVisible(!empty);
    if (!empty)
        m_charts->showFigures(model);
    m_history->showCard(selectedCard(), model, m_cards);
    Q_EMIT refreshed();
}

void frmProgress::fillDeck(const progress::MemoryModel& model)
{
    const QVector<CardThumbnails::Card>& cards = m_cards.cards();
    if (lstDeck->count() != cards.size()) {
        lstDeck->clear();
        m_shownStates.fill(-1, int(cards.size()));
        for (const CardThumbnails::Card& c : cards) {
            auto* item = new QListWidgetItem(lstDeck);
            item->setData(Qt::UserRole, c.id);
        }
    }
    for (int row = 0; row < cards.size(); ++row) {
        const CardThumbnails::Card& c = cards[row];
        const progress::CardMemory& memory = model.card(c.id);
        QListWidgetItem* item = lstDeck->item(row);
        const QString text = tr("%1 — %2").arg(c.name, stateText(memory.state));
        item->setData(Qt::AccessibleTextRole, text);
        item->setToolTip(memory.answers ? tr("%1\nRecall chance today: %2 %").arg(text).arg(qRound(memory.recallToday * 100))
                                        : text);
        // Redrawn only when the state changed.
        if (m_shownStates[row] != int(memory.state)) {
            item->setIcon(QIcon(marked(c, memory.state)));
            m_shownStates[row] = int(memory.state);
        }
    }
}

QPixmap frmProgress::marked(const CardThumbnails::Card& card, CardState state) const
{
    const qreal ratio = card.thumbnail.isNull() ? devicePixelRatioF() : card.thumbnail.devicePixelRatio();
    QPixmap pixmap(kThumbnail * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(QPointF(0, 0), QSizeF(kThumbnail));
    if (card.thumbnail.isNull()) {
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        const QSizeF size = QSizeF(card.thumbnail.size()) / ratio;
        p.drawImage(QRectF(QPointF((box.width() - size.width()) / 2, (box.height() - size.height()) / 2), size),
                    card.thumbnail);
    }
    // A new card keeps its full picture but shows an open square; a known card a filled
    // circle, a card to review a filled diamond.
    const qreal d = 20;
    const QRectF badge(box.right() - d - 1, box.bottom() - d - 1, d, d);
    QPainterPath shape;
    QColor fill;
    switch (state) {
    case CardState::Known:
        shape.addEllipse(badge);
        fill = QColor(0x1b, 0x6e, 0x2f);
        break;
    case CardState::ToReview:
        shape.moveTo(badge.center().x(), badge.top());
        shape.lineTo(badge.right(), badge.center().y());
        shape.lineTo(badge.center().x(), badge.bottom());
        shape.lineTo(badge.left(), badge.center().y());
        shape.closeSubpath();
        fill = QColor(0xb3, 0x4a, 0x00);
        break;
    case CardState::New:
        shape.addRect(badge.adjusted(2, 2, -2, -2));
        fill = QColor(Qt::white);
        break;
    }
    p.setPen(QPen(state == CardState::New ? QColor(Qt::black) : QColor(Qt::white), 1.5));
    p.setBrush(fill);
    p.drawPath(shape);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(state == CardState::New ? Qt::black : Qt::white);
    p.drawText(badge, Qt::AlignCenter, badgeLetter(state));
    return pixmap;
}

int frmProgress::selectedCard() const
{
    const QListWidgetItem* item = lstDeck->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void frmProgress::selectCard(int cardId)
{
    for (int row = 0; row < lstDeck->count(); ++row)
        if (lstDeck->item(row)->data(Qt::UserRole).toInt() == cardId)
            lstDeck->setCurrentRow(row);
}

void frmProgress::tell(const QString& text, bool failure)
{
    m_svc.dialogs->message(this, text, AppTitle(), failure ? Dialogs::Icon::Critical : Dialogs::Icon::Information);
}

void frmProgress::cmdExportProgress_Click()
{
    const QString target = m_svc.dialogs->saveFile(this, tr("CSV file|*.csv"));
    if (target.isEmpty())
        return;
    QString error;
    if (!m_progress.exportCsv(target, [this](int id) { return m_cards.name(id); }, &error))
        tell(error, true);
}

void frmProgress::cmdBackupProgress_Click()
{
    const QString target = m_svc.dialogs->saveFile(this, tr("Lumenrest progress|*.sqlite"));
    if (target.isEmpty())
        return;
    QString error;
    if (!m_progress.backUp(target, &error))
        tell(error, true);
}

void frmProgress::cmdRestoreProgress_Click()
{
    const QString source = m_svc.dialogs->openFile(this, tr("Lumenrest progress|*.sqlite;*.bak"));
    if (source.isEmpty())
        return;
    const progress::ProgressStore::BackupInfo info = progress::ProgressService::checkBackup(source);
    if (!info.ok)
        return tell(info.error, true);
    const QString question = tr("Replace your progress by the %1 answers kept in \"%2\"? Your present progress file "
                                "is kept beside it.")
                                 .arg(info.answers)
                                 .arg(QDir::toNativeSeparators(source));
    if (!m_svc.dialogs->ask(this, question, AppTitle()))
        return;
    QString error, kept;
    if (!m_progress.restore(source, &error, &kept))
        return tell(error, true);
    tell(kept.isEmpty() ? tr("Your progress was restored.")
                        : tr("Your progress was restored. The file it replaced is kept as \"%1\".")
                              .arg(QDir::toNativeSeparators(kept)),
         false);
}
