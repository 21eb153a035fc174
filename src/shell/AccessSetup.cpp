#include "shell/AccessSetup.h"

#include "cardstore/PictureBox.h"
#include "controls/UserControl1.h"
#include "goals/GoalsScreen.h"
#include "shell/ClickLabel.h"
#include "shell/KeyboardShortcuts.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "study/MemorizeView.h"
#include "testing/TestScreen.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// The screens keep their controls to themselves; this layer finds them by their names.
template <typename T>
T* named(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    Q_ASSERT_X(found, "AccessSetup", qPrintable(name));
    return found;
}

QString buddyText(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return QString();
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == control)
            return label->text();
    return QString();
}

// A date picker is three lists; each says which date and which part of it it sets.
void nameDatePickers(QWidget* root)
{
    for (UserControl1* picker : root->findChildren<UserControl1*>()) {
        QString what = buddyText(picker).trimmed();
        if (what.endsWith(QLatin1Char(':')))
            what.chop(1);
        if (what.isEmpty())
            what = QObject::tr("Date");
        picker->setAccessibleName(what);
        const std::pair<const char*, QString> parts[] = {{"cboDate", QObject::tr("%1, day").arg(what)},
                                                         {"cboMonth", QObject::tr("%1, month").arg(what)},
                                                         {"cboYear", QObject::tr("%1, year").arg(what)}};
        for (const auto& [name, text] : parts)
            if (auto* list = picker->findChild<QComboBox*>(QLatin1String(name)))
                list->setAccessibleName(text);
    }
}

void prepareMemorize(MemorizeView& view)
{
    // The captions above the boxes name them.
    const std::pair<const char*, const char*> captions[] = {
        {"Label9", "txtNormalMeaning"}, {"Label17", "txtReverseMeaning"}, {"Label8", "txtKeywords"}};
    for (const auto& [label, box] : captions) {
        auto* text = named<QPlainTextEdit>(&view, QLatin1String(box));
        named<QLabel>(&view, QLatin1String(label))->setBuddy(text);
        // A caret to read by, while the text stays read-only.
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    // The buttons' row reads "<< Previous", "Next >>", "Test Me".
    auto* next = named<QPushButton>(&view, QStringLiteral("cmdNext"));
    QWidget::setTabOrder(named<QPushButton>(&view, QStringLiteral("cmdPrevious")), next);
    QWidget::setTabOrder(next, named<QPushButton>(&view, QStringLiteral("cmdStartTest")));
}

void prepareTest(TestScreen& screen)
{
    const QString keys = QStringLiteral("1234567890ABCDEFGHIJ");
    for (int i = 0; i < 20; ++i)
        named<QCheckBox>(&screen, QStringLiteral("chkKeywords_%1").arg(i))
            ->setAccessibleDescription(QObject::tr("Key %1").arg(keys.at(i)));
    auto* meanings = named<QWidget>(&screen, QStringLiteral("picDescContainer"));
    meanings->setAccessibleName(QObject::tr("Meanings to choose from"));
    // The meanings scroll with the focus; the scroll area itself is no stop on the way.
    for (QWidget* w = meanings->parentWidget(); w && w != &screen; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QAbstractScrollArea*>(w))
            scroll->setFocusPolicy(Qt::NoFocus);
    named<QWidget>(&screen, QStringLiteral("picKeywodContainer"))->setAccessibleName(QObject::tr("Keywords to choose from"));
}

} // namespace

namespace AccessSetup {

void prepare(frmMain& window)
{
    named<QTabWidget>(&window, QStringLiteral("SSTab1"))->setAccessibleName(QObject::tr("Steps"));
    named<QTreeWidget>(&window, QStringLiteral("ListView1"))->setAccessibleName(QObject::tr("Goals"));
    nameDatePickers(&window);
    auto* memorize = window.findChild<MemorizeView*>();
    auto* test = window.findChild<TestScreen*>();
    prepareMemorize(*memorize);
    prepareTest(*test);
    named<QPlainTextEdit>(&window, QStringLiteral("txtResult"))->setAccessibleName(QObject::tr("Test report"));
    // The Co-Brand frame reads: the text, its link, "Donate", "Exit".
    auto* donate = named<QPushButton>(&window, QStringLiteral("cmdReset"));
    QWidget::setTabOrder(named<QWidget>(&window, QStringLiteral("Label3")), donate);
    QWidget::setTabOrder(donate, named<QPushButton>(&window, QStringLiteral("cmdNav_1")));

    auto* keys = new KeyboardShortcuts(memorize, test, &window);
    if (auto* help = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuHelp"))) {
        auto* shortcuts = new QAction(QObject::tr("&Keyboard Shortcuts"), help);
        shortcuts->setObjectName(QStringLiteral("mnuShortcuts"));
        // After the online help, before the links to the site.
        const QAction* online = help->findChild<QAction*>(QStringLiteral("mnuOnline"));
        const QList<QAction*> actions = help->actions();
        const qsizetype at = actions.indexOf(const_cast<QAction*>(online));
        help->insertAction(at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr, shortcuts);
        QObject::connect(shortcuts, &QAction::triggered, keys, [&window] { KeyboardShortcuts::showList(&window); });
    }
}

void prepare(frmAbout& box)
{
    named<QLabel>(&box, QStringLiteral("picIcon"))->setAccessibleName(QObject::tr("Program icon"));
}

} // namespace AccessSetup
