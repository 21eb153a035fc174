#include "progress/ProgressCharts.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QRadioButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {

qreal msAt(const QDate& day)
{
    return qreal(day.startOfDay().toMSecsSinceEpoch());
}

QChartView* chartView(QChart* chart, const QString& name, QWidget* parent)
{
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(170);
    return view;
}

QDateTimeAxis* dateAxis(QChart* chart)
{
    auto* axis = new QDateTimeAxis;
    axis->setFormat(QStringLiteral("d MMM"));
    axis->setTickCount(6);
    chart->addAxis(axis, Qt::AlignBottom);
    return axis;
}

QValueAxis* valueAxis(QChart* chart, Qt::Alignment side, const QString& format)
{
    auto* axis = new QValueAxis;
    axis->setLabelFormat(format);
    // Bottom, middle and top: at the window's first size the charts are short, and Qt Charts
    // cuts labels that do not fit to "...".
    axis->setTickCount(3);
    chart->addAxis(axis, side);
    return axis;
}

QLineSeries* series(QChart* chart, const QString& name, QAbstractAxis* x, QAbstractAxis* y)
{
    auto* s = new QLineSeries;
    s->setName(name);
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

} // namespace

ProgressCharts::ProgressCharts(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ProgressCharts"));
    m_recent = new QRadioButton(tr("Last 30 days"), this);
    m_recent->setObjectName(QStringLiteral("optChartRange_0"));
    m_all = new QRadioButton(tr("All time"), this);
    m_all->setObjectName(QStringLiteral("optChartRange_1"));
    m_recent->setChecked(true);

    auto* answers = new QChart;
    answers->setTitle(tr("Answers a day"));
    m_answersX = dateAxis(answers);
    m_answersY = valueAxis(answers, Qt::AlignLeft, QStringLiteral("%d"));
    m_shareY = valueAxis(answers, Qt::AlignRight, QStringLiteral("%d %%"));
    m_shareY->setRange(0, 100);
    m_answers = series(answers, tr("Answers"), m_answersX, m_answersY);
    m_shareRight = series(answers, tr("Right (%)"), m_answersX, m_shareY);
    m_shareRight->setPointsVisible(true);
    m_answersView = chartView(answers, QStringLiteral("chartAnswers"), this);
    m_answersView->setAccessibleName(tr("Chart of answers a day and the share answered right"));

    auto* known = new QChart;
    known->setTitle(tr("Cards known"));
    known->legend()->hide();
    m_knownX = dateAxis(known);
    m_knownY = valueAxis(known, Qt::AlignLeft, QStringLiteral("%d"));
    m_knownY->setRange(0, progress::MemoryModel::kCards);
    m_known = series(known, tr("Cards known"), m_knownX, m_knownY);
    m_knownView = chartView(known, QStringLiteral("chartKnown"), this);
    m_knownView->setAccessibleName(tr("Chart of the cards known over time"));

    auto* range = new QHBoxLayout;
    range->addWidget(m_recent);
    range->addWidget(m_all);
    range->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(range);
    layout->addWidget(m_answersView, 1);
    layout->addWidget(m_knownView, 1);

    connect(m_recent, &QRadioButton::toggled, this, [this](bool) { redraw(); });
}

bool ProgressCharts::allTime() const
{
    return m_all->isChecked();
}

void ProgressCharts::showFigures(const progress::MemoryModel& model)
{
    m_days = model.answersPerDay();
    m_knownDays = model.knownOverTime();
    m_today = model.today();
    redraw();
}

void ProgressCharts::redraw()
{
    QDate first = m_today.addDays(-(kRecentDays - 1));
    if (allTime() && !m_days.isEmpty())
        first = std::min(first, m_days.front().day);
    // An answer dated after today (the clock was wrong once) shows in the whole history only.
    QDate last = m_today;
    if (allTime() && !m_days.isEmpty())
        last = std::max(last, m_days.back().day);

    std::map<qint64, const progress::DayResult*> byDay;
    for (const progress::DayResult& d : m_days)
        byDay[d.day.toJulianDay()] = &d;
    QList<QPointF> answers, share, known;
    int most = 1;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const auto found = byDay.find(day.toJulianDay());
        const int n = found == byDay.end() ? 0 : found->second->answers;
        answers << QPointF(msAt(day), n);
        most = std::max(most, n);
        if (n > 0)
            share << QPointF(msAt(day), 100.0 * found->second->shareRight());
    }
    // Known cards stay as they were on days without answers.
    int knownBefore = 0;
    for (const progress::KnownOnDay& k : m_knownDays) {
        if (k.day < first)
            knownBefore = k.known;
    }
    // Steps: a count holds from the end of its day until the next day with answers.
    known << QPointF(msAt(first), knownBefore);
    for (const progress::KnownOnDay& k : m_knownDays)
        if (k.day >= first && k.day <= last)
            known << QPointF(msAt(k.day), known.last().y()) << QPointF(msAt(k.day), k.known);
    known << QPointF(msAt(last), known.last().y());

    m_answers->replace(answers);
    m_shareRight->replace(share);
    m_known->replace(known);
    const QDateTime from = first.startOfDay(), to = last.startOfDay();
    m_answersX->setRange(from, to);
    m_knownX->setRange(from, to);
    m_answersX->setFormat(first.year() == last.year() ? QStringLiteral("d MMM") : QStringLiteral("MMM yyyy"));
    m_knownX->setFormat(m_answersX->format());
    // An even top keeps the middle label a whole number.
    m_answersY->setRange(0, most + most % 2);
}
