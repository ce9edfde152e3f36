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
  std::vector<std::string> order;
  for (const ChartFileKind& k : kChartFileKinds)
    if (k.type == first) order.push_back("." + std::string(k.extension));
  for (const ChartFileKind& k : kChartFileKinds)
    if (k.type != first) order.push_back("." + std::string(k.extension));
  // TRANSLATORS: the end of a list of choices: ".png, .bmp, .svg or .pdf".
  return listInWords(order, C_("list", "{1} or {2}"));
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
