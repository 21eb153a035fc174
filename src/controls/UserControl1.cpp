#include "controls/UserControl1.h"

#include "platform/Clock.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {
constexpr int kMinYear = 1;    // the goals file writes four-digit years
constexpr int kMaxYear = 9999;

QComboBox* makeList(QWidget* parent, const char* name, int left, int width)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);
    // Positions in twips (left 30/720/2070, top 30, height 315) at 15 twips per pixel.
    box->setGeometry(left, 2, width, 21);
    return box;
}

// The lists keep their fixed widths; a long month name gets a slightly smaller font instead
// of being cut off.
void fitFontToItems(QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.frame = true;
    const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width() - 2;
    QFont font = box->font();
    // The widest name at the list's own size stays the widest at the smaller ones: only
    // that one is measured again (each measure at a new size costs a font set-up).
    const QFontMetrics metrics(font);
    QString widestText;
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) {
        const int w = metrics.horizontalAdvance(box->itemText(i));
        if (w > widest) {
            widest = w;
            widestText = box->itemText(i);
        }
    }
    for (int step = 1; step < 4 && widest > room; ++step) {
        font.setPointSizeF(font.pointSizeF() * 0.92);
        widest = QFontMetrics(font).horizontalAdvance(widestText);
    }
    if (widest > room)
        font.setPointSizeF(font.pointSizeF() * 0.92);
    box->setFont(font);
}
}

UserControl1::UserControl1(const Clock& clock, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("UserControl1"));
    cboDate = makeList(this, "cboDate", 2, 43);
    cboMonth = makeList(this, "cboMonth", 48, 87);
    cboYear = makeList(this, "cboYear", 138, 73);
    cboMonth->setMaxVisibleItems(12);
    cboYear->setMaxVisibleItems(15);

    for (int d = 1; d <= 31; ++d)
        cboDate->addItem(QString::number(d));
    const QLocale locale;
    for (int m = 1; m <= 12; ++m)
        cboMonth->addItem(locale.standaloneMonthName(m, QLocale::LongFormat));
    for (int y = kFirstYear; y <= kLastYear; ++y)
        cboYear->addItem(QString::number(y), y);
    fitFontToItems(cboMonth);

    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setFocusProxy(cboDate);
    setFixedSize(kWidth, kHeight);

    QDate today = clock.today();
    if (!today.isValid() || today.year() < kMinYear || today.year() > kMaxYear)
        today = QDate(kFirstYear, 1, 1);
    selectDate(today);

    // Connected last, so that filling the lists and showing today raise nothing.
    for (QComboBox* box : {cboDate, cboMonth, cboYear})
        connect(box, &QComboBox::currentIndexChanged, this, &UserControl1::list_Click);
}

QDate UserControl1::Value() const
{
    const int year = selectedYear();
    const int month = cboMonth->currentIndex() + 1;
    const QDate first(year, month, 1);
    // The clamp keeps the day within the month; this only guards the result.
    return QDate(year, month, qMin(cboDate->currentIndex() + 1, first.daysInMonth()));
}

void UserControl1::setValue(const QDate& date)
{
    if (!date.isValid() || date.year() < kMinYear || date.year() > kMaxYear)
        return;
    selectDate(date);
    Q_EMIT Change();
}

void UserControl1::Enabled(bool value)
{
    m_enabled = value;
    cboDate->setEnabled(value);
    cboMonth->setEnabled(value);
    cboYear->setEnabled(value);
}

void UserControl1::list_Click()
{
    ClampDay();
    Q_EMIT Change();
}

void UserControl1::ClampDay()
{
    if (cboMonth->currentIndex() < 0)
        return;
    const int days = QDate(selectedYear(), cboMonth->currentIndex() + 1, 1).daysInMonth();
    if (cboDate->currentIndex() + 1 > days) {
        // Moving the day is part of this pick: it must not raise a second Change.
        const QSignalBlocker quiet(cboDate);
        cboDate->setCurrentIndex(days - 1);
    }
}

int UserControl1::selectedYear() const
{
    const QVariant year = cboYear->currentData();
    return year.isValid() ? year.toInt() : kFirstYear;
}

void UserControl1::selectYear(int year)
{
    for (int i = cboYear->count() - 1; i >= 0; --i) {
        const int listed = cboYear->itemData(i).toInt();
        if ((listed < kFirstYear || listed > kLastYear) && listed != year)
            cboYear->removeItem(i);
    }
    int index = cboYear->findData(year);
    if (index < 0) {
        index = 0;
        while (index < cboYear->count() && cboYear->itemData(index).toInt() < year)
            ++index;
        cboYear->insertItem(index, QString::number(year), year);
    }
    cboYear->setCurrentIndex(index);
}

void UserControl1::selectDate(const QDate& date)
{
    // All three together, with no clamping of the in-between combinations.
    const QSignalBlocker quietDay(cboDate);
    const QSignalBlocker quietMonth(cboMonth);
    const QSignalBlocker quietYear(cboYear);
    selectYear(date.year());
    cboMonth->setCurrentIndex(date.month() - 1);
    cboDate->setCurrentIndex(date.day() - 1);
}
