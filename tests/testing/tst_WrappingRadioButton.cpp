#include "support/TestMain.h"
#include "testing/WrappingRadioButton.h"

#include <QButtonGroup>
#include <QVBoxLayout>

class TestWrappingRadioButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One button whose text is the meaning, as high as its wrapped paragraph needs, and a
    // click anywhere on the paragraph selects it.
    void wrapsAndSelectsAsOneButton()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QButtonGroup group;
        WrappingRadioButton a, b;
        const QString meaning = QString("A traveller steps toward the edge of a cliff, eyes on the sky. ").repeated(3);
        a.setText(meaning);
        b.setText(QStringLiteral("Another meaning."));
        for (auto* option : {&a, &b}) {
            group.addButton(option);
            layout->addWidget(option);
        }
        QCOMPARE(a.text(), meaning);
        QVERIFY(a.findChildren<QWidget*>().isEmpty()); // no label beside it
        const int line = a.fontMetrics().height();
        const int narrow = a.heightForWidth(300);
        QVERIFY(a.heightForWidth(4000) < 2 * line + 8 && narrow > 3 * line);
        a.setText(meaning.repeated(2)); // each question's new text is measured anew
        QVERIFY(a.heightForWidth(300) > narrow);
        a.setText(meaning);

        window.resize(320, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(a.height() >= a.heightForWidth(a.width()));
        // The last line's far end, well away from the indicator.
        QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(a.width() - 10, a.height() - 5));
        QVERIFY(a.isChecked());
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() - 10, b.height() / 2));
        QVERIFY(b.isChecked() && !a.isChecked());
    }
};

LUMENREST_TEST_MAIN(TestWrappingRadioButton)
#include "tst_WrappingRadioButton.moc"
