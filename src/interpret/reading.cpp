#include <array>

#include "catalogue/catalogue.h"
#include "interpret/interpret.h"

namespace tw {

namespace {

// Each reading's heading (none for the plain ones) and its words, broken into lines as the
// interpretation box shows them.
struct Reading {
  const char* heading;
  const char* body;
};

// Indexed by row - 1.
const std::array<Reading, 15> kReadings{{
    // TRANSLATORS: the interpretation's readings. Break the lines where the English does, about
    // every 30 characters: the box shows them as they are.
    {N_("Physical, emotional &\n"
        "intellectual critical day!"),
     N_("Don't get out of bed, don't\n"
        "go anywhere, and don't do\n"
        "anything!!!")},
    {N_("Physical and emotional\n"
        "critical day!"),
     N_("Don't overwork, and try\n"
        "to avoid stressful or\n"
        "emotional situations.")},
    {N_("Physical and intellectual\n"
        "critical day!"),
     N_("Don't overwork, and avoid\n"
        "making important decisions.\n"
        "Perception will be reduced.")},
    {N_("Emotional and intellectual\n"
        "critical day!"),
     N_("Avoid emotional or stressful\n"
        "situations, and don't make\n"
        "any important decisions.")},
    {N_("Physical critical day!"), N_("Don't overwork, and avoid\n"
                                      "alcohol and other\n"
                                      "indulgements. Possibility\n"
                                      "of headaches or depression.")},
    {N_("Emotional critical day!"), N_("Try to avoid stressful\n"
                                       "situations, especially\n"
                                       "where you might experience\n"
                                       "upset or disappointment.")},
    {N_("Intellectual critical day!"), N_("Avoid making important decisions.\n"
                                          "Your perception will be reduced, and\n"
                                          "you may experience memory blanking.\n"
                                          "You could find yourself unable to\n"
                                          "relax.")},
    {nullptr, N_("This is a good time for\n"
                 "all activities. Stressful\n"
                 "experiences will be easily\n"
                 "overcome.")},
    {nullptr, N_("Your intellectual abilities\n"
                 "may be inhibited. This is\n"
                 "a good time for exhaustive\n"
                 "pursuits and physical &\n"
                 "emotional activities.")},
    {nullptr, N_("This is a good time for\n"
                 "intellectual pursuits, and\n"
                 "making important decisions.\n"
                 "You are simply lacking\n"
                 "physical energy.")},
    {nullptr, N_("Good physical and\n"
                 "intellectual form. You\n"
                 "should generally feel\n"
                 "quite lively, but may\n"
                 "experience a lack of\n"
                 "inspiration.")},
    {nullptr, N_("Good physical form, but\n"
                 "with a lack of intellectual\n"
                 "inspiration. There is a\n"
                 "possibility that you may\n"
                 "experience sudden fits of\n"
                 "temper or stubbornness.")},
    {nullptr, N_("Try to avoid activities\n"
                 "requiring a lot of energy.\n"
                 "You have a limited immunity\n"
                 "to pain, so this is a bad\n"
                 "time for operations.")},
    {nullptr, N_("This is a good time for\n"
                 "rest and relaxation. If\n"
                 "possible, try to restrict\n"
                 "your activities to routine\n"
                 "tasks only.")},
    {nullptr, N_("You have an optimistic\n"
                 "disposition, but with\n"
                 "physical or intellectual\n"
                 "inhibitions. You may\n"
                 "experience a reduced ability\n"
                 "for logical thinking.")},
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
  if (reading.heading != nullptr) text = withCrLf(_(reading.heading)) + kLineBreak + kLineBreak;
  return text + withCrLf(_(reading.body));
}

}  // namespace tw
