#pragma once

// The main window's tabs, in their order on the tab bar.
enum MainTab : int { TabGoals = 0, TabSettings = 1, TabMemorize = 2, TabTest = 3, TabResults = 4 };
