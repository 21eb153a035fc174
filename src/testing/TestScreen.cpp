#include "testing/TestScreen.h"

#include "cardstore/PictureBox.h"
#include "cardstore/Recordset.h"
#include "cardstore/modImageDB.h"
#include "controls/WrapLabel.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "testing/WrappingRadioButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QVBoxLayout>

TestScreen::TestScreen(Dialogs* dialogs, QWidget* parent)
    : TabPage(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tabTest"));

    lblCardName = WrapLabel::plain("lblCardName", QString(), this);
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
        optAnswer[i]->setText(tr("The meaning of a card."));
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
    lblMaxKeyword = new QLabel(tr("You must choose 3 keywords"), picKeywodContainer);
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

    cmdNextQuestion = new QPushButton(tr("Next Question"), this);
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
    lblProgressStore = WrapLabel::plain("lblProgressStore", QString(), this);
    lblProgressStore->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblProgressStore, 1);
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    for (int i = 0; i < 7; ++i)
        connect(optAnswer[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optAnswer_Click(i);
        });
    for (int i = 0; i < 20; ++i)
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i] { chkKeywords_Click(i); });
    connect(cmdNextQuestion, &QPushButton::clicked, this, &TestScreen::nextQuestionRequested);
}

void TestScreen::showQuestion(const Question& question, modDB::Recordset& deck)
{
    m_question = question;
    lblCardName->setText(question.cardName);
    if (question.type == TestType::Description)
        showDescription();
    else
        showKeywords();
    deck.MoveFirst();
    deck.setFilter(QStringLiteral("ID=%1").arg(question.cardId));
    ShowQuestionPicture(deck, question.reversed);
    deck.setFilter(QString());
}

void TestScreen::showDescription()
{
    const Question& q = m_question;
    lblIsReversed->setText(q.reversed ? tr("Reversed") : QString());
    deselectAnswers();
    for (int i = 0; i < 7; ++i) {
        // An option without a meaning (the card table ran out of them) is no choice.
        const bool offered = q.inUse(i) && (i == q.rightOption || !q.options[i].text.isEmpty());
        optAnswer[i]->setEnabled(offered);
        optAnswer[i]->setVisible(offered);
        Shape1[i]->setVisible(offered);
        // The mark of the right option, as the judging of old read it.
        optAnswer[i]->setTag(q.inUse(i) && i == q.rightOption ? QStringLiteral("True") : QString());
        if (q.inUse(i))
            optAnswer[i]->setText(q.options[i].text);
    }
}

void TestScreen::showKeywords()
{
    const Question& q = m_question;
    lblMaxKeyword->setText(tr("You must choose %1 keywords").arg(q.toChoose));
    for (int i = 0; i < 20; ++i) {
        {
            // The choice rule would only disable "Next Question", which the cycle did already,
            // and must not weigh the last question's ticks against a card with fewer keywords.
            const QSignalBlocker quiet(chkKeywords[i]);
            chkKeywords[i]->setChecked(false);
        }
        if (i > q.boxMax) {
            chkKeywords[i]->setEnabled(false);
            chkKeywords[i]->setVisible(false);
            continue;
        }
        // A box without a keyword is no choice: it is taken out of the question.
        const bool offered = !q.boxes[i].text.isEmpty();
        chkKeywords[i]->setText(q.boxes[i].text);
        chkKeywords[i]->setEnabled(offered);
        chkKeywords[i]->setVisible(offered);
    }
    // Nothing to tick (a card without keywords): the answer already stands.
    if (q.toChoose == 0)
        cmdNextQuestion->setEnabled(true);
}

int TestScreen::chosenOption() const
{
    for (int i = 0; i < 7; ++i)
        if (optAnswer[i]->isChecked())
            return i;
    return -1;
}

QList<int> TestScreen::tickedBoxes() const
{
    QList<int> ticked;
    for (int i = 0; i <= m_question.boxMax && i < 20; ++i)
        if (chkKeywords[i]->isChecked())
            ticked << i;
    return ticked;
}

void TestScreen::optAnswer_Click(int Index)
{
    Q_UNUSED(Index);
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void TestScreen::chkKeywords_Click(int Index)
{
    const int count = int(tickedBoxes().size());
    const int toChoose = m_question.toChoose;
    if (count == toChoose) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (count > toChoose) {
        chkKeywords[Index]->setChecked(false); // runs this rule again
        m_dialogs->message(this,
                           tr("You can select only %1 keywords.\r\nPlease unselect one before selecting "
                                          "another keyword")
                               .arg(toChoose),
                           AppTitle(), Dialogs::Icon::Exclamation);
    } else {
        cmdNextQuestion->setEnabled(false);
    }
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

void TestScreen::showStoreProblem(const QString& text)
{
    lblProgressStore->setText(text);
    lblProgressStore->setVisible(!text.isEmpty());
}

void TestScreen::clearOrientation()
{
    lblIsReversed->setText(QString());
}

void TestScreen::holdNextQuestion()
{
    cmdNextQuestion->setEnabled(false);
}

void TestScreen::focusPicture()
{
    picResult->setFocus();
}
