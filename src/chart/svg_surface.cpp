#include "chart/svg_surface.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "chart/twips.h"

namespace tw {

namespace {
// Keeps the file readable: a ten-thousandth of an em or a hundredth of a twip is far below
// a pixel.
float rounded(float v, float steps) { return std::round(v * steps) / steps; }

// A text line's advance in ems, near the usual sans-serif faces; the chart always sets the
// position before printing, so it only matters to a caller that prints twice in a row.
constexpr float kLineSpacing = 1.15f;
}  // namespace

Colour fileColour(Colour c) {
  if (!isSystemColour(c)) return c & 0xFFFFFF;
  switch (c & 0xFF) {
    case 5: return kWhite;                  // window background
    case 7:                                 // menu text
    case 8:                                 // window text
    case 18: return kBlack;                 // button text
    default: return rgb(0xF0, 0xF0, 0xF0);  // button face
  }
}

std::string hexColour(Colour c) {
  const Colour f = fileColour(c);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redOf(f), greenOf(f), blueOf(f));
  return buf;
}

SvgSurface::SvgSurface(float widthTwips, float heightTwips, const TextFace& face, Colour foreground)
    : width_(widthTwips), height_(heightTwips), face_(face), foreground_(fileColour(foreground)) {}

std::string SvgSurface::number(float v) {
  if (!std::isfinite(v)) return "0";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  if (ec != std::errc{}) return "0";
  return std::string(buf, end);
}

std::string SvgSurface::escape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // XML 1.0 has no place for other control characters; a blank keeps the width.
        out += (static_cast<unsigned char>(ch) < 0x20 && ch != '\t') ? ' ' : ch;
    }
  }
  return out;
}

void SvgSurface::clear() {
  elements_.clear();
  x_ = 0;
  y_ = 0;
  elements_.push_back("<rect x=\"0\" y=\"0\" width=\"" + number(width_) + "\" height=\"" +
                      number(height_) + "\" fill=\"" + hexColour(back_) + "\"/>");
}

void SvgSurface::setFontSize(float points) {
  if (points > 0) fontSize_ = points;
}

void SvgSurface::line(float x1, float y1, float x2, float y2) { line(x1, y1, x2, y2, foreground_); }

void SvgSurface::line(float x1, float y1, float x2, float y2, Colour c) {
  const int pixels = drawWidth_ < 1 ? 1 : drawWidth_;
  const float stroke = static_cast<float>(pixels) * kTwipsPerPixel;
  std::string e = "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) +
                  "\" y2=\"" + number(y2) + "\" stroke=\"" + hexColour(c) + "\" stroke-width=\"" +
                  number(stroke) + "\"";
  // Like the screen: thin frame lines end flat and stay crisp, the thick curves are smoothed
  // and round so segments join.
  e += pixels >= 2 ? " stroke-linecap=\"round\""
                   : " stroke-linecap=\"butt\" shape-rendering=\"crispEdges\"";
  if (drawStyle_ == 2)
    e += " stroke-dasharray=\"" + number(stroke) + " " + number(2 * stroke) + "\"";
  e += "/>";
  elements_.push_back(std::move(e));
}

void SvgSurface::text(const std::string& text) {
  // The em the window draws in, so that a viewer which ignores textLength still lays the text
  // out as wide; the baseline the face's ascent below the top, a shift every viewer knows.
  const float size = rounded(face_.em(fontSize_, bold_), 100);
  const float ascentEms = rounded(face_.ascent(fontSize_, bold_) / size, 1e4f);
  std::string e = "<text x=\"" + number(x_) + "\" y=\"" + number(y_) + "\" dy=\"" +
                  number(ascentEms) + "em\" font-size=\"" + number(size) + "\"";
  if (bold_) e += " font-weight=\"bold\"";
  e += " fill=\"" + hexColour(foreground_) + "\"";
  // The face's own width, so a viewer that puts another face in its place fills the same room.
  if (const float w = rounded(face_.width(text, fontSize_, bold_), 100); w > 0)
    e += " textLength=\"" + number(w) + "\" lengthAdjust=\"spacingAndGlyphs\"";
  // Narrowed about x, which stays the left edge; as a transform, which every viewer honours.
  if (const float n = face_.narrowing(); n != 1)
    e += " transform=\"matrix(" + number(n) + " 0 0 1 " + number(rounded((1 - n) * x_, 100)) +
         " 0)\"";
  e += " xml:space=\"preserve\">" + escape(text) + "</text>";
  elements_.push_back(std::move(e));
  x_ = 0;
  y_ += size * kLineSpacing;
}

std::string SvgSurface::document() const {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      number(width_ / kTwipsPerPixel) + "\" height=\"" + number(height_ / kTwipsPerPixel) +
      "\" viewBox=\"0 0 " + number(width_) + " " + number(height_) + "\" font-family=\"" +
      escape(face_.family()) + "\" style=\"white-space:pre\">\n";
  for (const std::string& e : elements_) doc += e + "\n";
  doc += "</svg>\n";
  return doc;
}

}  // namespace tw
