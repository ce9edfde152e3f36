#include "chart/chart_file_type.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::string shown(const std::optional<ChartFile>& f) {
  static const char* names[] = {"BMP", "PNG", "SVG", "PDF"};
  return f ? names[static_cast<int>(f->type)] + std::string(" ") + f->path : "refused";
}

TEST(ChartFileName, TheExtensionDecidesTheType) {
  const struct {
    const char* name;
    const char* typed;
    const char* chosen;
    const char* expected;
  } cases[] = {
      {"no extension takes the chosen", "/u/chart5", "pdf", "PDF /u/chart5.pdf"},
      {"a bare dot", "/u/chart.", "svg", "SVG /u/chart.svg"},
      {"jpg refused", "/u/chart5.jpg", "BMP", "refused"},
      {"two extensions, the last counts", "/u/chart.png.txt", "png", "refused"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(chartFileFor(c.typed, c.chosen)), c.expected) << c.name;
  // The command line has no chosen type: a name must say its own.
  EXPECT_EQ(chartFileTypeOf("/u/chart5"), std::nullopt);
}

TEST(ChartFileName, TheTypesInWordsStartWithTheOneAskedFor) {
  const std::pair<ChartFileType, const char*> rows[] = {
      {ChartFileType::Bmp, ".bmp, .png, .svg or .pdf"},
      {ChartFileType::Png, ".png, .bmp, .svg or .pdf"},
      {ChartFileType::Pdf, ".pdf, .bmp, .png or .svg"},
  };
  for (const auto& [first, words] : rows) EXPECT_EQ(chartFileExtensionWords(first), words);
}

}  // namespace
}  // namespace tw
