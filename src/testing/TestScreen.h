#pragma once
#include "cardstore/PictureBox.h"
#include "testing/Question.h"

#include "controls/TabPage.h"

#include <array>

class Dialogs;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QStackedLayout;
class WrappingRadioButton;
namespace modDB {
class Recordset;
}

// The Take Test tab: the asked card, and one of two answer areas over each other, the
// meanings to pick from or the keywords to tick. It shows a question and tells what the
// learner chose.
class TestScreen : public TabPage {
    Q_OBJECT
public:
    explicit TestScreen(Dialogs* dialogs, QWidget* parent = nullptr);

    // Shows the question, its card's picture taken from the deck; nothing chosen yet.
    void showQuestion(const Question& question, modDB::Recordset& deck);
    const Question& question() const { return m_question; }
    // The option picked (-1: none) and the boxes ticked, in box order.
    int chosenOption() const;
    QList<int> tickedBoxes() const;

    // Any option picked: an answer stands.
    void optAnswer_Click(int Index);
    // The choice rule: never more ticks than keywords to choose; exactly that many lets the
    // learner go on.
    void chkKeywords_Click(int Index);

    // Brings the description answers (true) or the keyword boxes (false) to the front.
    void bringToFront(bool description);
    bool descriptionInFront() const;
    // Deselects every option, without running any option's rule.
    void deselectAnswers();

    // The progress file's trouble in a line of its own (hidden while there is none); the
    // test goes on regardless.
    void showStoreProblem(const QString& text);

    // Shows the current card of the rows in picResult, turned half a turn when reversed.
    void ShowQuestionPicture(modDB::Recordset& deck, bool reversed);
    // A new test shows no orientation until its first question stands.
    void clearOrientation();
    // No answer stands: "Next Question" waits for one.
    void holdNextQuestion();
    // The keys answer from the card picture.
    void focusPicture();

Q_SIGNALS:
    // "Next Question" was clicked.
    void nextQuestionRequested();

private:
    void showDescription();
    void showKeywords();

    QLabel* lblCardName;
    QLabel* lblIsReversed;
    PictureBox* picResult;
    QWidget* picDescContainer;
    std::array<QFrame*, 7> Shape1;
    std::array<WrappingRadioButton*, 7> optAnswer;
    QWidget* picKeywodContainer;
    QLabel* lblMaxKeyword;
    std::array<QCheckBox*, 20> chkKeywords;
    QPushButton* cmdNextQuestion;
    QLabel* lblProgressStore;
    Dialogs* m_dialogs;
    Question m_question;
    QStackedLayout* m_answerAreas;
    QButtonGroup* m_answerGroup;
};
