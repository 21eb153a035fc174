#pragma once
// The array helpers of the test run. A list either has no bounds at all (never dimensioned,
// or erased: std::nullopt) or has bounds (an engaged vector, possibly without elements).

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace modGlobals {

using LongArray = std::optional<std::vector<qint32>>;
using StringArray = std::optional<std::vector<QString>>;
using BoolArray = std::optional<std::vector<bool>>;

// True when the list has bounds.
bool IsLongArrayInitialised(const LongArray& list);
bool IsStringArrayInitialised(const StringArray& list);

// False for a list without bounds; otherwise whether an element equals the value.
bool IsInLongArray(qint32 value, const LongArray& list);
// Exact, case-sensitive comparison; an element never assigned is the empty text.
bool IsInStringArray(const QString& text, const StringArray& list);

} // namespace modGlobals
