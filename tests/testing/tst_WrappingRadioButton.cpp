#include "support/TestMain.h"
#include "testing/WrappingRadioButton.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString kMeaning = QStringLiteral(
    "A young traveller steps toward the edge of a cliff with his eyes on the sky, a small bundle over his "
    "shoulder and a white rose in his hand. In a reading he points to a fresh start or a leap into the unknown.");
}

class TestWrappingRadioButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isOneButtonWhoseTextIsTheMeaning()
    {
        WrappingRadioButton option;
        option.setText(kMeaning);
        QCOMPARE(option.text(), kMeaning);
        QVERIFY(option.findChildren<QWidget*>().isEmpty()); // no label beside it
        option.setTag("True");
        QCOMPARE(option.Tag(), QStringLiteral("True"));
    }

    void wrapsToItsWidth()
    {
        WrappingRadioButton option;
        option.setText(kMeaning);
        const int line = option.fontMetrics().height();
        const int wide = option.heightForWidth(4000);
        const int narrow = option.heightForWidth(300);
        QVERIFY(wide < 2 * line + 8);        // one line when there is room
        QVERIFY(narrow > 3 * line);          // several lines in a narrow box
        QCOMPARE(option.heightForWidth(300), narrow); // measured once, the same again
        option.setText(kMeaning + ' ' + kMeaning);
        QVERIFY(option.heightForWidth(300) > narrow); // a new text is measured anew
        QFont big = option.font();
        big.setPointSizeF(big.pointSizeF() * 2);
        const int before = option.heightForWidth(300);
        option.setFont(big);
        QVERIFY(option.heightForWidth(300) > before);
    }

    void aClickAnywhereOnTheParagraphSelects()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QButtonGroup group;
        WrappingRadioButton a, b;
        a.setText(kMeaning);
        b.setText(QStringLiteral("Another meaning."));
        group.addButton(&a);
        group.addButton(&b);
        layout->addWidget(&a);
        layout->addWidget(&b);
        window.resize(320, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(a.height() >= a.heightForWidth(a.width()));
        QSignalSpy toggled(&a, &QAbstractButton::toggled);
        // The last line's far end, well away from the indicator.
        QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(a.width() - 10, a.height() - 5));
        QVERIFY(a.isChecked());
        QCOMPARE(toggled.count(), 1);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() - 10, b.height() / 2));
        QVERIFY(b.isChecked());
        QVERIFY(!a.isChecked());
    }
};

LUMENREST_TEST_MAIN(TestWrappingRadioButton)
#include "tst_WrappingRadioButton.moc"
