// The "Złożone" page in the window: its controls drive the composite editor, the profile tabs
// define the components, and what the page shows follows the editor. The editor's own rules
// are tested with it (tests/generators/composite_editor_test.cpp); here the wiring is.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "cli/cli.h"
#include "engine/numbers.h"
#include "generators/composite_editor.h"
#include "io/section_file.h"
#include "ui/main/sketch_view.h"
#include "ui/main/tarvik_window.h"
#include "test_window.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

// the window, its questions answered by the sink's button
struct Window : uitest::TestWindow {
  explicit Window(int answer = 1) : TestWindow(uitest::DatabaseFolder(), answer) {}
  // "Nowy profil", the family's button in the dialog, what to do on its tab, "Powrót"
  void add(const char* family, const std::function<void()>& onTab = {}) const {
    QTimer::singleShot(0, [family] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString("Profil"));
      dialog->findChild<QPushButton*>(family)->click();
    });
    tab(kZlozone);
    click("SpeedButtonNowy");
    QVERIFY(find<QGroupBox>("GroupBoxOK")->isVisible());
    if (onTab) onTab();
    click("ButtonOK");
    QCOMPARE(currentTab(), int{kZlozone});
  }
};

// the section's values within a relative 1e-9 (a saved file keeps them as computed)
void SameValues(const PropertiesRecord& a, const PropertiesRecord& b) {
  for (int s : {slot::A, slot::J1, slot::J2, slot::xS, slot::yS, slot::Wcx, slot::Wtx}) {
    const double scale = std::max({std::abs(a[s]), std::abs(b[s]), 1e-9});
    if (std::abs(a[s] - b[s]) > 1e-9 * scale)
      QFAIL(qPrintable(QString("slot %1: %2 against %3").arg(s).arg(a[s]).arg(b[s])));
  }
}

// the JSON of one component for tarvik-cli compose: the choice as the window stored it, and
// the moves given
std::string Json(const FigureRecord& f, const std::string& moves) {
  const Selection s = ZapisanyWybor(f);
  std::ostringstream j;
  j << "{\"kind\": " << s.kind << ", \"sub\": " << s.sub << ", \"variant\": " << s.variant
    << ", \"option\": " << s.option << ", \"option2\": " << s.option2 << ", \"mode\": " << s.mode
    << ", \"texts\": [";
  int last = FigureRecord::kDimTexts;
  while (last > 0 && s.texts[static_cast<size_t>(last - 1)].empty()) --last;
  for (int i = 0; i < last; ++i) j << (i ? ", " : "") << '"' << s.texts[static_cast<size_t>(i)] << '"';
  j << "]" << moves << "}";
  return j.str();
}

// a drag on the sketch from a to b, Shift held or not
void Drag(QWidget* sketch, QPoint a, QPoint b, bool shift) {
  const Qt::KeyboardModifiers keys = shift ? Qt::ShiftModifier : Qt::NoModifier;
  QTest::mousePress(sketch, Qt::LeftButton, keys, a);
  QMouseEvent move(QEvent::MouseMove, QPointF(b), sketch->mapToGlobal(QPointF(b)), Qt::NoButton,
                   Qt::LeftButton, keys);
  QApplication::sendEvent(sketch, &move);
  QTest::mouseRelease(sketch, Qt::LeftButton, keys, b);
}

// an IPE of the rolled tab's defaults, a 100 x 10 plate over it and a channel turned beside it
void ThreeComponents(const Window& app) {
  app.add("SpeedButtonWalc");
  app.add("SpeedButtonProsty", [&] {
    QTest::mouseClick(app.find<QWidget>("RadioGroupProste_0"), Qt::LeftButton, {},
                      QPoint(7, app.find<QWidget>("RadioGroupProste_0")->height() / 2));
  });
  app.enter("EditY", "105");
  app.add("SpeedButtonWalc", [&] {
    QWidget* channel = app.find<QWidget>("RadioGroupWalc_1");
    QTest::mouseClick(channel, Qt::LeftButton, {}, QPoint(7, channel->height() / 2));
  });
  app.click("Button90");
  app.enter("EditX", "-150");
}

}  // namespace

class TabZlozoneTest : public QObject {
  Q_OBJECT

 private slots:
  // the section built through the page has the values tarvik-cli compose gives for the same
  // components and moves, and a saved composite opens again on the page
  void ThreeComponentsMatchComposeAndReopen() {
    Window app;
    ThreeComponents(app);
    const SectionModel& m = app.model();
    QCOMPARE(m.figureCount, 3);
    QCOMPARE(m.currentFigure, 3);
    QVERIFY(m.figures[1].props.name() != m.figures[3].props.name());  // an I and a channel

    QTemporaryDir folder;
    const std::string json = folder.filePath("trzy.json").toStdString();
    std::ofstream(json) << "[" << Json(m.figures[1], "") << ",\n"
                        << Json(m.figures[2], ", \"dy\": 105") << ",\n"
                        << Json(m.figures[3], ", \"angle\": 90, \"dx\": -150") << "]";
    const std::string base = folder.filePath("cli").toStdString();
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"compose", "--profiles", TARVIK_PROFILE_DATABASE, "--save", base, json},
                      out, err),
             cli::kOk);
    const ReadResult composed = CzytajPlikPrm(base + ".PRM");
    QVERIFY(composed.ok);
    SameValues(m.section, composed.model.section);

    // saved from the window, it opens on this page with its three components
    QVERIFY(app.w->ZapiszPrzekroj(folder.filePath("okno.BMP")));
    Window again;
    QVERIFY(again.w->CzytajPrzekroj(folder.filePath("okno.BMP")));
    QCOMPARE(again.currentTab(), int{kZlozone});
    QCOMPARE(again.model().figureCount, 3);
    SameValues(again.model().section, m.section);
    QVERIFY(again.find<QGroupBox>("GroupBoxEdit")->isVisible());
    QVERIFY(again.find<QPushButton>("SpeedButtonUsun")->isEnabled());
    QVERIFY(!again.find<QLabel>("PanelX")->text().isEmpty());
    // the file keeps the drawn outlines only: the I and the turned channel get the true
    // fillets they had in the window back from their generators, for the finite elements
    for (int f : {1, 3}) {
      const std::vector<Point>& was = m.figures[f].exactOuter;
      const std::vector<Point>& now = again.model().figures[f].exactOuter;
      QVERIFY(!was.empty());
      QCOMPARE(now.size(), was.size());
      for (size_t i = 0; i < was.size(); ++i)
        QVERIFY(std::hypot(now[i].x - was[i].x, now[i].y - was[i].y) < 1e-9);
    }
  }

  // a step click and an arrow key move the current component by the chosen step; the edit
  // and the placement panel show it
  void StepsMoveTheCurrentComponent() {
    Window app;
    QVERIFY(!app.w->doZapisu());
    app.add("SpeedButtonWalc");
    QVERIFY(app.w->doZapisu());  // a component brought in is worth saving
    const double x0 = app.model().section[slot::xS];
    auto* krok = app.find<QComboBox>("ComboBoxKrok");
    krok->setCurrentIndex(2);
    emit krok->textActivated(krok->currentText());  // "100"
    app.click("UpDownXDown");
    QCOMPARE(app.find<QLineEdit>("EditX")->text(), QString("-100"));
    QCOMPARE(app.model().section[slot::xS], x0 - 100);
    const QString panel = app.find<QLabel>("PanelX")->text();
    QVERIFY2(panel.startsWith("X=") && panel.contains("100"), qPrintable(panel));
    // a second click moves again; the Right key in EditY moves back
    app.click("UpDownXDown");
    QCOMPARE(app.model().section[slot::xS], x0 - 200);
    QTest::keyClick(app.find<QLineEdit>("EditY"), Qt::Key_Right);
    QCOMPARE(app.model().section[slot::xS], x0 - 100);
    QCOMPARE(app.find<QLineEdit>("EditX")->text(), QString("100"));
    // Up in EditX moves up by the step
    const double y0 = app.model().section[slot::yS];
    QTest::keyClick(app.find<QLineEdit>("EditX"), Qt::Key_Up);
    QCOMPARE(app.model().section[slot::yS], y0 + 100);
  }

  // "Nie" leaves the components, "Tak" deletes; the buttons follow the count
  void DeletingAsksAndTheButtonsFollowTheCount() {
    Window app(2);
    const char* twoOrMore[] = {"SpeedButtonAktywna", "SpeedButtonZmiana", "SpeedButtonUsun",
                               "SpeedButtonUsunCaly", "EditE_E"};
    app.add("SpeedButtonWalc");
    for (const char* name : twoOrMore) QVERIFY2(!app.find<QWidget>(name)->isEnabled(), name);
    QVERIFY(app.find<QGroupBox>("GroupBoxEdit")->isVisible());
    app.add("SpeedButtonProsty");
    for (const char* name : twoOrMore) QVERIFY2(app.find<QWidget>(name)->isEnabled(), name);
    QCOMPARE(app.find<QGroupBox>("GroupBoxNowa")->title(),
             QString::fromStdString(" Profil (2) " + app.model().figures[2].props.name() + " "));
    const PropertiesRecord both = app.model().section;
    // a weight of 2 on the plate weights the composite; a letter never reaches the edit
    app.enter("EditE_E", "2x");
    QCOMPARE(app.find<QLineEdit>("EditE_E")->text(), QString("2,0"));
    QVERIFY(app.model().section[slot::A] > both[slot::A]);
    app.enter("EditE_E", "1");
    SameValues(app.model().section, both);

    struct Case {
      const char* button;
      int answer;
      std::string question;
      int left;
    };
    for (const Case& c : {Case{"SpeedButtonUsun", 2, "Usunąć profil?", 2},
                          Case{"SpeedButtonUsun", 1, "Usunąć profil?", 1}}) {
      app.sink = RecordingSink(c.answer);
      app.click(c.button);
      QCOMPARE(app.sink.messages().size(), size_t{1});
      QCOMPARE(app.sink.messages()[0].title, std::string("PYTANIE"));
      QCOMPARE(app.sink.messages()[0].text, c.question);
      QCOMPARE(app.model().figureCount, c.left);
    }
    // the rolled I is left, recomputed alone
    QCOMPARE(app.model().currentFigure, 1);
    QVERIFY(app.model().section[slot::A] < both[slot::A]);
    for (const char* name : twoOrMore) QVERIFY2(!app.find<QWidget>(name)->isEnabled(), name);

    app.add("SpeedButtonProsty");
    app.sink = RecordingSink(2);
    app.click("SpeedButtonUsunCaly");
    QCOMPARE(app.model().figureCount, 2);
    app.sink = RecordingSink(1);
    app.click("SpeedButtonUsunCaly");
    QCOMPARE(app.sink.messages()[0].text, std::string("Usunąć cały przekrój?"));
    QCOMPARE(app.model().figureCount, 0);
    QVERIFY(!app.find<QGroupBox>("GroupBoxEdit")->isVisible());
    QCOMPARE(app.find<QGroupBox>("GroupBoxNowa")->title(), QString(" Nowy profil "));
  }

  // a rectangle over the whole sketch picks every outline point of both components, each with
  // its coordinates; an empty one with Shift keeps them, without Shift clears them; a double
  // click picks a component
  void RectanglesPickPointsAndDoubleClicksAComponent() {
    Window app;
    app.add("SpeedButtonWalc");
    app.add("SpeedButtonProsty");
    app.enter("EditY", "105");
    auto* sketch = app.find<SketchView>("PaintBoxSzkic");
    QVERIFY(sketch->options().picked.empty());
    const QPoint far(sketch->width() - 2, sketch->height() - 2);
    Drag(sketch, QPoint(1, 1), far, false);
    const SketchOptions all = sketch->options();
    int points = 0;
    for (int f : {1, 2})
      points += app.model().figures[static_cast<size_t>(f)].outerCount() +
                app.model().figures[static_cast<size_t>(f)].innerCount();
    // the reference points inside the material are outline points as well
    QCOMPARE(static_cast<int>(all.picked.size()), points);
    QCOMPARE(all.pickedTexts.size(), static_cast<qsizetype>(points));
    QVERIFY(all.pickedTexts[0].startsWith("("));
    Drag(sketch, QPoint(1, 1), QPoint(3, 3), true);
    QCOMPARE(sketch->options().picked, all.picked);
    // a double click inside the I (the middle of its vertices, the first points picked) makes
    // it the current component
    QCOMPARE(app.model().currentFigure, 2);
    const int vertices = app.model().figures[1].outerCount() - 1;
    QPoint middle;
    for (int i = 0; i < vertices; ++i) middle += all.picked[static_cast<size_t>(i)];
    middle /= vertices;
    QTest::mouseDClick(sketch, Qt::LeftButton, {}, middle);
    QCOMPARE(app.model().currentFigure, 1);
    QCOMPARE(app.find<QGroupBox>("GroupBoxNowa")->title(),
             QString::fromStdString(" Profil (1) " + app.model().figures[1].props.name() + " "));
    Drag(sketch, QPoint(1, 1), far, false);
    Drag(sketch, QPoint(1, 1), QPoint(3, 3), false);
    QVERIFY(sketch->options().picked.empty());
    // the picking is the composite's: on another tab a drag picks nothing
    Drag(sketch, QPoint(1, 1), far, false);
    app.find<QTabWidget>("PageControl1")->setCurrentIndex(kProste);
    QVERIFY(sketch->options().picked.empty());
  }

  // "Zmiana profilu" opens the component's tab with its choice; "Powrót" writes the changed
  // profile over it, "Anuluj" keeps it
  void ChangingPreloadsTheComponentsTab() {
    Window app;
    app.add("SpeedButtonWalc", [&] {
      QWidget* channel = app.find<QWidget>("RadioGroupWalc_1");
      QTest::mouseClick(channel, Qt::LeftButton, {}, QPoint(7, channel->height() / 2));
    });
    app.add("SpeedButtonProsty");
    app.click("SpeedButtonAktywna");  // the channel again
    QCOMPARE(app.model().currentFigure, 1);
    const FigureRecord channel = app.model().figures[1];

    app.click("SpeedButtonZmiana");
    QCOMPARE(app.currentTab(), int{kWalcowane});
    QVERIFY(app.find<QAbstractButton>("RadioGroupWalc_1")->isChecked());
    auto* sizes = app.find<QComboBox>("ComboBoxWalc");
    QCOMPARE(sizes->currentText().toStdString(), ZapisanyWybor(channel).texts[0]);
    // another size; "Anuluj" first keeps the old one
    sizes->setCurrentIndex(sizes->currentIndex() + 2);
    app.click("SpeedButton13");
    QCOMPARE(app.currentTab(), int{kZlozone});
    QCOMPARE(app.model().figures[1].props, channel.props);
    app.click("SpeedButtonZmiana");
    sizes->setCurrentIndex(sizes->currentIndex() + 2);
    const QString chosen = sizes->currentText();
    app.click("ButtonOK");
    QCOMPARE(app.model().figureCount, 2);
    QCOMPARE(QString::fromStdString(ZapisanyWybor(app.model().figures[1]).texts[0]), chosen);
    QVERIFY(app.model().figures[1].props[slot::A] > channel.props[slot::A]);
    QVERIFY(!app.find<QGroupBox>("GroupBoxOK")->isVisible());
  }
};

TARVIK_UI_TEST_MAIN(TabZlozoneTest)
#include "tab_zlozone_test.moc"
