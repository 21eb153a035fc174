#include "shell/modHelp.h"

#include "platform/Browser.h"

namespace modHelp {

void OpenHelpPage(Browser& browser) { browser.open(HelpPageUrl()); }
void OpenUpdatePage(Browser& browser) { browser.open(UpdatePageUrl()); }
void OpenHomePage(Browser& browser) { browser.open(HomePageUrl()); }
void OpenDonatePage(Browser& browser) { browser.open(DonatePageUrl()); }
void OpenCoBrandPage(Browser& browser) { browser.open(CoBrandPageUrl()); }

} // namespace modHelp
