#pragma once

namespace modGlobals {

// Closes every open window, one after the other; a window opened while others close
// (the support reminder) is closed in a later round.
void UnloadAllForms();

} // namespace modGlobals
