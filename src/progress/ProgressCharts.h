#pragma once
// Two charts of the learner's progress: answers a day with the share answered right, and the
// cards known at the end of each day; over the last 30 days or all the time studied.

#include "progress/MemoryModel.h"

#include <QWidget>

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QRadioButton;
class QValueAxis;

class ProgressCharts : public QWidget {
    Q_OBJECT
public:
    explicit ProgressCharts(QWidget* parent = nullptr);

    // Takes the figures of a model (copied: the charts may be redrawn for the other range).
    void showFigures(const progress::MemoryModel& model);
    bool allTime() const;

    static constexpr int kRecentDays = 30;

private:
    void redraw();

    QRadioButton* m_recent;
    QRadioButton* m_all;
    QChartView* m_answersView;
    QChartView* m_knownView;
    QLineSeries* m_answers;
    QLineSeries* m_shareRight;
    QLineSeries* m_known;
    QDateTimeAxis* m_answersX;
    QValueAxis* m_answersY;
    QValueAxis* m_shareY;
    QDateTimeAxis* m_knownX;
    QValueAxis* m_knownY;
    QVector<progress::DayResult> m_days;
    QVector<progress::KnownOnDay> m_knownDays;
    QDate m_today;
};
