// The "Użebrowanie" page in the window: the slab's linked edits, the rib's trip to its tab and
// back, the turn asked for, the section put aside and brought back, deleting, and a saved
// slab opened again. The assembly's values are tested without the window
// (tests/generators/ribbed_test.cpp); here the wiring is.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>

#include "cli/cli.h"
#include "generators/composite_editor.h"
#include "io/section_file.h"
#include "ui/main/tarvik_window.h"
#include "test_window.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

// the window on "Użebrowanie", its questions answered by the sink's button
struct Window : uitest::TestWindow {
  explicit Window(int answer = 1) : TestWindow(uitest::DatabaseFolder(), answer) {
    tab(kUzebrowanie);
  }
  QString text(const char* edit) const { return find<QLineEdit>(edit)->text(); }
  // a rib button, what to do on the rib's tab, then "Powrót" (or "Anuluj")
  void rib(const char* button, const std::function<void()>& onTab, bool back = true) const {
    click(button);
    QVERIFY(find<QGroupBox>("GroupBoxOK")->isVisible());
    QCOMPARE(find<QPushButton>("ButtonOK")->toolTip(), QString("Powrót do strony UŻEBROWANIE"));
    if (onTab) onTab();
    click(back ? "ButtonOK" : "SpeedButton13");
    QCOMPARE(currentTab(), int{kUzebrowanie});
    QVERIFY(!find<QGroupBox>("GroupBoxOK")->isVisible());
  }
  // a flat bar 100 x 10 from "Proste"
  void flatBar() const {
    rib("SpeedButtonProste", [this] {
      enter("EditH", "100");
      enter("EditT", "10");
    });
  }
  const PropertiesRecord& r() const { return w->model().section; }
};

}  // namespace

class TabZebraTest : public QObject {
  Q_OBJECT

 private slots:
  // the three edits follow each other; before a rib there is no section, only the edits
  void SlabEditsFollowEachOther() {
    Window app;
    QCOMPARE(app.text("EditGrubosc"), QString("10 mm"));
    QCOMPARE(app.text("EditSzerokosc"), QString("300 mm"));
    QCOMPARE(app.text("EditKrotnosc"), QString("30x"));
    app.enter("EditSzerokosc", "250");
    QCOMPARE(app.text("EditKrotnosc"), QString("25x"));
    app.enter("EditGrubosc", "20");  // the multiplicity stays: the width follows
    QCOMPARE(app.text("EditSzerokosc"), QString("500 mm"));
    app.click("UpDownKrotnoscUp");
    QCOMPARE(app.text("EditKrotnosc"), QString("26x"));
    QCOMPARE(app.text("EditSzerokosc"), QString("520 mm"));
    app.enter("EditGrubosc", "0");
    QCOMPARE(app.text("EditGrubosc"), QString("1 mm"));
    QCOMPARE(app.model().figureCount, 0);
    QCOMPARE(app.r()[slot::A], 0.0);
    QVERIFY(!app.find<QPushButton>("SpeedButtonUsunZebro")->isVisible());
    QVERIFY(app.sink.messages().empty());
  }

  // a flat bar brought back: slab and rib, the slab's edit changes the section, leaving the
  // tab and coming back keeps it, "Nie" keeps it, "Tak" deletes it
  void RibComesBackAndStays() {
    Window app(2);
    app.flatBar();
    QCOMPARE(app.model().figureCount, 2);
    QCOMPARE(QString::fromStdString(app.r().name()), QString("Żebro 100x10"));
    QCOMPARE(app.r()[slot::A], 30.0 + 10.0);
    QVERIFY(app.find<QPushButton>("SpeedButtonUsunZebro")->isVisible());
    QVERIFY(!app.find<QCheckBox>("CheckBoxObrZebra")->isVisible());  // a flat bar is not turned
    app.enter("EditSzerokosc", "200");
    QCOMPARE(app.r()[slot::A], 20.0 + 10.0);

    app.tab(kZlozone);
    QCOMPARE(app.model().figureCount, 0);  // the composite does not get the slab's figures
    app.tab(kUzebrowanie);
    QCOMPARE(app.model().figureCount, 2);
    QCOMPARE(app.r()[slot::A], 30.0);

    app.click("SpeedButtonUsunZebro");  // "Nie"
    QCOMPARE(app.sink.messages().back().text, std::string("Usunąć przekrój?"));
    QCOMPARE(app.model().figureCount, 2);
    app.sink.setAnswer(1);
    app.click("SpeedButtonUsunZebro");
    QCOMPARE(app.model().figureCount, 0);
    QCOMPARE(app.r()[slot::A], 0.0);
    QVERIFY(!app.find<QPushButton>("SpeedButtonUsunZebro")->isVisible());
  }

  // "Obróć o 90 st" acts when the rib is chosen again; "Anuluj" leaves the rib as it was
  void TurnTakesEffectWhenTheRibIsChosenAgain() {
    Window app;
    auto channel = [&app] { app.choose("RadioGroupWalc", 1); };
    app.rib("SpeedButtonWalc", channel);
    auto* turn = app.find<QCheckBox>("CheckBoxObrZebra");
    QVERIFY(turn->isVisible());
    const double avx = app.model().figures[2].props[slot::Avx];
    const double j1 = app.r()[slot::J1];
    turn->click();
    QCOMPARE(app.r()[slot::J1], j1);  // not yet
    app.rib("SpeedButtonWalc", {}, false);  // "Anuluj"
    QCOMPARE(app.model().figures[2].rotation, 0.0);
    app.rib("SpeedButtonWalc", channel);
    QCOMPARE(app.model().figures[2].rotation, 90.0);
    QCOMPARE(app.model().figures[2].props[slot::Avy], avx);
    // the channel on its back hangs its flange width deep, not its height
    const FigureRecord& c = app.model().figures[2];
    double low = 0;
    for (int i = 0; i + 1 < c.outerCount(); ++i) low = std::min(low, c.outer[i].y);
    QCOMPARE(low, -c.props[slot::d2]);
    QVERIFY(c.props[slot::d2] < c.props[slot::d1]);
  }

  // a saved slab opens again on the page: same values, same slab texts, the rib still turned
  void SavedSlabOpensAgain() {
    Window app;
    app.rib("SpeedButtonWalc", [&app] { app.choose("RadioGroupWalc", 1); });
    app.find<QCheckBox>("CheckBoxObrZebra")->click();
    app.rib("SpeedButtonWalc", {});
    app.enter("EditGrubosc", "12");
    QTemporaryDir folder;
    QVERIFY(app.w->ZapiszPrzekroj(folder.filePath("plyta.BMP")));

    Window again;
    again.tab(kProste);
    QVERIFY(again.w->CzytajPrzekroj(folder.filePath("plyta.BMP")));
    QCOMPARE(again.currentTab(), int{kUzebrowanie});
    QCOMPARE(again.text("EditGrubosc"), QString("12 mm"));
    QCOMPARE(again.text("EditSzerokosc"), QString("360 mm"));
    QCOMPARE(again.model().figureCount, 2);
    for (int s : {slot::A, slot::J1, slot::J2, slot::yS, slot::Jt, slot::Avx, slot::Avy})
      QCOMPARE(again.r()[s], app.r()[s]);
    // tarvik-cli builds the same slab from the same texts and the rib's stored choice
    const Selection rib = ZapisanyWybor(app.model().figures[2]);
    const QString ribOptions = QString("--kind %1 --sub %2 --variant %3 --t1 '%4'")
                                   .arg(rib.kind)
                                   .arg(rib.sub)
                                   .arg(rib.variant)
                                   .arg(QString::fromStdString(rib.texts[0]));
    const std::string base = folder.filePath("cli").toStdString();
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"compute", "--profiles", TARVIK_PROFILE_DATABASE, "--kind", "7", "--slab-t",
                       "12 mm", "--slab-b", "360 mm", "--turn90", "--rib",
                       ribOptions.toStdString(), "--save", base},
                      out, err),
             cli::kOk);
    const ReadResult cli = CzytajPlikPrm(base + ".PRM");
    QVERIFY(cli.ok);
    QCOMPARE(cli.model.section, app.r());
    // a change of the slab keeps the rib turned
    again.enter("EditGrubosc", "10");
    QCOMPARE(again.model().figures[2].rotation, 90.0);
    QVERIFY(again.find<QCheckBox>("CheckBoxObrZebra")->isChecked());
  }
};

TARVIK_UI_TEST_MAIN(TabZebraTest)
#include "tab_zebra_test.moc"
