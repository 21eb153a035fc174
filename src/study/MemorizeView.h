#pragma once
#include "controls/TabPage.h"

class Dialogs;
class PictureBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Memorize Cards tab: one card of the deck at a time, upright and reversed.
class MemorizeView : public TabPage {
    Q_OBJECT
public:
    explicit MemorizeView(Dialogs* dialogs, QWidget* parent = nullptr);

    // What selecting the tab does: back to the first card of the deck.
    void prepare();
    void ShowCard();
    // The 1-based number of the shown card within the deck.
    int cardPosition() const { return CardPosition; }
    // Whether "Next >>" may walk the deck.
    void setNextAllowed(bool allowed);

Q_SIGNALS:
    // "Test Me": a test on the deck shown.
    void testRequested();

private:
    void cmdNext_Click();
    void cmdPrevious_Click();
    void showCardFields();

    int CardPosition = 0;
    QLabel* lblCardNameMemorize;
    PictureBox* picCardMemorize;
    PictureBox* picCardMemorizeReversed;
    QLabel* lblPictureText;  // what the picture shows; empty when the database has no such column
    QLabel* lblContrastText; // how the card differs from its usual look-alike
    QLabel* Label9;
    QPlainTextEdit* txtNormalMeaning;
    QLabel* Label17;
    QPlainTextEdit* txtReverseMeaning;
    QLabel* Label8;
    QPlainTextEdit* txtKeywords;
    QPushButton* cmdNext;
    QPushButton* cmdPrevious;
    QPushButton* cmdStartTest;
    Dialogs* m_dialogs;
};
