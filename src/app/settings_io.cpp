#include "app/settings_io.h"

#include "app/settings_keys.h"
#include "app/text_forms.h"

namespace tw {
namespace {
Colour readColourKey(const ui::SettingsStore& store, const char* key, const char* defaultText,
                     Colour fallback) {
  return readColour(store.read(key, defaultText)).value_or(fallback);
}
}  // namespace

ChartOptionsRecord readChartOptions(const ui::SettingsStore& store) {
  ChartOptionsRecord o;
  o.chartType = readSmallInt(store.read(keys::ChartType, "0"));
  o.showPhysical = readBool(store.read(keys::Physical, "-1"));
  o.showEmotional = readBool(store.read(keys::Emotional, "-1"));
  o.showIntellectual = readBool(store.read(keys::Intellectual, "-1"));
  o.showAverage = readBool(store.read(keys::Average, "0"));
  o.ageFormat = readSmallInt(store.read(keys::AgeFormat, "0"));
  o.weekSeparators = readBool(store.read(keys::WeekSeparators, "0"));
  o.todayMarker = readBool(store.read(keys::TodayMarker, "0"));
  o.backgroundColour = readColourKey(store, keys::BackgroundColour, "&H8000000F", kButtonFace);
  o.physicalColour = readColourKey(store, keys::PhysicalColour, "255", kRed);
  o.emotionalColour = readColourKey(store, keys::EmotionalColour, "65280", kGreen);
  o.intellectualColour = readColourKey(store, keys::IntellectualColour, "16711680", kBlue);
  o.averageColour = readColourKey(store, keys::AverageColour, "65535", kYellow);
  return o;
}

void writeChartOptions(ui::SettingsStore& store, const ChartOptionsRecord& o) {
  store.write(keys::ChartType, NumberToText(o.chartType));
  store.write(keys::Physical, BoolToString(o.showPhysical));
  store.write(keys::Emotional, BoolToString(o.showEmotional));
  store.write(keys::Intellectual, BoolToString(o.showIntellectual));
  store.write(keys::Average, BoolToString(o.showAverage));
  store.write(keys::AgeFormat, NumberToText(o.ageFormat));
  store.write(keys::WeekSeparators, BoolToString(o.weekSeparators));
  store.write(keys::TodayMarker, BoolToString(o.todayMarker));
  store.write(keys::BackgroundColour, NumberToText(o.backgroundColour));
  store.write(keys::PhysicalColour, NumberToText(o.physicalColour));
  store.write(keys::EmotionalColour, NumberToText(o.emotionalColour));
  store.write(keys::IntellectualColour, NumberToText(o.intellectualColour));
  store.write(keys::AverageColour, NumberToText(o.averageColour));
}

void readPeople(const ui::SettingsStore& store, Date today, ChartState& s) {
  const std::string todayText = DateToString(today);
  s.birthdate = readDate(store.read(keys::Birthday1, todayText)).value_or(today);
  s.birthname = store.read(keys::Birthname1, "");
  s.birthdate2 = readDate(store.read(keys::Birthday2, todayText)).value_or(today);
  s.birthname2 = store.read(keys::Birthname2, "");
}

void writePeople(ui::SettingsStore& store, const ChartState& s) {
  store.write(keys::Birthday1, DateToString(s.birthdate));
  store.write(keys::Birthname1, s.birthname);
  store.write(keys::Birthday2, DateToString(s.birthdate2));
  store.write(keys::Birthname2, s.birthname2);
}

}  // namespace tw
