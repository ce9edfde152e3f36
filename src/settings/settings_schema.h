#pragma once
// Every key of the settings store, in the order start-up reads them: its name and the text an
// absent key reads as. Nothing else spells a key.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace tw {

struct SettingKey {
  std::string_view name;  // of a people key, the part before the slot number
  // What an absent key reads as. The two birthdays read as today instead.
  std::string_view defaultText;
  // Of a key read with readNumber, its values run from 0 to this; any other reads as the default.
  std::int16_t highest = 0;
};

inline constexpr int kPeopleSlots = 50;

namespace setting {
inline constexpr SettingKey ChartType{"Chart type", "0", 1};
inline constexpr SettingKey Physical{"Physical", "-1"};
inline constexpr SettingKey Emotional{"Emotional", "-1"};
inline constexpr SettingKey Intellectual{"Intellectual", "-1"};
inline constexpr SettingKey Average{"Average", "0"};
inline constexpr SettingKey AgeUnit{"Age format", "0", 2};
inline constexpr SettingKey WeekSeparators{"Week separators", "0"};
inline constexpr SettingKey TodayMarker{"Today marker", "0"};
inline constexpr SettingKey CriticalMarks{"Critical day marks", "0"};
inline constexpr SettingKey BackgroundColour{"Background colour", "&H8000000F"};
inline constexpr SettingKey PhysicalColour{"Physical colour", "255"};
inline constexpr SettingKey EmotionalColour{"Emotional colour", "65280"};
inline constexpr SettingKey IntellectualColour{"Intellectual colour", "16711680"};
inline constexpr SettingKey AverageColour{"Average colour", "65535"};
inline constexpr SettingKey Birthday{"Birthday1", ""};
inline constexpr SettingKey Name{"Birthname1", ""};
inline constexpr SettingKey Birthday2{"Birthday2", ""};
inline constexpr SettingKey Name2{"Birthname2", ""};
inline constexpr SettingKey WindowWidth{"Chart width", ""};
inline constexpr SettingKey WindowHeight{"Chart height", ""};
inline constexpr SettingKey WindowX{"Chart X", ""};
inline constexpr SettingKey WindowY{"Chart Y", ""};
inline constexpr SettingKey WindowState{"Window state", "0", 2};
inline constexpr SettingKey PeopleListX{"PeopleListWin X", ""};
inline constexpr SettingKey PeopleListY{"PeopleListWin Y", ""};
inline constexpr SettingKey PersonEntryX{"PeopleEntryWin X", ""};
inline constexpr SettingKey PersonEntryY{"PeopleEntryWin Y", ""};
// The critical days window, read when it is first opened.
inline constexpr SettingKey CriticalDaysSpan{"Critical days span", "0", 2};
inline constexpr SettingKey CriticalDaysReminder{"Critical days reminder", "0"};
inline constexpr SettingKey CriticalDaysX{"CriticalDaysWin X", ""};
inline constexpr SettingKey CriticalDaysY{"CriticalDaysWin Y", ""};
// One of each for slots 1 ... kPeopleSlots: "PeopleName 1", "PeopleDate 1" ...
inline constexpr SettingKey PersonName{"PeopleName ", ""};
inline constexpr SettingKey PersonBirthday{"PeopleDate ", "1/1/90"};
}  // namespace setting

inline constexpr std::array<const SettingKey*, 33> kSettingsSchema = {
    &setting::ChartType,
    &setting::Physical,
    &setting::Emotional,
    &setting::Intellectual,
    &setting::Average,
    &setting::AgeUnit,
    &setting::WeekSeparators,
    &setting::TodayMarker,
    &setting::CriticalMarks,
    &setting::BackgroundColour,
    &setting::PhysicalColour,
    &setting::EmotionalColour,
    &setting::IntellectualColour,
    &setting::AverageColour,
    &setting::Birthday,
    &setting::Name,
    &setting::Birthday2,
    &setting::Name2,
    &setting::WindowWidth,
    &setting::WindowHeight,
    &setting::WindowX,
    &setting::WindowY,
    &setting::WindowState,
    &setting::PeopleListX,
    &setting::PeopleListY,
    &setting::PersonEntryX,
    &setting::PersonEntryY,
    &setting::CriticalDaysSpan,
    &setting::CriticalDaysReminder,
    &setting::CriticalDaysX,
    &setting::CriticalDaysY,
    &setting::PersonName,
    &setting::PersonBirthday,
};

// Whether the program reads a key of this name: one of the table's, or a people key of a slot.
bool isSettingKey(std::string_view name);

// The stored text, or the key's default when the key is absent.
std::string readSetting(const ui::SettingsStore& store, const SettingKey& key);
void writeSetting(ui::SettingsStore& store, const SettingKey& key, const std::string& text);
// A number key's value; one outside its range, or no number, reads as the key's default.
std::int16_t readNumber(const ui::SettingsStore& store, const SettingKey& key);
// A people key: the key's name followed by the slot number.
std::string readSetting(const ui::SettingsStore& store, const SettingKey& key, int slot);
void writeSetting(ui::SettingsStore& store, const SettingKey& key, int slot,
                  const std::string& text);

}  // namespace tw
