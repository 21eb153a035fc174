#pragma once
#include <QDate>
#include <QWidget>

class Clock;
class QComboBox;

// The program's date input: three pick-only lists for day, month and year side by side.
// Change is raised after every pick (once the day has been kept within the month) and
// after every write of Value.
class UserControl1 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QDate Value READ Value WRITE setValue NOTIFY Change)

public:
    static constexpr int kFirstYear = 1980;
    static constexpr int kLastYear = 2099;
    // 3195 x 400 twips at 15 twips per pixel.
    static constexpr int kWidth = 213;
    static constexpr int kHeight = 27;

    // Shows today's date (from the clock) without raising Change.
    explicit UserControl1(const Clock& clock, QWidget* parent = nullptr);

    QDate Value() const;
    // Selects the day, month and year together, then raises Change once. A date the
    // year list does not hold (before 1980 or after 2099) gets its year added to the
    // list, so the picker always shows the date it was given; an invalid date, or one
    // outside the years 1 to 9999, is ignored.
    void setValue(const QDate& date);

    // Enables or disables the three lists; Enabled() returns the last value written.
    bool Enabled() const { return m_enabled; }
    void Enabled(bool value);

Q_SIGNALS:
    void Change();

private:
    void list_Click();
    void ClampDay();
    int selectedYear() const;
    // Selects the year, adding it to the list when it lies outside the fixed range and
    // dropping any earlier addition that is no longer needed.
    void selectYear(int year);
    void selectDate(const QDate& date);

    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    bool m_enabled = true;
};
