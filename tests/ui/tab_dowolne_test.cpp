// The "Dowolne" page in the window: its dialogs, the sketch's clicks and the files it reads
// and writes drive the arbitrary-figure editor (whose own rules are tested in
// tests/generators/arbitrary_editor_test.cpp); here the wiring is.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>

#include "generators/arbitrary_editor.h"
#include "io/pointfile.h"
#include "io/section_file.h"
#include "ui/main/sketch_view.h"
#include "ui/main/tab_dowolne.h"
#include "ui/main/tarvik_window.h"
#include "test_window.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

// the window on "Dowolne"
struct Window : uitest::TestWindow {
  TabDowolne* page = nullptr;
  QWidget* sketch = nullptr;
  Window() {
    tab(kDowolne);
    QCoreApplication::processEvents();
    page = w->findChild<TabDowolne*>("TabSheetDowolne");
    sketch = w->findChild<QWidget*>("PaintBoxSzkic");
  }
  std::string last() const { return sink.messages().empty() ? "" : sink.messages().back().text; }
};

// when the modal dialog titled title shows, act on it
void OnModal(const QString& title, std::function<void(QDialog*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [=] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d || d->windowTitle() != title) return;
    timer->stop();
    timer->deleteLater();
    act(d);
  });
  timer->start(10);
}

void Press(QDialog* d, const char* name) { d->findChild<QAbstractButton*>(name)->click(); }

// "Nowa figura", then the button of the choice
void Nowa(const Window& app, const char* button, bool hole = false) {
  OnModal("Nowa figura", [button, hole](QDialog* d) {
    d->findChild<QRadioButton*>(hole ? "RadioButtonWew" : "RadioButtonZew")->setChecked(true);
    Press(d, button);
  });
  app.page->LabelNowaDClick();
}

// a polygon clicked on the default grid (1000 mm high, 50 mm step: 20 rows) at crossings
void NaSiatce(const Window& app, std::initializer_list<std::pair<int, int>> crossings) {
  OnModal("Wielokąt", [](QDialog* d) { Press(d, "ButtonOK"); });
  Nowa(app, "SpeedButtonWielokat");
  QVERIFY(app.page->rysowanie());
  const Siatka g = Siatka::Dla({1000, 50, true}, app.sketch->height());
  QCOMPARE(g.n, 20);
  for (auto [col, row] : crossings)
    QTest::mouseClick(app.sketch, Qt::LeftButton, {}, QPoint(g.x(col), g.y(row)));
}

void WriteFile(const QString& path, const std::string& text) {
  std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

class TabDowolneTest : public QObject {
  Q_OBJECT

 private slots:
  // a 300 x 200 rectangle on the grid, its points exported, the section saved, left and
  // reopened: the same figure everywhere
  void drawnRectangleExportsSavesAndReopens() {
    QTemporaryDir folder;
    Window app;
    NaSiatce(app, {{0, 20}, {6, 20}, {6, 16}, {0, 16}, {0, 20}});
    QVERIFY(!app.page->rysowanie());
    QCOMPARE(app.model().section[slot::A], 600.0);
    QCOMPARE(app.model().imported.size(), size_t{4});

    // "Zapisz do pliku .TXT": the current figure's points, ".TXT" added
    const QString txt = folder.filePath("figura");
    app.page->setPlikDoZapisu([&](const QString&, const QString&, const QString&) { return txt; });
    app.w->findChild<QPushButton*>("SpeedButtonCofnij")->click();
    const PointListResult read = ReadPointList((txt + ".TXT").toStdString());
    QVERIFY(read.ok);
    QCOMPARE(read.list.points.size(), size_t{4});
    for (size_t i = 0; i < 4; ++i) {
      QCOMPARE(read.list.points[i].x, app.model().imported[i].x);
      QCOMPARE(read.list.points[i].y, app.model().imported[i].y);
    }

    // the section survives a visit to another tab
    app.w->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(kProste);
    QVERIFY(app.model().imported.empty());
    app.w->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(kDowolne);
    QCOMPARE(app.model().section[slot::A], 600.0);

    QVERIFY(app.w->ZapiszPrzekroj(folder.filePath("dowolna.BMP")));
    Window again;
    QVERIFY(again.w->CzytajPrzekroj(folder.filePath("dowolna.BMP")));
    QCOMPARE(again.w->findChild<QTabWidget*>("PageControl1")->currentIndex(), int{kDowolne});
    QCOMPARE(again.model().section[slot::A], 600.0);
    QCOMPARE(again.model().imported.size(), size_t{4});
    QCOMPARE(again.model().figureCount, 1);

    // the exported contour read back ("figura" without its ".TXT"): as a hole it would leave
    // no material and is refused; as a solid it is one more figure
    again.page->setPlikDoOdczytu([&](const QString&, const QString&) { return txt; });
    Nowa(again, "SpeedButtonTXT", true);
    QCOMPARE(again.last(), std::string("Zerowe pole przekroju"));
    QCOMPARE(again.model().figureCount, 1);
    QCOMPARE(again.model().section[slot::A], 600.0);
    Nowa(again, "SpeedButtonTXT");
    QCOMPARE(again.model().figureCount, 2);
    QCOMPARE(again.model().section[slot::A], 1200.0);
  }

  // a drawing made in metres, read, scaled by 1000 in "Podkład CAD [mm]" and drawn over
  void underlayIsScaledOnceAndDrawnOver() {
    QTemporaryDir folder;
    const QString dxf = folder.filePath("plyta.dxf");
    // a 0.3 x 0.2 m plate of LINEs, one LWPOLYLINE hole the CAD program would write
    WriteFile(dxf,
              "0\nSECTION\n2\nENTITIES\n"
              "0\nLINE\n8\n0\n10\n0.0\n20\n0.0\n11\n0.3\n21\n0.0\n"
              "0\nLINE\n8\n0\n10\n0.3\n20\n0.0\n11\n0.3\n21\n0.2\n"
              "0\nLINE\n8\n0\n10\n0.3\n20\n0.2\n11\n0.0\n21\n0.2\n"
              "0\nLINE\n8\n0\n10\n0.0\n20\n0.2\n11\n0.0\n21\n0.0\n"
              "0\nENDSEC\n0\nEOF\n");
    Window app;
    app.page->setPlikDoOdczytu([&](const QString&, const QString&) { return dxf; });
    QString shown;
    OnModal("Podkład CAD [mm]", [&](QDialog* d) {
      auto* unit = d->findChild<QComboBox*>("ComboBoxJedn");
      unit->setCurrentIndex(3);
      emit unit->activated(3);  // "1000x"
      shown = d->findChild<QLineEdit*>("EditX")->text();
      Press(d, "ButtonOK");
    });
    Nowa(app, "SpeedButtonDXF");
    QCOMPARE(shown, QString("300 mm"));
    QVERIFY(app.page->rysowanie());
    // the corners' pixels, as the underlay shows them
    SketchOptions o;
    app.page->Pomoce(o);
    QVERIFY(o.lines);
    QCOMPARE(o.lines->odcinki.size(), size_t{4});
    for (int i : {0, 1, 2, 3, 0}) {
      const OdcinekPodkladu& s = o.lines->odcinki[static_cast<size_t>(i)];
      QTest::mouseClick(app.sketch, Qt::LeftButton, {}, QPoint(s.px1 + 2, s.py1 + 1));
    }
    QVERIFY(!app.page->rysowanie());
    QCOMPARE(app.model().section[slot::A], 600.0);

    // a second drawing after the section is deleted: the dialog is not offered again
    app.w->findChild<QPushButton*>("SpeedButtonUsunCalyD")->click();
    QCOMPARE(app.model().figureCount, 0);
    auto offered = std::make_shared<bool>(false);
    OnModal("Podkład CAD [mm]", [offered](QDialog* d) {
      *offered = true;
      d->reject();
    });
    Nowa(app, "SpeedButtonDXF");
    QVERIFY(app.page->rysowanie());
    QVERIFY(!*offered);
  }

  // a damaged drawing says where, and nothing on screen changes
  void damagedDrawingNamesItsLine() {
    QTemporaryDir folder;
    const QString dxf = folder.filePath("zly.dxf");
    WriteFile(dxf, "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnan\n20\n0\n11\n1\n21\n0\n0\nEOF\n");
    Window app;
    NaSiatce(app, {{0, 20}, {2, 20}, {2, 18}, {0, 20}});
    const double a = app.model().section[slot::A];
    QCOMPARE(a, 50.0);  // a right triangle 100 x 100
    app.page->setPlikDoOdczytu([&](const QString&, const QString&) { return dxf; });
    Nowa(app, "SpeedButtonDXF");
    QVERIFY2(app.last().find("Niewłaściwa postać pliku") != std::string::npos, app.last().c_str());
    QVERIFY(app.sink.messages().back().detail.find("wiersz 8") != std::string::npos);
    QVERIFY(!app.page->rysowanie());
    QCOMPARE(app.model().section[slot::A], a);
    SketchOptions o;
    app.page->Pomoce(o);
    QVERIFY(!o.lines);
  }
};

TARVIK_UI_TEST_MAIN(TabDowolneTest)
#include "tab_dowolne_test.moc"
