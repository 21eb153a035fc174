#include "controls/WrapLabel.h"
#include "support/TestMain.h"

#include <functional>

namespace {
using Change = std::function<void(QLabel&)>;
const QString kText = QStringLiteral("Setting goals will help you keep a clear, focussed and dedicated mindset "
                                     "towards fulfilling your aims in life.");
const int kWidths[] = {60, 150, 400};
}
Q_DECLARE_METATYPE(Change)

class TestWrapLabel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Heights are remembered; after anything that moves the text the label must measure
    // again, as a plain label would.
    void heightsFollowTheLabel_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("longer text") << Change([](QLabel& l) { l.setText(kText + QLatin1Char(' ') + kText); });
        QTest::newRow("larger font") << Change([](QLabel& l) {
            QFont f = l.font();
            f.setPointSize(f.pointSize() * 2);
            l.setFont(f);
        });
        QTest::newRow("indent") << Change([](QLabel& l) { l.setIndent(40); });
        QTest::newRow("margin") << Change([](QLabel& l) { l.setMargin(30); });
        QTest::newRow("contents margins") << Change([](QLabel& l) { l.setContentsMargins(30, 20, 30, 20); });
        QTest::newRow("wrapping off") << Change([](QLabel& l) { l.setWordWrap(false); });
    }
    void heightsFollowTheLabel()
    {
        QFETCH(Change, change);
        QLabel plain(kText);
        WrapLabel label(kText);
        for (QLabel* l : {&plain, static_cast<QLabel*>(&label)})
            l->setWordWrap(true);
        QList<int> before;
        for (int width : kWidths) {
            before << plain.heightForWidth(width);
            QCOMPARE(label.heightForWidth(width), before.last());
            QCOMPARE(label.heightForWidth(width), before.last()); // remembered
        }
        change(plain);
        change(label);
        QList<int> after;
        for (int width : kWidths) {
            after << plain.heightForWidth(width);
            QCOMPARE(label.heightForWidth(width), after.last());
        }
        QVERIFY2(after != before, "the change must move the text");
    }
};

LUMENREST_TEST_MAIN(TestWrapLabel)
#include "tst_WrapLabel.moc"
