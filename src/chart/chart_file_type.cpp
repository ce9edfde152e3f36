#include "chart/chart_file_type.h"

#include <algorithm>
#include <cctype>
#include <vector>

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
    if (i > 0) words += i + 1 == order.size() ? " or " : ", ";
    words += ".";
    words += order[i];
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
