#pragma once
// The file types a chart is saved as, told apart by the name's extension: one table for the
// window's save dialog and the command line.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace tw {

enum class ChartFileType { Bmp, Png, Svg, Pdf };

struct ChartFileKind {
  ChartFileType type;
  std::string_view extension;  // as a name ends, in any case
  const char* label;           // the save dialog's name for it, shown before the pattern (N_)
  std::string_view pattern;
};

// In the save dialog's order, bitmaps first.
inline constexpr std::array<ChartFileKind, 4> kChartFileKinds{{
    // TRANSLATORS: kinds of file in the save dialog's list of types.
    {ChartFileType::Bmp, "bmp", N_("Bitmaps"), "*.BMP"},
    {ChartFileType::Png, "png", N_("PNG images"), "*.png"},
    {ChartFileType::Svg, "svg", N_("SVG drawings"), "*.svg"},
    {ChartFileType::Pdf, "pdf", N_("PDF documents"), "*.pdf"},
}};

// The four in words, `first` first and the others in the table's order, for a message that
// refuses any other: ".png, .bmp, .svg or .pdf".
std::string chartFileExtensionWords(ChartFileType first);

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
