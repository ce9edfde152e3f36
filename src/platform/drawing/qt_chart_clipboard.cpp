#include "platform/drawing/qt_chart_clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/drawing/qt_chart_output.h"

namespace tw::platform {

void QtChartClipboard::copy(const ChartDrawing& chart, const std::string& text) {
  auto* data = new QMimeData;
  const struct {
    ChartFileType type;
    const char* mime;
  } forms[] = {{ChartFileType::Png, "image/png"}, {ChartFileType::Svg, "image/svg+xml"}};
  for (const auto& form : forms) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (drawShownChart(bytes, form.type, chart, screen_).empty())
      data->setData(QString::fromLatin1(form.mime), bytes.data());
  }
  data->setText(QString::fromStdString(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tw::platform
