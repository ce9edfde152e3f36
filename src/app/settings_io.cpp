#include "app/settings_io.h"

#include "app/settings_schema.h"
#include "app/text_forms.h"

namespace tw {
namespace {
// An unreadable colour gives the colour its default text stands for.
Colour readColourKey(const ui::SettingsStore& store, const SettingKey& key) {
  return readColour(readSetting(store, key)).value_or(*readColour(key.defaultText));
}
}  // namespace

ChartOptions readChartOptions(const ui::SettingsStore& store) {
  ChartOptions o;
  o.chartType = static_cast<ChartType>(readNumber(store, setting::ChartType));
  o.showPhysical = readBool(readSetting(store, setting::Physical));
  o.showEmotional = readBool(readSetting(store, setting::Emotional));
  o.showIntellectual = readBool(readSetting(store, setting::Intellectual));
  o.showAverage = readBool(readSetting(store, setting::Average));
  o.ageUnit = static_cast<AgeUnit>(readNumber(store, setting::AgeUnit));
  o.weekSeparators = readBool(readSetting(store, setting::WeekSeparators));
  o.todayMarker = readBool(readSetting(store, setting::TodayMarker));
  o.criticalMarks = readBool(readSetting(store, setting::CriticalMarks));
  o.backgroundColour = readColourKey(store, setting::BackgroundColour);
  o.physicalColour = readColourKey(store, setting::PhysicalColour);
  o.emotionalColour = readColourKey(store, setting::EmotionalColour);
  o.intellectualColour = readColourKey(store, setting::IntellectualColour);
  o.averageColour = readColourKey(store, setting::AverageColour);
  return o;
}

void writeChartOptions(ui::SettingsStore& store, const ChartOptions& o) {
  writeSetting(store, setting::ChartType, numberText(static_cast<int>(o.chartType)));
  writeSetting(store, setting::Physical, boolText(o.showPhysical));
  writeSetting(store, setting::Emotional, boolText(o.showEmotional));
  writeSetting(store, setting::Intellectual, boolText(o.showIntellectual));
  writeSetting(store, setting::Average, boolText(o.showAverage));
  writeSetting(store, setting::AgeUnit, numberText(static_cast<int>(o.ageUnit)));
  writeSetting(store, setting::WeekSeparators, boolText(o.weekSeparators));
  writeSetting(store, setting::TodayMarker, boolText(o.todayMarker));
  writeSetting(store, setting::CriticalMarks, boolText(o.criticalMarks));
  writeSetting(store, setting::BackgroundColour, numberText(o.backgroundColour));
  writeSetting(store, setting::PhysicalColour, numberText(o.physicalColour));
  writeSetting(store, setting::EmotionalColour, numberText(o.emotionalColour));
  writeSetting(store, setting::IntellectualColour, numberText(o.intellectualColour));
  writeSetting(store, setting::AverageColour, numberText(o.averageColour));
}

void readPeople(const ui::SettingsStore& store, Date today, ChartState& s) {
  s.birthday = readDate(readSetting(store, setting::Birthday)).value_or(today);
  s.name = readName(readSetting(store, setting::Name));
  s.birthday2 = readDate(readSetting(store, setting::Birthday2)).value_or(today);
  s.name2 = readName(readSetting(store, setting::Name2));
}

void writePeople(ui::SettingsStore& store, const ChartState& s) {
  writeSetting(store, setting::Birthday, dateText(s.birthday));
  writeSetting(store, setting::Name, s.name);
  writeSetting(store, setting::Birthday2, dateText(s.birthday2));
  writeSetting(store, setting::Name2, s.name2);
}

}  // namespace tw
