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
#include "chart/twips.h"
#include "platform/drawing/program_font.h"
#include "platform/drawing/qt_text_measure.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {

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
  double toPixels(double twips) const { return pixelsFromTwips(twips, dpi_); }
  QSize pixelSize() const;  // device pixels of the image, covering the view's whole pixels

  const QImage& image() const;  // finishes any drawing in progress

  // Draws on `device` (a PDF page, a printer) instead of the own image, until called again with
  // null; the device's pixels must be this surface's dpi, and a line width's pixel is
  // kTwipsPerPixel there. Switching finishes the drawing in progress, which for a PDF writes the
  // page; false when that drawing failed (the device could not be opened or finished).
  bool drawOn(QPaintDevice* device);

  // Called once when the image changes after the last markShown(), to schedule a repaint.
  void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  void markShown() { changed_ = false; }

  float width() const override { return width_; }
  float height() const override { return height_; }
  void setBackground(Colour c) override {
    back_ = c;
    foreground_.reset();
  }
  void clear() override;
  void setLineWidth(std::int16_t pixels) override { drawWidth_ = pixels; }
  void setLineStyle(std::int16_t style) override { drawStyle_ = style; }
  void setFontSize(float points) override;
  void setBold(bool bold) override;
  void moveTo(float x, float y) override { x_ = x, y_ = y; }
  void line(float x1, float y1, float x2, float y2) override;
  void line(float x1, float y1, float x2, float y2, Colour c) override;
  void text(const std::string& text) override;

 private:
  // A face at a size with the line height Print moves down by, made once per size, weight and dpi.
  struct TextStyle {
    QFont font;
    double lineHeight;
    double scale;  // across, as chartTextScale()
  };

  QPainter* painter(bool clearing = false);  // null while the image is empty
  void resizeImage();
  bool endPainting() const;  // false when the painter could not start or finish
  void strokeLine(float x1, float y1, float x2, float y2, const QColor& colour);
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

}  // namespace tw::platform
