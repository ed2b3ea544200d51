// The finite-element rows of the results window: what they show against the mesh solved
// directly and against Saint-Venant's series, separate parts, closing while the task runs,
// and "T wg MES" moving the sketch's "T".
#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <numbers>

#include "engine/numbers.h"
#include "fe/przekroj.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "ui/results/form_lista.h"
#include "ui/results/wiersze_mes.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

constexpr int kWaitMs = 120000;  // a mesh refined until it settles, on a loaded machine

QString Liczba(double value, const char* suffix) {
  return QString::fromStdString(FormatLiczby(-1, suffix, value));
}

SectionModel Built(Selection s) {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  SectionModel model;
  GeneratorSettings settings;
  settings.database = &db;
  RecordingSink sink;
  SketchMapping mapping;
  Dispatcher().BudujPrzekroj(model, s, settings, sink, mapping, 400, 400);
  if (model.section[slot::A] == 0) qFatal("the section was not built");
  return model;
}

// the "Proste" tab's rectangle, b wide and h high [mm]
SectionModel Prostokat(double h, double b) {
  Selection s;
  s.kind = kProste;
  s.setText(0, QString::number(h).toStdString() + " mm");
  s.setText(1, QString::number(b).toStdString() + " mm");
  return Built(s);
}

SectionModel Rolled(const char* code, const char* size) {
  Selection s;
  if (!SelectionFor(code, size, false, s)) qFatal("no %s %s in the selection lists", code, size);
  return Built(s);
}

// two 100 x 10 mm plates 50 mm apart on the "Złożone" tab
SectionModel DwiePlyty() {
  SectionModel model;
  model.kind = kZlozone;
  model.figures.resize(3);
  for (int f = 1; f <= 2; ++f) {
    const double x = f == 1 ? -30 : 20;
    const Point outer[] = {{x, -50}, {x + 10, -50}, {x + 10, 50}, {x, 50}};
    model.figures[f].setOuter(outer, {x + 5, 0});
  }
  model.figureCount = 2;
  model.section.setName("Dwie płyty");
  model.section[slot::A] = 20;
  model.section[slot::J1] = model.section[slot::J2] = 1;
  return model;
}

// Saint-Venant's torsion constant of an a x b rectangle, a >= b (Timoshenko & Goodier)
double SaintVenant(double a, double b) {
  double sum = 0;
  for (int n = 1; n < 200; n += 2)
    sum += std::tanh(n * std::numbers::pi * a / (2 * b)) / std::pow(n, 5);
  return a * b * b * b / 3 * (1 - 192 / std::pow(std::numbers::pi, 5) * b / a * sum);
}

// the finite-element tasks' thread held until this goes, so that a window's task waits
struct PulaZajeta {
  QSemaphore release;
  PulaZajeta() {
    PulaMES().start([this] { release.acquire(); });
  }
  ~PulaZajeta() {
    release.release();
    PulaMES().waitForDone();
  }
};

struct Lista {
  SectionModel model;
  SketchMapping mapping;
  std::unique_ptr<TFormLista> w;
  explicit Lista(SectionModel m) : model(std::move(m)) {
    w = std::make_unique<TFormLista>(model, mapping, ListaContext{});
    w->show();
  }
  QString text(const char* name) const { return w->findChild<QLabel*>(name)->text(); }
  // the rows hold the mesh's values (or its verdict) once the task has delivered them
  bool gotowe() const {
    const QString t = text("LabelMesJt");
    return !t.isEmpty() && t != "liczę…";
  }
};

}  // namespace

class FormListaMesTest : public QObject {
  Q_OBJECT

 private slots:
  // the rows show what the mesh gives for the same section, as their neighbours format values,
  // and the torsion constant agrees with the series; "Połowa" halves Jt and the shear areas
  void RectangleRowsShowTheMeshValues() {
    const SectionModel model = Prostokat(100, 50);
    const fe::WynikPrzekroju direct = fe::ObliczMES(model);
    QVERIFY2(direct.ok, direct.error.c_str());
    constexpr double kSeries = 1e-3;  // relative
    QVERIFY(std::abs(direct.values.J / SaintVenant(100, 50) - 1) < kSeries);

    Lista lista(model);
    QTRY_VERIFY_WITH_TIMEOUT(lista.gotowe(), kWaitMs);
    const fe::WynikMES& v = direct.values;
    QCOMPARE(lista.text("LabelMesJt"), Liczba(v.J / 1e4, " cm^4"));
    QCOMPARE(lista.text("LabelMesJw"), Liczba(v.Iw / 1e6, " cm^6"));
    // the centre of a rectangle is its centroid, (0, 0) as the generator places it
    QCOMPARE(lista.text("LabelMesT"), QString("0,0/0,0 cm"));
    QCOMPARE(lista.text("LabelMesAv"), Liczba(v.Avx / 100, "") + "/" + Liczba(v.Avy / 100, " cm^2"));
    // read with its caption like every value
    QCOMPARE(QAccessible::queryAccessibleInterface(lista.w->findChild<QLabel*>("LabelMesJt"))
                 ->text(QAccessible::Name),
             "Jt (MES): " + Liczba(v.J / 1e4, " cm^4"));

    lista.w->findChild<QToolButton*>("SpeedButtonPol")->click();
    QCOMPARE(lista.text("LabelMesJt"), Liczba(v.J / 1e4 / 2, " cm^4"));
    QCOMPARE(lista.text("LabelMesAv"),
             Liczba(v.Avx / 200, "") + "/" + Liczba(v.Avy / 200, " cm^2"));
    QCOMPARE(lista.text("LabelMesJw"), Liczba(v.Iw / 1e6, " cm^6"));  // not halved
  }

  // parts that do not touch: no warping constant, no shear centre, no "T wg MES"
  void SeparatePartsHaveNoCommonCentre() {
    Lista lista(DwiePlyty());
    QTRY_VERIFY_WITH_TIMEOUT(lista.gotowe(), kWaitMs);
    QCOMPARE(lista.text("LabelMesJw"), QString("części niepołączone"));
    QCOMPARE(lista.text("LabelMesT"), QString("części niepołączone"));
    QVERIFY(lista.text("LabelMesJt").endsWith(" cm^4"));
    QVERIFY(!lista.w->findChild<QCheckBox*>("CheckBoxTMes")->isEnabled());
  }

  // the rows say "liczę…" once the values have taken 0,1 s (its thread held busy, so the task
  // waits); a window closed meanwhile, or while its task runs, goes at once and its result is
  // dropped; the next window gets its own values
  void ClosingWhileComputingDropsTheResult() {
    QElapsedTimer closing;
    {
      PulaZajeta held;
      Lista first(Rolled("IPE", "200"));
      QTest::qWait(30);
      QCOMPARE(first.text("LabelMesJw"), QString());  // no flicker for a quick result
      QTRY_COMPARE_WITH_TIMEOUT(first.text("LabelMesJw"), QString("liczę…"), 2000);
      closing.start();
      first.w.reset();
      QVERIFY2(closing.elapsed() < 50, qPrintable(QString::number(closing.elapsed()) + " ms"));
    }
    {
      Lista second(Rolled("HEB", "1000"));
      QTest::qWait(5);
      QVERIFY(!second.gotowe());
      closing.start();
    }
    QVERIFY2(closing.elapsed() < 50, qPrintable(QString::number(closing.elapsed()) + " ms"));
    Lista third(Prostokat(100, 50));
    QTRY_VERIFY_WITH_TIMEOUT(third.gotowe(), kWaitMs);
    QVERIFY(third.text("LabelMesJt").endsWith(" cm^4"));
  }

  // "T wg MES" hands the painter the mesh's centre and takes it back; the sketch changes
  void ShearCentreSwitchMovesTheSketchesT() {
    SectionModel model = Rolled("CPN", "200");
    // the formula's centre put on the centroid (no "T" drawn): only the mesh's "T" shows
    model.section[slot::xT] = model.section[slot::xS];
    model.section[slot::yT] = model.section[slot::yS];
    const fe::WynikPrzekroju direct = fe::ObliczMES(model);
    QVERIFY2(direct.ok, direct.error.c_str());
    Lista lista(model);
    auto* t = lista.w->findChild<QCheckBox*>("CheckBoxTMes");
    QVERIFY(!t->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(t->isEnabled(), kWaitMs);
    QWidget* sketch = lista.w->findChild<QWidget*>("PaintBox1");
    const QImage formula = sketch->grab().toImage();
    QVERIFY(!lista.w->opcjeSzkicu().srodekMES);
    t->click();
    const std::optional<Point> at = lista.w->opcjeSzkicu().srodekMES;
    QVERIFY(at);
    QCOMPARE(at->x, direct.values.xT);
    QCOMPARE(at->y, direct.values.yT);
    QVERIFY(paint::OpcjeSzkicuWynikow(lista.w->opcjeSzkicu()).shearCentre == at);
    QVERIFY(sketch->grab().toImage() != formula);
    t->click();
    QVERIFY(!lista.w->opcjeSzkicu().srodekMES);
    QCOMPARE(sketch->grab().toImage(), formula);
  }
};

TARVIK_UI_TEST_MAIN(FormListaMesTest)
#include "form_lista_mes_test.moc"
