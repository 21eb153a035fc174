#pragma once
#include <QString>

// The application title: the caption of every message box that names none.
inline QString AppTitle()
{
    return QStringLiteral("Lumenrest");
}

// The maker, the organisation under which the settings store keeps the program's values.
inline QString Organisation()
{
    return QStringLiteral(LUMENREST_ORGANISATION);
}

// The caption of the main window, the About box and the support reminder.
inline QString AppCaption()
{
    return QStringLiteral("Lumenrest v1.0");
}
