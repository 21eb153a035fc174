#pragma once
#include "cardstore/PictureBox.h"

#include <QWidget>

#include <array>

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
// meanings to pick from or the keywords to tick.
class TestScreen : public QWidget {
    Q_OBJECT
public:
    explicit TestScreen(QWidget* parent = nullptr);

    // Brings the description answers (true) or the keyword boxes (false) to the front.
    void bringToFront(bool description);
    bool descriptionInFront() const;
    // Deselects every option, without running any option's rule.
    void deselectAnswers();

    // Shows the current card of the rows in picResult, turned half a turn when reversed.
    void ShowQuestionPicture(modDB::Recordset& deck, bool reversed);

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

private:
    QStackedLayout* m_answerAreas;
    QButtonGroup* m_answerGroup;
};
