#pragma once
#include <QString>

class Browser;

// The maker's web pages; every address lives here.
namespace modHelp {

QString SiteAddress();  // as shown in captions
QString HomePageUrl();
QString HelpPageUrl();
QString UpdatePageUrl();
QString DonatePageUrl();
QString CoBrandPageUrl();

void OpenHelpPage(Browser& browser);
void OpenUpdatePage(Browser& browser);
void OpenHomePage(Browser& browser);
void OpenDonatePage(Browser& browser);
void OpenCoBrandPage(Browser& browser);

} // namespace modHelp
