// tidewell-chart: the Qt side of the command-line program. Everything it decides lives in
// tidewell_cli, which also writes every file; this file only gives it the clock, the locale,
// the settings, fonts and the bytes of images and PDF pages.
#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "chart/twips.h"
#include "cli/program.h"
#include "platform/drawing/chart_file_writer.h"
#include "platform/drawing/program_font.h"
#include "platform/drawing/qt_chart_face.h"
#include "platform/drawing/qt_text_measure.h"
#include "platform/system/languages.h"
#include "platform/system/qt_locale.h"
#include "platform/system/qt_settings_store.h"
#include "platform/system/qt_utc_clock.h"

namespace {

constexpr double kFileDpi = tw::kDesignDpi;

class QtHost : public tw::cli::Host {
 public:
  explicit QtHost(char* programName) : argv_{programName, nullptr} {}

  tw::Date today() override {
    const QDate d = QDate::currentDate();
    return tw::fromYmd(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
  }

  tw::UtcTime nowUtc() override { return tw::platform::utcNow(); }

  tw::Locale locale() override { return tw::platform::userLocale(); }

  const tw::ui::SettingsStore& store() override {
    if (!store_) store_ = std::make_unique<tw::platform::QtSettingsStore>();
    return *store_;
  }

  std::string settingsUnread() override {
    return store_ ? store_->leftUntouchedBecause().toStdString() : std::string();
  }

  const tw::TextMeasure& textMeasure() override {
    startGui();
    // The main window's face, so the headers stand where the window puts them.
    if (!measure_)
      measure_ = std::make_unique<tw::platform::QtTextMeasure>(tw::platform::programFont(8));
    return *measure_;
  }

  const tw::TextFace& chartFace() override {
    startGui();
    if (!face_) face_ = std::make_unique<tw::platform::QtChartFace>(kFileDpi);
    return *face_;
  }

  // The bytes only: the program writes them beside its other files, all or none.
  tw::cli::Rendered render(tw::ChartFileType format, int widthPx, int heightPx,
                           const std::function<void(tw::DrawingSurface&)>& draw) override {
    startGui();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const tw::platform::ChartFileSize size{
        QSizeF(widthPx * tw::kTwipsPerPixel, heightPx * tw::kTwipsPerPixel), kFileDpi, 1.0};
    const std::string failed = tw::platform::drawChartFile(buffer, format, size, draw);
    if (!failed.empty()) return {"", failed};
    const QByteArray& bytes = buffer.data();
    return {std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), ""};
  }

 private:
  // Only drawing needs the GUI; --interpret and --critical start without it.
  void startGui() {
    if (app_) return;
    // Files need no window: without a display, draw off screen so cron and ssh work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt reads no options of ours: it gets only the program name. Once for the whole run: a
    // batch's charts share the application, the text measure and the face.
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QGuiApplication> app_;
  std::unique_ptr<tw::platform::QtSettingsStore> store_;
  std::unique_ptr<tw::platform::QtTextMeasure> measure_;
  std::unique_ptr<tw::platform::QtChartFace> face_;
};

// The toolkit's notes (a missing or shared XDG_RUNTIME_DIR, a font it replaced) are not the
// user's business: the program says what went wrong in its one line of its own.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << "tidewell-chart: " << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(quietHandler);
  // No QCoreApplication yet to say where the program is.
  tw::platform::openCatalogue(
      QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath());
  try {
    QtHost host(argv[0]);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = tw::cli::run(args, host, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
  } catch (const std::exception& e) {
    std::cerr << "tidewell-chart: " << e.what() << "\n";
    return EXIT_FAILURE;
  }
}
