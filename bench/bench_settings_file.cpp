// Opening the settings store on files no program of ours wrote, as start-up does: a 100 MB
// file of a million junk keys and a 20 MB name, and the same size in one list of commas.
// The goal is well under a second each, so that the window still shows within one.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/system/qt_settings_store.h"

namespace {

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& junk) {
  QFile file(dir.filePath(name));
  file.open(QIODevice::WriteOnly);
  file.write("[Tidewell]\n" + junk + "\nBirthname1=" + QByteArray(20'000'000, 'N') +
             "\nChart type= 1\n");
  return file.fileName();
}

void openStore(benchmark::State& state, const QString& path) {
  for (auto _ : state) {
    tw::platform::QtSettingsStore store(path);
    benchmark::DoNotOptimize(store.read("Birthname1", ""));
    benchmark::DoNotOptimize(store.read("Chart type", ""));
  }
}

void BM_AMillionJunkKeysAndA20MBName(benchmark::State& state) {
  QTemporaryDir dir;
  QByteArray junk;
  for (int i = 0; i < 900'000; ++i)
    junk += "k" + QByteArray::number(i) + "=" + QByteArray(80, ',') + "\n";
  openStore(state, writeFile(dir, "lines.ini", junk));
}
BENCHMARK(BM_AMillionJunkKeysAndA20MBName)->Unit(benchmark::kMillisecond);

void BM_OneListOf40MillionItems(benchmark::State& state) {
  QTemporaryDir dir;
  openStore(state, writeFile(dir, "commas.ini", "k=" + QByteArray(80'000'000, ',')));
}
BENCHMARK(BM_OneListOf40MillionItems)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
