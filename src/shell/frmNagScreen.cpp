#include "shell/frmNagScreen.h"

#include "controls/WrapLabel.h"
#include "platform/AppTitle.h"
#include "platform/Random.h"
#include "shell/ProgramIcon.h"
#include "shell/OpenForms.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

frmNagScreen::frmNagScreen(const Services& services, std::shared_ptr<OpenForms> forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_svc(services)
    , m_forms(forms ? std::move(forms) : std::make_shared<OpenForms>())
{
    setObjectName(QStringLiteral("frmNagScreen"));
    setWindowTitle(AppCaption());
    setWindowIcon(ProgramIcon::icon());
    // Above other windows, yet the user's typing stays where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Label1 = new QLabel(AppCaption(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    Label1->setFont(title);
    Label2 = WrapLabel::plain("Label2", QString(), this);
    QFont body = Label2->font();
    body.setPointSizeF(body.pointSizeF() * 1.15);
    Label2->setFont(body);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap::fromImage(ProgramIcon::image(64)));
    Picture1->setFixedSize(64, 64);
    Check1 = new QCheckBox(tr("Click Here To Visit %1 Now").arg(modHelp::SiteAddress()),
                           this);
    Check1->setObjectName(QStringLiteral("Check1"));
    // Its own face, as designed, so it reads on any background.
    QPalette face = QApplication::palette(Check1);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        face.setColor(role, face.color(role));
    Check1->setPalette(face);
    Check1->setAutoFillBackground(true);

    auto* exits = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        cmdExit[i] = new QPushButton(tr("Exit"), this);
        cmdExit[i]->setObjectName(QStringLiteral("cmdExit_%1").arg(i));
        cmdExit[i]->setFixedSize(96, 30);
        cmdExit[i]->hide();
        exits->setColumnStretch(i, 1);
        connect(cmdExit[i], &QPushButton::clicked, this, [this, i] { cmdExit_Click(i); });
    }
    exits->addWidget(cmdExit[0], 0, 0, Qt::AlignLeft);
    exits->addWidget(cmdExit[1], 0, 1, Qt::AlignHCenter);
    exits->addWidget(cmdExit[2], 0, 2, Qt::AlignRight);

    auto* head = new QHBoxLayout;
    head->addWidget(Picture1, 0, Qt::AlignTop);
    head->addSpacing(12);
    head->addWidget(Label1, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addWidget(Label2, 1);
    layout->addSpacing(8);
    layout->addWidget(Check1, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    layout->addLayout(exits);

    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    Form_Load();
}

frmNagScreen::~frmNagScreen() = default;

frmNagScreen* frmNagScreen::showReminder(const Services& services, std::shared_ptr<OpenForms> forms)
{
    auto* nag = new frmNagScreen(services, std::move(forms));
    nag->setAttribute(Qt::WA_DeleteOnClose);
    // In the middle of the screen, where it is seen, whatever the window manager does.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = nag->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        nag->move(frame.topLeft());
    }
    nag->show();
    return nag;
}

QColor frmNagScreen::QBColor(int n)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(palette[std::clamp(n, 0, 15)]);
}

QColor frmNagScreen::complement(const QColor& colour)
{
    return QColor(255 - colour.red(), 255 - colour.green(), 255 - colour.blue());
}

QString frmNagScreen::message(int index)
{
    switch (index) {
    case 0:
        return tr("Vellacourt Softwares, such as this can be created and maintained only with your "
                              "support. The best way to support Vellacourt is to visit Vellacourt regularly and take "
                              "part in the discussions and other activities on the board.");
    case 1:
        return tr("Visit Vellacourt regularly. Support Vellacourt by taking part in the discussions and "
                              "other activities. These softwares cannot be supported and maintained, without you "
                              "regularly visiting Vellacourt");
    case 2:
        return tr("Vellacourt is a FREE online discussion forum for all things mystic. To help Vellacourt "
                              "develop and maintain this software visit Vellacourt regularly.");
    default:
        return tr("Vellacourt needs your help. All you need to do is visit Vellacourt regularly and take "
                              "part in the various discussions and activites to help us maintain and develop more "
                              "Vellacourt Softwares.");
    }
}

int frmNagScreen::draw(int n)
{
    return std::clamp(int(std::floor(m_svc.random->Rnd() * n)), 0, n - 1);
}

void frmNagScreen::Form_Load()
{
    m_svc.random->Randomize();
    Label2->setText(message(draw(4)));

    int c = draw(16);
    if (c == 8)
        c = 0;
    const QColor background = QBColor(c);
    QPalette window = palette();
    window.setColor(QPalette::Window, background);
    setPalette(window);
    setAutoFillBackground(true);
    for (QLabel* label : {Label2, Label1}) {
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, complement(background));
        label->setPalette(text);
    }

    // The only way out sits at one of three places.
    QPushButton* exit = cmdExit[draw(3)];
    exit->show();
    exit->setDefault(true);
    setFocusProxy(exit);

    // Wrapped text needs the height that goes with the width.
    const int width = 520;
    setFixedSize(width, qMax(300, heightForWidth(width)));
}

void frmNagScreen::Check1_Click()
{
    // A button that never stays ticked: unticking runs this again, which then does nothing.
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage(*m_svc.browser);
}

void frmNagScreen::cmdExit_Click(int Index)
{
    Q_UNUSED(Index);
    close();
}

void frmNagScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmNagScreen::Form_Unload()
{
    m_forms->UnloadAllForms();
    // The last step of every run: the program ends here.
    QCoreApplication::quit();
}
