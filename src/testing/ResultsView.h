#pragma once
#include "controls/TabPage.h"

class Dialogs;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Results tab: the test report in a fixed-pitch font, its summary, and saving it.
class ResultsView : public TabPage {
    Q_OBJECT
public:
    explicit ResultsView(Dialogs* dialogs, QWidget* parent = nullptr);

    // Shows a report (any line breaks) with the caret at its end; the summary goes to
    // lblResultInfo.
    void showReport(const QString& text, const QString& summary);

    // "Save Current Result": writes the shown report to a text file the user names.
    void Command5_Click();

    // Every character as wide as a blank, so the report's columns line up.
    static bool isMonospaced(const QFont& font);

Q_SIGNALS:
    // "My Progress": the learner asks for the Progress window.
    void progressRequested();

private:
    QPlainTextEdit* txtResult;
    QLabel* lblResultInfo;
    QPushButton* Command5;
    QPushButton* cmdProgress;
    Dialogs* m_dialogs;
    bool m_fixedPitch = false;
};
