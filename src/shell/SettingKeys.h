#pragma once
#include <array>

// The values kept in the "Settings" section of the settings store: each key once, with what
// a missing or unreadable value reads as.

// A number in [0, count), stored as its decimal text.
struct IndexSetting {
    const char* key;
    int defaultIndex;
    int count;
};

// "True" or "False"; anything else reads as false.
struct FlagSetting {
    const char* key;
    bool defaultValue;
};

namespace Settings {

inline constexpr IndexSetting MajorArcana{"MajorArcana", 1, 2};
inline constexpr IndexSetting MinorArcana{"MinorArcana", 1, 2};
inline constexpr IndexSetting Cups{"Cups", 1, 2};
inline constexpr IndexSetting Wands{"Wands", 1, 2};
inline constexpr IndexSetting Pentacles{"Pentacles", 1, 2};
inline constexpr IndexSetting Swords{"Swords", 1, 2};
// 0 Description, 1 Keywords.
inline constexpr IndexSetting TestType{"TestType", 1, 2};
// 0 Beginner, 1 Intermediate, 2 Advanced.
inline constexpr IndexSetting Difficulty{"Difficulty", 0, 3};
inline constexpr FlagSetting RunAtSysTray{"RunAtSysTray", false};

// The study boxes in the order they are stored: 1 ticked, 0 not.
inline constexpr std::array<IndexSetting, 6> StudyBoxes{MajorArcana, MinorArcana, Cups, Wands, Pentacles, Swords};

} // namespace Settings
