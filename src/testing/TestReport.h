#pragma once
// The text of the test report, laid out in columns for a fixed-pitch font, and the bytes of
// a saved report.

#include <QString>
#include <QVector>


struct TestReportLine {
    QString name;
    bool reversed = false;
    int score = 0;
    // Keyword questions: how many keywords the question asked for.
    int outOf = 0;
};

struct TestReportInput {
    bool description = true;
    QVector<TestReportLine> lines;
    int deckSize = 0;
    QString appTitle;
    // The tally so far: complete for a description test, 0 for a keyword test.
    int correctCount = 0;
};

struct TestReportResult {
    QString text;    // CR LF line breaks, no break after the summary
    QString summary; // the last line alone, in the interface language
    int correctCount = 0;
};

class TestReport {
public:
    static constexpr int kNameColumns = 36;
    static constexpr int kUnderscores = 64;

    static TestReportResult build(const TestReportInput& input);

    // One question's line, without its leading line break.
    static QString line(int number, const TestReportLine& entry, bool description);

    // What "Save Current Result" writes: the text with CR LF line breaks throughout
    // (whatever the text box uses), a closing CR LF, in UTF-8.
    static QByteArray fileBytes(const QString& shownText);
};
