#include "shell/OpenForms.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

void OpenForms::keep(QWidget* form)
{
    if (!kept(form))
        m_kept << form;
}

void OpenForms::forget(QWidget* form)
{
    m_kept.removeIf([form](const QPointer<QWidget>& w) { return !w || w == form; });
}

bool OpenForms::kept(const QWidget* form) const
{
    return std::any_of(m_kept.begin(), m_kept.end(), [form](const QPointer<QWidget>& w) { return w == form; });
}

void OpenForms::UnloadAllForms()
{
    if (m_unloading)
        return; // a window closed here may ask for the same again
    m_unloading = true;
    for (int round = 0; round < 5; ++round) {
        QList<QPointer<QWidget>> open;
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows)
            if (w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip
                && !w->testAttribute(Qt::WA_DontShowOnScreen) && (w->isVisible() || kept(w)))
                open << w;
        if (open.isEmpty())
            break;
        for (const QPointer<QWidget>& w : open) {
            if (w) {
                forget(w);
                w->close();
            }
        }
    }
    m_unloading = false;
}
