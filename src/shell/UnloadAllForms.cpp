#include "shell/UnloadAllForms.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace modGlobals {

void UnloadAllForms()
{
    static bool running = false;
    if (running)
        return; // a window closed here may ask for the same again
    running = true;
    for (int round = 0; round < 5; ++round) {
        QList<QPointer<QWidget>> open;
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows)
            if (w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip
                && !w->testAttribute(Qt::WA_DontShowOnScreen) && (w->isVisible() || w->property("lumenrestForm").toBool()))
                open << w;
        if (open.isEmpty())
            break;
        for (const QPointer<QWidget>& w : open) {
            if (w) {
                w->setProperty("lumenrestForm", false);
                w->close();
            }
        }
    }
    running = false;
}

} // namespace modGlobals
