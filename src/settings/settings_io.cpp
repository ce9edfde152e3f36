#include "settings/settings_io.h"

#include <variant>

#include "settings/settings_schema.h"
#include "settings/text_forms.h"

namespace tw {
namespace {
// An unreadable colour gives the colour its default text stands for.
Colour readColourKey(const ui::SettingsStore& store, const SettingKey& key) {
  return readColour(readSetting(store, key)).value_or(*readColour(key.defaultText));
}

// Each option with its key, in the order the file has always had them.
using OptionMember = std::variant<ChartType ChartOptions::*, AgeUnit ChartOptions::*,
                                  bool ChartOptions::*, Colour ChartOptions::*>;
struct OptionField {
  const SettingKey& key;
  OptionMember member;
};

const OptionField kOptionFields[] = {
    {setting::ChartType, &ChartOptions::chartType},
    {setting::Physical, &ChartOptions::showPhysical},
    {setting::Emotional, &ChartOptions::showEmotional},
    {setting::Intellectual, &ChartOptions::showIntellectual},
    {setting::Average, &ChartOptions::showAverage},
    {setting::AgeUnit, &ChartOptions::ageUnit},
    {setting::WeekSeparators, &ChartOptions::weekSeparators},
    {setting::TodayMarker, &ChartOptions::todayMarker},
    {setting::CriticalMarks, &ChartOptions::criticalMarks},
    {setting::BackgroundColour, &ChartOptions::backgroundColour},
    {setting::PhysicalColour, &ChartOptions::physicalColour},
    {setting::EmotionalColour, &ChartOptions::emotionalColour},
    {setting::IntellectualColour, &ChartOptions::intellectualColour},
    {setting::AverageColour, &ChartOptions::averageColour},
};

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Every key reads as its default text.
class DefaultsOnly : public ui::SettingsStore {
 public:
  std::string read(const std::string&, const std::string& defaultText) const override {
    return defaultText;
  }
  void write(const std::string&, const std::string&) override {}
  void sync() override {}
  bool isNew() const override { return true; }
  void refresh() override {}
};
}  // namespace

ChartOptions readChartOptions(const ui::SettingsStore& store) {
  ChartOptions o;
  for (const OptionField& f : kOptionFields) {
    const SettingKey& key = f.key;
    std::visit(Overloaded{
                   [&](ChartType ChartOptions::*m) { o.*m = ChartType{readNumber(store, key)}; },
                   [&](AgeUnit ChartOptions::*m) { o.*m = AgeUnit{readNumber(store, key)}; },
                   [&](bool ChartOptions::*m) { o.*m = readBool(readSetting(store, key)); },
                   [&](Colour ChartOptions::*m) { o.*m = readColourKey(store, key); },
               },
               f.member);
  }
  return o;
}

void writeChartOptions(ui::SettingsStore& store, const ChartOptions& o) {
  for (const OptionField& f : kOptionFields) {
    const std::string text = std::visit(
        Overloaded{
            [&](ChartType ChartOptions::*m) { return numberText(static_cast<int>(o.*m)); },
            [&](AgeUnit ChartOptions::*m) { return numberText(static_cast<int>(o.*m)); },
            [&](bool ChartOptions::*m) { return boolText(o.*m); },
            [&](Colour ChartOptions::*m) { return numberText(o.*m); },
        },
        f.member);
    writeSetting(store, f.key, text);
  }
}

ChartOptions defaultChartOptions() {
  static const ChartOptions defaults = readChartOptions(DefaultsOnly{});
  return defaults;
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
