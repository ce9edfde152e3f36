#pragma once
// The chart area's persistent image, drawn on in twips and kept until the next clearing.
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "chart/drawing_surface.h"

namespace tw::platform {

// A face with the widths of the classic dialog face (Liberation Sans or another Arial
// look-alike), else the system's sans serif; the designed sizes of the windows and the chart's
// 275-twip day columns are made for it.
QFont classicFont(double points);

// How much the chart's text is narrowed (1 = not at all) so that a bold two-letter weekday fits
// its 275-twip day column, as wide faces such as DejaVu Sans would overrun it. The text is
// drawn in the classic face, scaled across: a stretched face would be one more face to load.
double chartTextScale();

// A colour of the chart: direct 0x00BBGGRR, or a system colour taken from the application palette.
QColor resolveColour(Colour c);

class QtSurface : public DrawingSurface {
 public:
  QtSurface();  // the primary screen's dpi and pixel ratio
  QtSurface(double dpi, double pixelRatio);
  ~QtSurface() override;

  void setSizeTwips(double width, double height);
  void setPixelRatio(double pixelRatio);
  double dpi() const { return dpi_; }
  double pixelRatio() const { return ratio_; }
  // Twips to the image's logical pixels; the painter adds the pixel ratio.
  double toPixels(double twips) const { return twips * dpi_ / 1440.0; }
  QSize pixelSize() const;  // device pixels of the image for the current size

  const QImage& image() const;  // finishes any drawing in progress

  // Draws on `device` (a PDF page, say) instead of the own image, until called again with null;
  // the device's pixels must be this surface's dpi. Switching finishes the drawing in progress,
  // which for a PDF writes the page.
  void drawOn(QPaintDevice* device);

  // Called once when the image changes after the last markShown(), to schedule a repaint.
  void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  void markShown() { changed_ = false; }

  float Width() const override { return width_; }
  float Height() const override { return height_; }
  void BackColor(Colour c) override {
    back_ = c;
    foreground_.reset();
  }
  void Cls() override;
  void DrawWidth(std::int16_t pixels) override { drawWidth_ = pixels; }
  void DrawStyle(std::int16_t style) override { drawStyle_ = style; }
  void FontSize(float points) override;
  void FontBold(bool bold) override;
  void CurrentX(float x) override { x_ = x; }
  void CurrentY(float y) override { y_ = y; }
  void Line(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Print(const std::string& text) override;

 private:
  // A face at a size with the line height Print moves down by, made once per size, weight and dpi.
  struct TextStyle {
    QFont font;
    double lineHeight;
    double scale;  // across, as chartTextScale()
  };

  QPainter* painter(bool clearing = false);  // null while the image is empty
  void resizeImage();
  void endPainting() const;
  void line(float x1, float y1, float x2, float y2, const QColor& colour);
  void changed();
  const TextStyle& textStyle(const QPaintDevice* target);
  const QList<QGlyphRun>& glyphs(const std::string& text, const TextStyle& style,
                                 const QPaintDevice* target);
  const QColor& foreground();

  double dpi_;
  double ratio_;
  float width_ = 0;
  float height_ = 0;
  bool resized_ = true;  // since the image was last fitted
  Colour back_ = kButtonFace;
  std::int16_t drawWidth_ = 1;
  std::int16_t drawStyle_ = 0;
  float x_ = 0;
  float y_ = 0;
  float points_ = 8;
  bool bold_ = false;
  std::map<std::tuple<float, bool, int>, TextStyle> styles_;
  // Shaped text by style and string: a chart prints the same few hundred labels each time.
  std::map<std::pair<const TextStyle*, std::string>, QList<QGlyphRun>> shaped_;
  std::optional<QColor> foreground_;  // for the current background, until the next clearing
  mutable QImage image_;
  std::shared_ptr<uchar[]> pixels_;  // image_'s, kept across sizes
  std::size_t pixelBytes_ = 0;
  QPaintDevice* device_ = nullptr;  // drawn on instead of image_ when set
  mutable std::unique_ptr<QPainter> painter_;
  // What the painter was last given, so that a run of like calls sets nothing again.
  QPen pen_;
  std::array<QPen, 8> pens_;  // recently made line pens
  std::size_t nextPen_ = 0;
  bool smooth_ = false;
  std::function<void()> onChange_;
  bool changed_ = false;
};

// The main window's own text width, in twips.
class QtTextMeasure : public TextMeasure {
 public:
  // Widths in `font`, times `scale` where the text is drawn narrowed.
  explicit QtTextMeasure(const QFont& font, double scale = 1) : font_(font), scale_(scale) {}
  float TextWidth(const std::string& text) const override;

 private:
  QFont font_;
  double scale_;
};

}  // namespace tw::platform
