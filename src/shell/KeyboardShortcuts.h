#pragma once
#include <QObject>

#include <array>

class MemorizeView;
class QAbstractButton;
class QCheckBox;
class QKeyEvent;
class QWidget;
class TestScreen;
class WrappingRadioButton;

// The keys that answer a question and walk through the cards without the mouse. They act
// through the real controls (a box is ticked, an option selected, a button clicked), so
// every rule that a click runs runs as well.
class KeyboardShortcuts : public QObject {
    Q_OBJECT
public:
    KeyboardShortcuts(MemorizeView* memorize, TestScreen* test, QObject* parent = nullptr);

    // The keys and what they do, for the Help menu's list: pairs of keys and action.
    static QList<QPair<QString, QString>> list();
    // Shows that list in a small dialog over parent.
    static void showList(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* root);
    bool memorizeKey(QObject* receiver, const QKeyEvent& key);
    bool testKey(QObject* receiver, const QKeyEvent& key);
    bool pickOption(int place);
    bool toggleKeyword(int index);
    void describeOptionKeys();

    MemorizeView* m_memorize;
    TestScreen* m_test;
    // The controls the keys act through, found by their names.
    QAbstractButton* m_next;
    QAbstractButton* m_previous;
    QAbstractButton* m_nextQuestion;
    std::array<WrappingRadioButton*, 7> m_options;
    std::array<QCheckBox*, 20> m_keywords;
};
