#pragma once
#include <QString>

class Browser;

// The maker's web pages; every address lives here.
namespace modHelp {

inline QString SiteAddress() { return QStringLiteral("www.vellacourt.com"); } // as shown in captions
inline QString HomePageUrl() { return QStringLiteral("https://www.vellacourt.com/"); }
inline QString HelpPageUrl() { return HomePageUrl() + QStringLiteral("lumenrest/help/"); }
inline QString UpdatePageUrl() { return HomePageUrl() + QStringLiteral("lumenrest/download/"); }
inline QString DonatePageUrl() { return HomePageUrl() + QStringLiteral("donate/"); }
inline QString CoBrandPageUrl() { return HomePageUrl() + QStringLiteral("cobrand/"); }

void OpenHelpPage(Browser& browser);
void OpenUpdatePage(Browser& browser);
void OpenHomePage(Browser& browser);
void OpenDonatePage(Browser& browser);
void OpenCoBrandPage(Browser& browser);

} // namespace modHelp
