#include "study/MemorizeView.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"
#include "controls/WrapLabel.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* readOnlyBox(const char* name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    return box;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel* wrappedLabel(const char* name, QWidget* parent)
{
    QLabel* l = WrapLabel::plain(name, QString(), parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A card's texts run to a few hundred characters. Laying out millions without a break point
// takes minutes, so an outsized text is shown cut, with a note; the database keeps it whole.
constexpr int kBoxLimit = 10000;
constexpr int kLabelLimit = 2000;

QString shownText(const QString& text, int limit)
{
    if (text.size() <= limit)
        return text;
    return text.left(limit) + MemorizeView::tr("\n[Cut here: the text holds %1 characters.]").arg(text.size());
}

QString optionalText(const modDB::Recordset& deck, const QString& field)
{
    return deck.hasField(field) ? deck.text(field) : QString();
}

} // namespace

MemorizeView::MemorizeView(Dialogs* dialogs, QWidget* parent)
    : TabPage(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tabMemorize"));
    lblCardNameMemorize = label("lblCardNameMemorize", tr("Card Name"), this);
    QFont nameFont = lblCardNameMemorize->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    lblCardNameMemorize->setFont(nameFont);
    // An overlong name is clipped rather than widening the window.
    lblCardNameMemorize->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Both boxes share one size, so the reversed box is the upright one turned pixel for pixel.
    picCardMemorize = new PictureBox(this);
    picCardMemorize->setObjectName(QStringLiteral("picCardMemorize"));
    picCardMemorizeReversed = new PictureBox(this);
    picCardMemorizeReversed->setObjectName(QStringLiteral("picCardMemorizeReversed"));
    for (PictureBox* box : {picCardMemorize, picCardMemorizeReversed})
        box->setFixedSize(box->sizeHint() * 0.9);
    picCardMemorizeReversed->shareScalingWith(*picCardMemorize);
    lblPictureText = wrappedLabel("lblPictureText", this);
    lblContrastText = wrappedLabel("lblContrastText", this);
    QFont contrastFont = lblContrastText->font();
    contrastFont.setItalic(true);
    lblContrastText->setFont(contrastFont);
    Label9 = label("Label9", tr("Card Meaning :"), this);
    txtNormalMeaning = readOnlyBox("txtNormalMeaning", this);
    Label17 = label("Label17", tr("Reverse Meaning"), this);
    txtReverseMeaning = readOnlyBox("txtReverseMeaning", this);
    Label8 = label("Label8", tr("Keywords (same for both)"), this);
    txtKeywords = readOnlyBox("txtKeywords", this);
    cmdNext = new QPushButton(tr("Next >>"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdPrevious = new QPushButton(tr("<< Previous"), this);
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cmdStartTest = new QPushButton(tr("Test Me"), this);
    cmdStartTest->setObjectName(QStringLiteral("cmdStartTest"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblCardNameMemorize);
    texts->addWidget(Label9);
    texts->addWidget(txtNormalMeaning, 3);
    texts->addWidget(Label17);
    texts->addWidget(txtReverseMeaning, 3);
    texts->addWidget(Label8);
    texts->addWidget(txtKeywords, 1);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(picCardMemorize, 0, Qt::AlignTop);
    pictures->addWidget(picCardMemorizeReversed, 0, Qt::AlignTop);
    // The texts below the pictures wrap within the pictures' width.
    const int picturesWidth = 2 * picCardMemorize->width() + pictures->spacing();
    for (QLabel* l : {lblPictureText, lblContrastText})
        l->setFixedWidth(picturesWidth);
    auto* left = new QVBoxLayout;
    left->addLayout(pictures);
    left->addWidget(lblPictureText);
    left->addWidget(lblContrastText);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 0);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(cmdNext, &QPushButton::clicked, this, &MemorizeView::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &MemorizeView::cmdPrevious_Click);
    connect(cmdStartTest, &QPushButton::clicked, this, &MemorizeView::testRequested);
}

void MemorizeView::setNextAllowed(bool allowed)
{
    cmdNext->setEnabled(allowed);
}

void MemorizeView::prepare()
{
    auto& deck = modDB::DeckRecordset;
    if (!deck)
        return;
    deck->MoveFirst();
    CardPosition = 1;
    ShowCard();
}

void MemorizeView::ShowCard()
{
    auto& deck = modDB::DeckRecordset;
    if (!deck || deck->BOF() || deck->AtEOF())
        return; // an empty deck shows nothing
    try {
        showCardFields();
    } catch (const modDB::DbError& e) {
        m_dialogs->message(this, QString::fromUtf8(e.what()), AppTitle(), Dialogs::Icon::Exclamation);
    }
}

void MemorizeView::showCardFields()
{
    const modDB::Recordset& deck = *modDB::DeckRecordset;
    lblCardNameMemorize->setText(shownText(deck.text(QStringLiteral("Name")), kLabelLimit));
    modImageDB::LoadPictureFromField(picCardMemorize, *modDB::DeckRecordset, QStringLiteral("PictureData"));
    modImageDB::ShowHalfTurnOf(picCardMemorizeReversed, *picCardMemorize);
    lblPictureText->setText(shownText(optionalText(deck, QStringLiteral("PictureText")), kLabelLimit));
    lblContrastText->setText(shownText(optionalText(deck, QStringLiteral("ContrastText")), kLabelLimit));
    txtNormalMeaning->setPlainText(shownText(deck.text(QStringLiteral("NormalMeaning")), kBoxLimit));
    txtReverseMeaning->setPlainText(shownText(deck.text(QStringLiteral("ReversedMeaning")), kBoxLimit));

    txtKeywords->clear();
    modDB::Recordset keywords(modDB::CardConnection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=%1")
                                                         .arg(deck.integer(QStringLiteral("ID"))));
    QString text;
    // Seven rows at most; a card with fewer shows what it has.
    for (int i = 0; i < 7 && !keywords.AtEOF(); ++i) {
        text += keywords.text(QStringLiteral("Keyword")) + QStringLiteral(", ");
        keywords.MoveNext();
    }
    txtKeywords->setPlainText(shownText(text, kBoxLimit));
}

void MemorizeView::cmdNext_Click()
{
    cmdPrevious->setEnabled(true);
    if (!modDB::DeckRecordset || CardPosition >= modDB::DeckRecordset->RecordCount()) {
        cmdNext->setEnabled(false);
        return;
    }
    ++CardPosition;
    modDB::DeckRecordset->MoveNext();
    ShowCard();
}

void MemorizeView::cmdPrevious_Click()
{
    cmdNext->setEnabled(true);
    if (CardPosition <= 1 || !modDB::DeckRecordset) {
        cmdPrevious->setEnabled(false);
        return;
    }
    cmdPrevious->setEnabled(true);
    --CardPosition;
    modDB::DeckRecordset->MovePrevious();
    ShowCard();
}
