#include "testing/modGlobals.h"

#include <algorithm>

namespace modGlobals {

bool IsLongArrayInitialised(const LongArray& list)
{
    return list.has_value();
}

bool IsStringArrayInitialised(const StringArray& list)
{
    return list.has_value();
}

bool IsInLongArray(qint32 value, const LongArray& list)
{
    if (!IsLongArrayInitialised(list))
        return false;
    return std::find(list->begin(), list->end(), value) != list->end();
}

bool IsInStringArray(const QString& text, const StringArray& list)
{
    if (!IsStringArrayInitialised(list))
        return false;
    // QString() and "" compare equal, so an unassigned element matches the empty text.
    return std::any_of(list->begin(), list->end(),
                       [&](const QString& element) { return element.compare(text, Qt::CaseSensitive) == 0; });
}

} // namespace modGlobals
