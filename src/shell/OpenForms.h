#pragma once
#include <QList>
#include <QPointer>

class QWidget;

// The program's windows, for closing them all at once: those on the screen, and the main
// window even while it is hidden (in the tray, or before it is shown). The main window
// creates it and hands it to the windows it opens; the last of them keeps it alive.
class OpenForms {
public:
    // Counted as open while hidden, until it is closed or forgotten.
    void keep(QWidget* form);
    void forget(QWidget* form);

    // Closes every open window, one after the other; a window opened while others close
    // (the support reminder) is closed in a later round.
    void UnloadAllForms();

private:
    bool kept(const QWidget* form) const;

    QList<QPointer<QWidget>> m_kept;
    bool m_unloading = false;
};
