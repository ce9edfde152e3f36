#include "chart/chart_file_type.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "catalogue/catalogue.h"

namespace tw {

std::string_view extensionOf(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

std::string chartFileExtensionWords(ChartFileType first) {
  std::vector<std::string_view> order;
  for (const ChartFileKind& k : kChartFileKinds)
    if (k.type == first) order.push_back(k.extension);
  for (const ChartFileKind& k : kChartFileKinds)
    if (k.type != first) order.push_back(k.extension);
  std::string words;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::string next = "." + std::string(order[i]);
    if (i == 0)
      words = next;
    else if (i + 1 < order.size())
      // TRANSLATORS: a list of choices, {1} those so far and {2} the next: ".png, .bmp".
      words = fillIn(C_("list", "{1}, {2}"), words, next);
    else
      // TRANSLATORS: the end of a list of choices: ".png, .bmp, .svg or .pdf".
      words = fillIn(C_("list", "{1} or {2}"), words, next);
  }
  return words;
}

std::optional<ChartFileType> chartFileTypeOf(std::string_view path) {
  std::string ext(extensionOf(path));
  std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const ChartFileKind& k : kChartFileKinds)
    if (ext == k.extension) return k.type;
  return std::nullopt;
}

std::optional<ChartFile> chartFileFor(std::string_view path, std::string_view chosenExtension) {
  std::string file(path);
  // "chart." has a dot but nothing after it: it takes the chosen type too.
  if (extensionOf(path).empty()) {
    if (file.empty() || file.back() != '.') file += '.';
    file += chosenExtension;
  }
  const auto type = chartFileTypeOf(file);
  if (!type) return std::nullopt;
  return ChartFile{file, *type};
}

}  // namespace tw
