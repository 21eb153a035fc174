#include "shell/KeyboardShortcuts.h"

#include "study/MemorizeView.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

bool plainKey(const QKeyEvent& key)
{
    return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// A box that takes typed text or moves a caret keeps the arrow keys for itself.
bool isTextBox(QObject* object)
{
    return qobject_cast<QLineEdit*>(object) || qobject_cast<QPlainTextEdit*>(object)
        || qobject_cast<QTextEdit*>(object);
}

bool shown(const QWidget* control)
{
    return control->isEnabled() && !control->isHidden();
}

template <typename T>
T* named(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    Q_ASSERT_X(found, "KeyboardShortcuts", qPrintable(name));
    return found;
}

} // namespace

KeyboardShortcuts::KeyboardShortcuts(MemorizeView* memorize, TestScreen* test, QObject* parent)
    : QObject(parent)
    , m_memorize(memorize)
    , m_test(test)
    , m_next(named<QPushButton>(memorize, QStringLiteral("cmdNext")))
    , m_previous(named<QPushButton>(memorize, QStringLiteral("cmdPrevious")))
    , m_nextQuestion(named<QPushButton>(test, QStringLiteral("cmdNextQuestion")))
{
    for (std::size_t i = 0; i < m_options.size(); ++i)
        m_options[i] = named<WrappingRadioButton>(test, QStringLiteral("optAnswer_%1").arg(i));
    for (std::size_t i = 0; i < m_keywords.size(); ++i)
        m_keywords[i] = named<QCheckBox>(test, QStringLiteral("chkKeywords_%1").arg(i));
    watch(m_memorize);
    watch(m_test);
    describeOptionKeys();
}

void KeyboardShortcuts::watch(QWidget* root)
{
    // A key goes to the focused control first, and buttons keep the arrows and Space, so
    // every control of the tab is watched, not only the tab.
    root->installEventFilter(this);
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(this);
}

bool KeyboardShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        && qobject_cast<WrappingRadioButton*>(watched)) {
        describeOptionKeys();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!plainKey(key))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (m_memorize->isAncestorOf(widget) || widget == m_memorize)
        return memorizeKey(watched, key);
    if (m_test->isAncestorOf(widget) || widget == m_test)
        return testKey(watched, key);
    return false;
}

bool KeyboardShortcuts::memorizeKey(QObject* receiver, const QKeyEvent& key)
{
    if (isTextBox(receiver) || (receiver->parent() && isTextBox(receiver->parent())))
        return false; // the caret moves, the card stays
    QAbstractButton* button = nullptr;
    if (key.key() == Qt::Key_Right)
        button = m_next;
    else if (key.key() == Qt::Key_Left)
        button = m_previous;
    if (!button)
        return false;
    if (button->isEnabled())
        button->click();
    return true;
}

bool KeyboardShortcuts::testKey(QObject* receiver, const QKeyEvent& key)
{
    const int k = key.key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        // Space on an option or a keyword box is that control's own toggle.
        if (k == Qt::Key_Space && receiver != m_nextQuestion && qobject_cast<QAbstractButton*>(receiver))
            return false;
        if (!m_nextQuestion->isEnabled())
            return false;
        m_nextQuestion->click();
        return true;
    }
    const bool description = m_test->descriptionInFront();
    if (k >= Qt::Key_1 && k <= Qt::Key_9)
        return description ? pickOption(k - Qt::Key_1) : toggleKeyword(k - Qt::Key_1);
    if (k == Qt::Key_0 && !description)
        return toggleKeyword(9);
    if (k >= Qt::Key_A && k <= Qt::Key_J && !description)
        return toggleKeyword(10 + (k - Qt::Key_A));
    return false;
}

bool KeyboardShortcuts::pickOption(int place)
{
    // The place counts among the options shown, so 1 is always the top one.
    int seen = 0;
    for (WrappingRadioButton* option : m_options) {
        if (!shown(option))
            continue;
        if (seen++ == place) {
            option->setChecked(true);
            return true;
        }
    }
    return false;
}

void KeyboardShortcuts::describeOptionKeys()
{
    // Screen readers tell the key with each option; the key depends on which are shown.
    int place = 0;
    for (WrappingRadioButton* option : m_options)
        option->setAccessibleDescription(option->isHidden() ? QString() : tr("Key %1").arg(++place));
}

bool KeyboardShortcuts::toggleKeyword(int index)
{
    QCheckBox* box = m_keywords[std::size_t(index)];
    if (!shown(box))
        return false;
    box->setChecked(!box->isChecked());
    return true;
}

QList<QPair<QString, QString>> KeyboardShortcuts::list()
{
    return {
        {tr("Right arrow"), tr("Memorize Cards: the next card")},
        {tr("Left arrow"), tr("Memorize Cards: the previous card")},
        {tr("Z or double-click"), tr("A large view of the card picture that has the focus")},
        {tr("1 to 7"), tr("Take Test, meanings: choose the meaning in that place, counted from the top")},
        {tr("1 to 9 and 0"), tr("Take Test, keywords: tick or untick a keyword of the left column")},
        {tr("A to J"), tr("Take Test, keywords: tick or untick a keyword of the right column")},
        {tr("Enter or Space"), tr("Take Test: the next question, once an answer stands")},
        {tr("Esc"), tr("Closes the large view and the small windows")},
        {tr("Tab, Shift+Tab"), tr("The next or previous control; Enter or Space opens a link")},
    };
}

void KeyboardShortcuts::showList(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmShortcuts"));
    dialog.setWindowTitle(tr("Keyboard Shortcuts"));
    auto* table = new QTreeWidget(&dialog);
    table->setObjectName(QStringLiteral("lstShortcuts"));
    table->setAccessibleName(tr("Keyboard shortcuts"));
    table->setHeaderLabels({tr("Keys"), tr("Action")});
    table->setRootIsDecorated(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto& [keys, action] : list())
        table->addTopLevelItem(new QTreeWidgetItem(QStringList{keys, action}));
    table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->setCurrentItem(table->topLevelItem(0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->setObjectName(QStringLiteral("cmdCloseShortcuts"));
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    // Wide enough for the longest line in any language, within the screen.
    table->header()->resizeSections(QHeaderView::ResizeToContents);
    const int wanted = table->columnWidth(0) + table->columnWidth(1) + 2 * table->frameWidth()
                       + table->verticalScrollBar()->sizeHint().width() + layout->contentsMargins().left()
                       + layout->contentsMargins().right();
    const int room = parent && parent->screen() ? parent->screen()->availableGeometry().width() * 9 / 10 : wanted;
    dialog.resize(qBound(620, wanted, qMax(620, room)), 320);
    dialog.exec();
}
