#include "chart/chart_file_type.h"

#include <algorithm>
#include <cctype>

namespace tw {

std::string_view extensionOf(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

std::optional<ChartFileType> chartFileTypeOf(std::string_view path) {
  std::string ext(extensionOf(path));
  std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "bmp") return ChartFileType::Bmp;
  if (ext == "png") return ChartFileType::Png;
  if (ext == "svg") return ChartFileType::Svg;
  if (ext == "pdf") return ChartFileType::Pdf;
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
