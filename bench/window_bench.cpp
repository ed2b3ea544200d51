// The main window's answer to a typed dimension: Enter in EditH on the parametric tab, the
// recompute cycle, and the repaint of the sketch and the result panel (target under 16 ms,
// one frame). Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "engine/messages.h"
#include "ui/main/tarvik_window.h"

namespace {

void BM_EnterInEditHToRepaint(benchmark::State& state) {
  QTemporaryDir empty;  // no database: the window starts on the parametric tab
  tarvik::RecordingSink sink;
  tarvik::ui::TTarvik window({}, empty.path());
  window.setMessageSink(&sink);
  window.show();
  QCoreApplication::processEvents();
  window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(4);
  auto* edit = window.findChild<QLineEdit*>("EditH");
  QWidget* sketch = window.findChild<QWidget*>("PaintBoxSzkic");
  if (!edit || !sketch) {
    state.SkipWithError("no EditH or PaintBoxSzkic");
    return;
  }
  int height = 100;
  for (auto _ : state) {
    height = height == 100 ? 250 : 100;  // a new value every time: the section is rebuilt
    edit->setText(QString::number(height));
    QTest::keyClick(edit, Qt::Key_Return);
    sketch->repaint();
  }
}
BENCHMARK(BM_EnterInEditHToRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir runtime;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  qputenv("TARVIK_SETTINGS", (runtime.path() + "/tarvik.ini").toUtf8());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
