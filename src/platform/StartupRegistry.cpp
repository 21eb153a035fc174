#include "platform/StartupRegistry.h"

#ifdef Q_OS_WIN
#include "platform/WinStartupRegistry.h"
#else
#include "platform/XdgStartupRegistry.h"
#endif

std::unique_ptr<StartupRegistry> createStartupRegistry()
{
#ifdef Q_OS_WIN
    return std::make_unique<WinStartupRegistry>();
#else
    return std::make_unique<XdgStartupRegistry>();
#endif
}
