#include "shell/modHelp.h"

#include "platform/Browser.h"

namespace modHelp {

QString SiteAddress()
{
    return QStringLiteral("www.vellacourt.com");
}

QString HomePageUrl()
{
    return QStringLiteral("https://www.vellacourt.com/");
}

QString HelpPageUrl()
{
    return QStringLiteral("https://www.vellacourt.com/lumenrest/help/");
}

QString UpdatePageUrl()
{
    return QStringLiteral("https://www.vellacourt.com/lumenrest/download/");
}

QString DonatePageUrl()
{
    return QStringLiteral("https://www.vellacourt.com/donate/");
}

QString CoBrandPageUrl()
{
    return QStringLiteral("https://www.vellacourt.com/cobrand/");
}

void OpenHelpPage(Browser& browser)
{
    browser.open(HelpPageUrl());
}

void OpenUpdatePage(Browser& browser)
{
    browser.open(UpdatePageUrl());
}

void OpenHomePage(Browser& browser)
{
    browser.open(HomePageUrl());
}

void OpenDonatePage(Browser& browser)
{
    browser.open(DonatePageUrl());
}

void OpenCoBrandPage(Browser& browser)
{
    browser.open(CoBrandPageUrl());
}

} // namespace modHelp
