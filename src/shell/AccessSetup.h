#pragma once
// Keyboard and screen-reader access for the main window and the About box: names for the
// controls whose caption does not say what they are, tab order in reading order, the
// answer and navigation keys, and the Help menu's list of shortcuts.

class frmAbout;
class frmMain;

namespace AccessSetup {

void prepare(frmMain& window);
void prepare(frmAbout& box);

} // namespace AccessSetup
