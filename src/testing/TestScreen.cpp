#include "testing/TestScreen.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modImageDB.h"
#include "testing/WrappingRadioButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedLayout>
#include <QVBoxLayout>

TestScreen::TestScreen(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabTest"));

    lblCardName = new QLabel(this);
    lblCardName->setObjectName(QStringLiteral("lblCardName"));
    lblCardName->setTextFormat(Qt::PlainText);
    lblCardName->setWordWrap(true);
    lblCardName->setAlignment(Qt::AlignCenter);
    QFont nameFont = lblCardName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    lblCardName->setFont(nameFont);

    lblIsReversed = new QLabel(this);
    lblIsReversed->setObjectName(QStringLiteral("lblIsReversed"));
    lblIsReversed->setAlignment(Qt::AlignCenter);
    QFont reversedFont = lblIsReversed->font();
    reversedFont.setBold(true);
    lblIsReversed->setFont(reversedFont);
    // An accent of the user's colour scheme, readable on light and dark alike.
    lblIsReversed->setForegroundRole(QPalette::Link);

    picResult = new PictureBox(this);
    picResult->setObjectName(QStringLiteral("picResult"));
    // Takes the focus at each question, so no answer starts out focused.
    picResult->setFocusPolicy(Qt::StrongFocus);
    picResult->setFixedWidth(230);

    // The meanings: one framed, word-wrapped option each.
    picDescContainer = new QWidget;
    picDescContainer->setObjectName(QStringLiteral("picDescContainer"));
    auto* descLayout = new QVBoxLayout(picDescContainer);
    // Each option sits in its own frame, so the group, not the parent, makes them exclusive.
    m_answerGroup = new QButtonGroup(this);
    for (int i = 0; i < 7; ++i) {
        Shape1[i] = new QFrame(picDescContainer);
        Shape1[i]->setObjectName(QStringLiteral("Shape1_%1").arg(i));
        Shape1[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        optAnswer[i] = new WrappingRadioButton(Shape1[i]);
        optAnswer[i]->setObjectName(QStringLiteral("optAnswer_%1").arg(i));
        optAnswer[i]->setText(QStringLiteral("The meaning of a card."));
        m_answerGroup->addButton(optAnswer[i], i);
        auto* frameLayout = new QVBoxLayout(Shape1[i]);
        frameLayout->setContentsMargins(6, 4, 6, 4);
        frameLayout->addWidget(optAnswer[i]);
        descLayout->addWidget(Shape1[i]);
    }
    descLayout->addStretch(1);
    auto* descScroll = new QScrollArea;
    descScroll->setWidget(picDescContainer);
    descScroll->setWidgetResizable(true);
    descScroll->setFrameShape(QFrame::NoFrame);
    descScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The keywords: two columns of ten, 0 to 9 on the left, 10 to 19 on the right.
    picKeywodContainer = new QWidget;
    picKeywodContainer->setObjectName(QStringLiteral("picKeywodContainer"));
    lblMaxKeyword = new QLabel(QStringLiteral("You must choose 3 keywords"), picKeywodContainer);
    lblMaxKeyword->setObjectName(QStringLiteral("lblMaxKeyword"));
    QFont maxFont = lblMaxKeyword->font();
    maxFont.setBold(true);
    lblMaxKeyword->setFont(maxFont);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    for (int i = 0; i < 20; ++i) {
        chkKeywords[i] = new QCheckBox(picKeywodContainer);
        chkKeywords[i]->setObjectName(QStringLiteral("chkKeywords_%1").arg(i));
        grid->addWidget(chkKeywords[i], i % 10, i / 10);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* keywordLayout = new QVBoxLayout(picKeywodContainer);
    keywordLayout->addWidget(lblMaxKeyword);
    keywordLayout->addLayout(grid);
    keywordLayout->addStretch(1);

    auto* areas = new QWidget(this);
    m_answerAreas = new QStackedLayout(areas);
    m_answerAreas->setContentsMargins(0, 0, 0, 0);
    m_answerAreas->addWidget(descScroll);
    m_answerAreas->addWidget(picKeywodContainer);

    cmdNextQuestion = new QPushButton(QStringLiteral("Next Question"), this);
    cmdNextQuestion->setObjectName(QStringLiteral("cmdNextQuestion"));
    cmdNextQuestion->setEnabled(false);
    cmdNextQuestion->setAutoDefault(true);

    auto* card = new QVBoxLayout;
    card->addWidget(lblCardName);
    card->addWidget(picResult, 1, Qt::AlignHCenter);
    card->addWidget(lblIsReversed);
    auto* top = new QHBoxLayout;
    top->addLayout(card, 0);
    top->addWidget(areas, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void TestScreen::bringToFront(bool description)
{
    m_answerAreas->setCurrentIndex(description ? 0 : 1);
}

bool TestScreen::descriptionInFront() const
{
    return m_answerAreas->currentIndex() == 0;
}

void TestScreen::deselectAnswers()
{
    // An exclusive group never lets its selected button go, so lift the rule for a moment.
    m_answerGroup->setExclusive(false);
    for (WrappingRadioButton* option : optAnswer)
        option->setChecked(false);
    m_answerGroup->setExclusive(true);
}

void TestScreen::ShowQuestionPicture(modDB::Recordset& deck, bool reversed)
{
    modImageDB::LoadPictureFromField(picResult, deck, QStringLiteral("PictureData"));
    if (reversed)
        modImageDB::HalfTurn(picResult);
}
