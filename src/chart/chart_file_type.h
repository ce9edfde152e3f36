#pragma once
// The file types a chart is saved as, told apart by the name's extension: one rule for the
// window's save dialog and the command line.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

enum class ChartFileType { Bmp, Png, Svg, Pdf };

// The four in words, for a message that refuses any other.
inline constexpr std::string_view kChartFileExtensions = ".bmp, .png, .svg or .pdf";

// What follows the last dot of the file's own name ("png" of "v1.2/chart.png"); empty when
// the name has none.
std::string_view extensionOf(std::string_view path);

// The type the extension names, in any case ("chart.Png"); nothing for none of the four or no
// extension at all.
std::optional<ChartFileType> chartFileTypeOf(std::string_view path);

struct ChartFile {
  std::string path;
  ChartFileType type;
};
// A name chosen in the save dialog: its extension decides the type; a name without one takes
// `chosenExtension`, the type chosen in the dialog. Nothing for an extension of another type.
std::optional<ChartFile> chartFileFor(std::string_view path, std::string_view chosenExtension);

}  // namespace tw
