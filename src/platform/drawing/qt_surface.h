#pragma once
// The chart area's drawing, kept as the list of what was drawn in twips until the next clearing:
// the screen is painted from it a region at a time, and an image or a page is drawn from it whole.
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "chart/drawing_surface.h"
#include "chart/twips.h"
#include "platform/drawing/program_font.h"
#include "platform/drawing/qt_text_measure.h"
#include "platform/drawing/system_colours.h"

namespace tw::platform {

// What the screen must do to show the drawing as it now stands, in device pixels: move what it
// shows `shift` pixels across, then paint `dirty` afresh; or, with `all`, paint everything.
struct ScreenUpdate {
  bool all = false;
  int shift = 0;
  QRegion dirty;
};

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

  // The drawing at its exact geometry, as a file or a printed page has it.
  const QImage& image() const;

  // On screen the day columns start on whole device pixels, a whole number of them wide, so the
  // drawing of one day moves exactly to another column; across, everything is scaled alike.
  // Printing and files keep the exact geometry.
  void setScreen(bool screen) { screen_ = screen; }
  double screenX(double twips) const;          // logical pixels from the left edge
  double twipsAtScreenX(double pixels) const;  // the inverse
  double screenColumnWidth() const;            // logical pixels
  // How the screen catches up with what was drawn since the last call.
  ScreenUpdate takeScreenUpdate();
  // Paints the drawing inside `region` (logical pixels) on `p`, whose coordinates are logical
  // pixels at this surface's ratio; p's clip must keep it inside the region.
  void paint(QPainter& p, const QRegion& region) const;

  // Draws on `device` (a PDF page, a printer) instead of the own image, until called again with
  // null; the device's pixels must be this surface's dpi, and a line width's pixel is
  // kTwipsPerPixel there. Switching finishes the drawing in progress, which for a PDF writes the
  // page; false when that drawing failed (the device could not be opened or finished).
  bool drawOn(QPaintDevice* device);

  // Called once when the drawing changes after the last markShown(), to schedule a repaint.
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
  struct Shaped {
    QList<QGlyphRun> runs;
    QRectF ink;  // logical pixels from the text's top left, before the scale across
  };
  // One thing drawn: a line, or a text with its top left at (x1, y1).
  struct Op {
    bool isText = false;
    std::int16_t width = 1;
    std::int16_t style = 0;
    QRgb colour = 0;
    const TextStyle* face = nullptr;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    QRectF ink;  // a text's Shaped::ink
  };
  struct Frame {
    QRgb background = 0;
    QSize pixels;
    double ratio = 0;
    std::vector<Op> ops;
  };
  // Twips to logical pixels, across and down.
  struct Geometry {
    double across;
    double down;
  };
  class Painting;

  Geometry exactGeometry() const;
  Geometry screenGeometry() const;
  int screenColumnPixels() const;  // device pixels
  QRect deviceBounds(const Op& op, const Geometry& g) const;
  void record(Op op);
  void addLine(float x1, float y1, float x2, float y2, const QColor& colour);
  void drawAll(QPainter& p, const Geometry& g) const;
  QPainter* painter();  // the device's, null without one
  bool endPainting() const;
  void resizeImage() const;
  void changed();
  const TextStyle& textStyle(const QPaintDevice* target);
  const Shaped& shaped(const std::string& text, const TextStyle& style,
                       const QPaintDevice* target) const;
  const QPaintDevice* metricsDevice() const;
  const QColor& foreground();

  double dpi_;
  double ratio_;
  bool screen_ = false;
  float width_ = 0;
  float height_ = 0;
  Colour back_ = kButtonFace;
  std::int16_t drawWidth_ = 1;
  std::int16_t drawStyle_ = 0;
  float x_ = 0;
  float y_ = 0;
  float points_ = 8;
  bool bold_ = false;
  std::map<std::tuple<float, bool, int>, TextStyle> styles_;
  // Shaped text by style and string: a chart prints the same few hundred labels each time.
  mutable std::map<std::pair<const TextStyle*, std::string>, Shaped> shaped_;
  std::optional<QColor> foreground_;  // for the current background, until the next clearing
  Frame frame_;                       // as drawn since the last clearing
  Frame shown_;                       // as the screen was last told
  bool everShown_ = false;
  mutable QImage image_;
  mutable bool imageDrawn_ = false;
  mutable QImage metrics_;                   // a pixel at the image's dpi and ratio, for text
  mutable std::shared_ptr<uchar[]> pixels_;  // image_'s, kept across sizes
  mutable std::size_t pixelBytes_ = 0;
  QPaintDevice* device_ = nullptr;  // drawn on as the calls come when set
  mutable std::unique_ptr<QPainter> painter_;
  mutable std::unique_ptr<Painting> painting_;
  std::function<void()> onChange_;
  bool changed_ = false;
};

}  // namespace tw::platform
