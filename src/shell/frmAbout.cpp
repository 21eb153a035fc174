#include "shell/frmAbout.h"

#include "controls/WrapLabel.h"
#include "platform/AppTitle.h"
#include "shell/AccessSetup.h"
#include "shell/ProgramIcon.h"
#include "shell/modHelp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AppCaption());
    setWindowIcon(ProgramIcon::icon());
    setModal(true);

    Label2 = WrapLabel::plain("Label2", AppCaption(), this);
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label2->setFont(title);
    Label1 = WrapLabel::plain("Label1",
                              tr("Lumenrest is an educational tool for learning the basics of tarot card reading. This "
                                 "software is an extremely simple program preferred by beginners who want to learn to "
                                 "read the %1 Deck. The program also includes a Goal Reminder which helps the user set "
                                 "goals that he intends to achieve and keep reminding him about them.")
                                      .arg(deckName())
                                  + tr(" Study a few cards at a time, test yourself often, and the whole deck will "
                                       "soon be yours."),
                              this);
    Frame1 = new QGroupBox(tr("Card pictures"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label4 = WrapLabel::plain("Label4",
                              tr("The card pictures are scans of the first edition of the Rider-Waite-Smith deck, "
                                 "published in December 1909 by William Rider & Son, London. The artwork was drawn "
                                 "by Pamela Colman Smith (1878-1951) to the design of Arthur Edward Waite. It is in "
                                 "the public domain."),
                              Frame1);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label4);
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(ProgramIcon::image(64)));
    picIcon->setFixedSize(64, 64);
    // A label without a buddy shows "&" as it is.
    Label3 = WrapLabel::plain("Label3",
                              tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                 "Put your site's name &  link here."),
                              this);
    lblCoBrand = WrapLabel::plain("lblCoBrand", tr("Click Here for more info on co-branding"), this);
    lblHomePage = WrapLabel::plain("lblHomePage", tr("Click here to visit %1").arg(modHelp::SiteAddress()), this);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    // Enter presses it as the default button; Esc rejects the dialog, which closes it the same way.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* head = new QHBoxLayout;
    head->addWidget(picIcon, 0, Qt::AlignTop);
    head->addSpacing(12);
    auto* text = new QVBoxLayout;
    text->addWidget(Label2);
    text->addWidget(Label1);
    head->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(Label3);
    links->addWidget(lblCoBrand);
    links->addWidget(lblHomePage);
    bottom->addLayout(links, 1);
    bottom->addWidget(cmdOK, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(Frame1);
    layout->addLayout(bottom);
    // Wrapped labels need the height that goes with the width.
    const int width = 540;
    setMinimumWidth(width);
    resize(width, heightForWidth(width));
    AccessSetup::prepare(*this);
    cmdOK->setFocus();
}

QString frmAbout::deckName()
{
    return QStringLiteral("Rider-Waite-Smith");
}

void frmAbout::cmdOK_Click()
{
    accept();
}
