// The main window's answer to a typed dimension: Enter in EditH on the parametric tab, the
// recompute cycle, and the repaint of the sketch and the result panel (target under 16 ms,
// one frame), and Enter in EditX moving one of 50 components of a composite. Runs on the
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
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

// 50 plates of the parametric tab in a row, saved by tarvik-cli compose and opened on the
// "Złożone" tab; each Enter in EditX moves the last one and the whole composite is recomputed
void BM_EnterInEditXOf50ComponentsToRepaint(benchmark::State& state) {
  QTemporaryDir folder;
  {
    std::ofstream json(folder.filePath("50.json").toStdString());
    json << "[";
    for (int i = 0; i < 50; ++i)
      json << (i ? ",\n" : "") << R"({"kind": 4, "sub": 0, "texts": ["10 mm", "100 mm"], "dx": )"
           << i * 20 << "}";
    json << "]";
  }
  std::ostringstream out, err;
  if (tarvik::cli::Run({"compose", "--save", folder.filePath("50").toStdString(),
                        folder.filePath("50.json").toStdString()},
                       out, err) != tarvik::cli::kOk) {
    state.SkipWithError(("compose failed: " + err.str()).c_str());
    return;
  }
  tarvik::RecordingSink sink;
  tarvik::ui::TTarvik window({}, folder.path());
  window.setMessageSink(&sink);
  window.show();
  QCoreApplication::processEvents();
  if (!window.CzytajPrzekroj(folder.filePath("50.BMP")) || window.model().figureCount != 50) {
    state.SkipWithError("the composite of 50 did not open");
    return;
  }
  auto* edit = window.findChild<QLineEdit*>("EditX");
  QWidget* sketch = window.findChild<QWidget*>("PaintBoxSzkic");
  // the Enter must move the component, or there is nothing to time
  const double before = window.model().section[tarvik::slot::xS];
  edit->setText("10");
  QTest::keyClick(edit, Qt::Key_Return);
  if (window.model().section[tarvik::slot::xS] == before) {
    state.SkipWithError("Enter in EditX moved nothing");
    return;
  }
  int dx = 10;
  for (auto _ : state) {
    dx = -dx;  // a new value every time: the component moves
    edit->setText(QString::number(dx));
    QTest::keyClick(edit, Qt::Key_Return);
    sketch->repaint();
  }
}
BENCHMARK(BM_EnterInEditXOf50ComponentsToRepaint)->Unit(benchmark::kMicrosecond);

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
