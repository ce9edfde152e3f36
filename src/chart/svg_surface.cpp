#include "chart/svg_surface.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace tw {

namespace {
constexpr float kTwipsPerPixel = 15;
constexpr float kTwipsPerPoint = 20;
// A text line's advance in ems, near the usual sans-serif faces; the chart always sets the
// position before printing, so it only matters to a caller that prints twice in a row.
constexpr float kLineSpacing = 1.15f;
}  // namespace

Colour fileColour(Colour c) {
  if (!isSystemColour(c)) return c & 0xFFFFFF;
  switch (c & 0xFF) {
    case 5: return kWhite;    // window background
    case 7:                   // menu text
    case 8:                   // window text
    case 18: return kBlack;   // button text
    default: return rgb(0xF0, 0xF0, 0xF0);  // button face
  }
}

std::string hexColour(Colour c) {
  const Colour f = fileColour(c);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redOf(f), greenOf(f), blueOf(f));
  return buf;
}

SvgSurface::SvgSurface(float widthTwips, float heightTwips, std::string fontFamily,
                       Colour foreground)
    : width_(widthTwips),
      height_(heightTwips),
      fontFamily_(std::move(fontFamily)),
      foreground_(fileColour(foreground)) {}

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

void SvgSurface::line(float x1, float y1, float x2, float y2) {
  line(x1, y1, x2, y2, foreground_);
}

void SvgSurface::line(float x1, float y1, float x2, float y2, Colour c) {
  const int pixels = drawWidth_ < 1 ? 1 : drawWidth_;
  const float stroke = static_cast<float>(pixels) * kTwipsPerPixel;
  std::string e = "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" +
                  number(x2) + "\" y2=\"" + number(y2) + "\" stroke=\"" + hexColour(c) +
                  "\" stroke-width=\"" + number(stroke) + "\"";
  // Like the screen: thin frame lines end flat, the thick curves round so segments join.
  e += pixels >= 2 ? " stroke-linecap=\"round\"" : " stroke-linecap=\"butt\"";
  if (drawStyle_ == 2) e += " stroke-dasharray=\"" + number(stroke) + " " + number(2 * stroke) + "\"";
  e += "/>";
  elements_.push_back(std::move(e));
}

void SvgSurface::text(const std::string& text) {
  std::string e = "<text x=\"" + number(x_) + "\" y=\"" + number(y_) + "\" font-size=\"" +
                  number(fontSize_ * kTwipsPerPoint) + "\"";
  if (bold_) e += " font-weight=\"bold\"";
  e += " fill=\"" + hexColour(foreground_) +
       "\" dominant-baseline=\"text-before-edge\" xml:space=\"preserve\">" + escape(text) +
       "</text>";
  elements_.push_back(std::move(e));
  x_ = 0;
  y_ += fontSize_ * kTwipsPerPoint * kLineSpacing;
}

std::string SvgSurface::document() const {
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      number(width_ / kTwipsPerPixel) + "\" height=\"" + number(height_ / kTwipsPerPixel) +
      "\" viewBox=\"0 0 " + number(width_) + " " + number(height_) + "\" font-family=\"" +
      escape(fontFamily_) + "\" style=\"white-space:pre\">\n";
  for (const std::string& e : elements_) doc += e + "\n";
  doc += "</svg>\n";
  return doc;
}

}  // namespace tw
