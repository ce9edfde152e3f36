#pragma once
// Every key of the settings store, in the order start-up reads them: its name, the text an
// absent key reads as, and the form its value is written in. Nothing else spells a key.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/ui.h"

namespace tw {

enum class TextForm {
  Number,   // " 1": a blank where a minus sign would stand; 0 up to the key's highest value
  Boolean,  // "-1" or "0"
  Colour,   // a signed 32-bit number; read also as "&H" hexadecimal
  Date,     // "4/12/2026", read day first
  Text,     // as it stands
  Twips,    // a whole number of twips, written as a Number; 0 or less is not applied
};

struct SettingKey {
  std::string_view name;  // of a people key, the part before the slot number
  // What an absent key reads as. The two birthdays read as today instead.
  std::string_view defaultText;
  TextForm form;
  // Of a Number key, its values run from 0 to this; any other reads as the default.
  std::int16_t highest = 0;
};

inline constexpr int kPeopleSlots = 50;

namespace setting {
inline constexpr SettingKey ChartType{"Chart type", "0", TextForm::Number, 1};
inline constexpr SettingKey Physical{"Physical", "-1", TextForm::Boolean};
inline constexpr SettingKey Emotional{"Emotional", "-1", TextForm::Boolean};
inline constexpr SettingKey Intellectual{"Intellectual", "-1", TextForm::Boolean};
inline constexpr SettingKey Average{"Average", "0", TextForm::Boolean};
inline constexpr SettingKey AgeUnit{"Age format", "0", TextForm::Number, 2};
inline constexpr SettingKey WeekSeparators{"Week separators", "0", TextForm::Boolean};
inline constexpr SettingKey TodayMarker{"Today marker", "0", TextForm::Boolean};
inline constexpr SettingKey CriticalMarks{"Critical day marks", "0", TextForm::Boolean};
inline constexpr SettingKey BackgroundColour{"Background colour", "&H8000000F", TextForm::Colour};
inline constexpr SettingKey PhysicalColour{"Physical colour", "255", TextForm::Colour};
inline constexpr SettingKey EmotionalColour{"Emotional colour", "65280", TextForm::Colour};
inline constexpr SettingKey IntellectualColour{"Intellectual colour", "16711680", TextForm::Colour};
inline constexpr SettingKey AverageColour{"Average colour", "65535", TextForm::Colour};
inline constexpr SettingKey Birthday{"Birthday1", "", TextForm::Date};
inline constexpr SettingKey Name{"Birthname1", "", TextForm::Text};
inline constexpr SettingKey Birthday2{"Birthday2", "", TextForm::Date};
inline constexpr SettingKey Name2{"Birthname2", "", TextForm::Text};
inline constexpr SettingKey WindowWidth{"Chart width", "", TextForm::Twips};
inline constexpr SettingKey WindowHeight{"Chart height", "", TextForm::Twips};
inline constexpr SettingKey WindowX{"Chart X", "", TextForm::Twips};
inline constexpr SettingKey WindowY{"Chart Y", "", TextForm::Twips};
inline constexpr SettingKey WindowState{"Window state", "0", TextForm::Number, 2};
inline constexpr SettingKey PeopleListX{"PeopleListWin X", "", TextForm::Twips};
inline constexpr SettingKey PeopleListY{"PeopleListWin Y", "", TextForm::Twips};
inline constexpr SettingKey PersonEntryX{"PeopleEntryWin X", "", TextForm::Twips};
inline constexpr SettingKey PersonEntryY{"PeopleEntryWin Y", "", TextForm::Twips};
// The critical days window, read when it is first opened.
inline constexpr SettingKey CriticalDaysSpan{"Critical days span", "0", TextForm::Number, 2};
inline constexpr SettingKey CriticalDaysReminder{"Critical days reminder", "0", TextForm::Boolean};
inline constexpr SettingKey CriticalDaysX{"CriticalDaysWin X", "", TextForm::Twips};
inline constexpr SettingKey CriticalDaysY{"CriticalDaysWin Y", "", TextForm::Twips};
// One of each for slots 1 ... kPeopleSlots: "PeopleName 1", "PeopleDate 1" ...
inline constexpr SettingKey PersonName{"PeopleName ", "", TextForm::Text};
inline constexpr SettingKey PersonBirthday{"PeopleDate ", "1/1/90", TextForm::Date};
}  // namespace setting

inline constexpr std::array<const SettingKey*, 33> kSettingsSchema = {
    &setting::ChartType,      &setting::Physical,         &setting::Emotional,
    &setting::Intellectual,   &setting::Average,          &setting::AgeUnit,
    &setting::WeekSeparators, &setting::TodayMarker,      &setting::CriticalMarks,
    &setting::BackgroundColour,
    &setting::PhysicalColour, &setting::EmotionalColour,  &setting::IntellectualColour,
    &setting::AverageColour,  &setting::Birthday,         &setting::Name,
    &setting::Birthday2,      &setting::Name2,            &setting::WindowWidth,
    &setting::WindowHeight,   &setting::WindowX,          &setting::WindowY,
    &setting::WindowState,    &setting::PeopleListX,      &setting::PeopleListY,
    &setting::PersonEntryX,   &setting::PersonEntryY,     &setting::CriticalDaysSpan,
    &setting::CriticalDaysReminder, &setting::CriticalDaysX,  &setting::CriticalDaysY,
    &setting::PersonName,     &setting::PersonBirthday,
};

// Whether the program reads a key of this name: one of the table's, or a people key of a slot.
bool isSettingKey(std::string_view name);

// The stored text, or the key's default when the key is absent.
std::string readSetting(const ui::SettingsStore& store, const SettingKey& key);
void writeSetting(ui::SettingsStore& store, const SettingKey& key, const std::string& text);
// A Number key's value; one outside its range, or no number, reads as the key's default.
std::int16_t readNumber(const ui::SettingsStore& store, const SettingKey& key);
// A people key: the key's name followed by the slot number.
std::string readSetting(const ui::SettingsStore& store, const SettingKey& key, int slot);
void writeSetting(ui::SettingsStore& store, const SettingKey& key, int slot,
                  const std::string& text);

}  // namespace tw
