#include <array>

#include "interpret/interpret.h"

namespace tw {

namespace {

// Unused slots stay null.
struct Reading {
  std::array<const char*, 2> heading;
  std::array<const char*, 6> body;
};

// Indexed by row - 1.
const std::array<Reading, 15> kReadings{{
    {{"Physical, emotional &", "intellectual critical day!"},
     {"Don't get out of bed, don't", "go anywhere, and don't do", "anything!!!"}},
    {{"Physical and emotional", "critical day!"},
     {"Don't overwork, and try", "to avoid stressful or", "emotional situations."}},
    {{"Physical and intellectual", "critical day!"},
     {"Don't overwork, and avoid", "making important decisions.", "Perception will be reduced."}},
    {{"Emotional and intellectual", "critical day!"},
     {"Avoid emotional or stressful", "situations, and don't make", "any important decisions."}},
    {{"Physical critical day!"},
     {"Don't overwork, and avoid", "alcohol and other", "indulgements. Possibility",
      "of headaches or depression."}},
    {{"Emotional critical day!"},
     {"Try to avoid stressful", "situations, especially", "where you might experience",
      "upset or disappointment."}},
    {{"Intellectual critical day!"},
     {"Avoid making important decisions.", "Your perception will be reduced, and",
      "you may experience memory blanking.", "You could find yourself unable to", "relax."}},
    {{},
     {"This is a good time for", "all activities. Stressful", "experiences will be easily",
      "overcome."}},
    {{},
     {"Your intellectual abilities", "may be inhibited. This is", "a good time for exhaustive",
      "pursuits and physical &", "emotional activities."}},
    {{},
     {"This is a good time for", "intellectual pursuits, and", "making important decisions.",
      "You are simply lacking", "physical energy."}},
    {{},
     {"Good physical and", "intellectual form. You", "should generally feel",
      "quite lively, but may", "experience a lack of", "inspiration."}},
    {{},
     {"Good physical form, but", "with a lack of intellectual", "inspiration. There is a",
      "possibility that you may", "experience sudden fits of", "temper or stubbornness."}},
    {{},
     {"Try to avoid activities", "requiring a lot of energy.", "You have a limited immunity",
      "to pain, so this is a bad", "time for operations."}},
    {{},
     {"This is a good time for", "rest and relaxation. If", "possible, try to restrict",
      "your activities to routine", "tasks only."}},
    {{},
     {"You have an optimistic", "disposition, but with", "physical or intellectual",
      "inhibitions. You may", "experience a reduced ability", "for logical thinking."}},
}};

constexpr const char* kLineBreak = "\r\n";

}  // namespace

int readingRow(int p, int e, int i) {
  // Two or three critical cycles must win over a single one, so the order matters.
  if (p == 0 && e == 0 && i == 0) return 1;
  if (p == 0 && e == 0) return 2;
  if (p == 0 && i == 0) return 3;
  if (e == 0 && i == 0) return 4;
  if (p == 0) return 5;
  if (e == 0) return 6;
  if (i == 0) return 7;
  if (p > 0 && e > 0 && i > 0) return 8;
  if (p > 0 && e > 0) return 9;
  if (p < 0 && e > 0 && i > 0) return 10;
  if (p > 0 && e < 0 && i > 0) return 11;
  if (p > 0 && e < 0) return 12;
  if (p < 0 && e < 0 && i > 0) return 13;
  if (p < 0 && e < 0) return 14;
  return 15;
}

std::string readingText(double days) {
  const int p = cyclePhaseAt(days, CycleKind::Physical);
  const int e = cyclePhaseAt(days, CycleKind::Emotional);
  const int i = cyclePhaseAt(days, CycleKind::Intellectual);

  const Reading& reading = kReadings[static_cast<std::size_t>(readingRow(p, e, i) - 1)];
  std::string text;
  for (const char* line : reading.heading) {
    if (line == nullptr) break;
    text += line;
    text += kLineBreak;
  }
  if (reading.heading[0] != nullptr) text += kLineBreak;
  for (std::size_t n = 0; n < reading.body.size() && reading.body[n] != nullptr; ++n) {
    if (n > 0) text += kLineBreak;
    text += reading.body[n];
  }
  return text;
}

}  // namespace tw
