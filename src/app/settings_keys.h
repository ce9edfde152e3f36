#pragma once
// The keys of the settings store, in the order start-up reads them.

namespace tw::keys {

inline constexpr const char* ChartType = "Chart type";
inline constexpr const char* Physical = "Physical";
inline constexpr const char* Emotional = "Emotional";
inline constexpr const char* Intellectual = "Intellectual";
inline constexpr const char* Average = "Average";
inline constexpr const char* AgeFormat = "Age format";
inline constexpr const char* WeekSeparators = "Week separators";
inline constexpr const char* TodayMarker = "Today marker";
inline constexpr const char* BackgroundColour = "Background colour";
inline constexpr const char* PhysicalColour = "Physical colour";
inline constexpr const char* EmotionalColour = "Emotional colour";
inline constexpr const char* IntellectualColour = "Intellectual colour";
inline constexpr const char* AverageColour = "Average colour";
inline constexpr const char* Birthday1 = "Birthday1";
inline constexpr const char* Birthname1 = "Birthname1";
inline constexpr const char* Birthday2 = "Birthday2";
inline constexpr const char* Birthname2 = "Birthname2";
inline constexpr const char* ChartWidth = "Chart width";
inline constexpr const char* ChartHeight = "Chart height";
inline constexpr const char* ChartX = "Chart X";
inline constexpr const char* ChartY = "Chart Y";
inline constexpr const char* WindowState = "Window state";
inline constexpr const char* PeopleListX = "PeopleListWin X";
inline constexpr const char* PeopleListY = "PeopleListWin Y";
inline constexpr const char* PeopleEntryX = "PeopleEntryWin X";
inline constexpr const char* PeopleEntryY = "PeopleEntryWin Y";

}  // namespace tw::keys
