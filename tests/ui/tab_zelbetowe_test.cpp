// The "Żelbetowe" page on its own: which edit fills which text the generator reads, the rules
// of its edits, the variable height and the choice a section file keeps.
#include "ui/main/tab_zelbetowe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include "engine/numbers.h"
#include "generators/concrete.h"
#include "io/tab_fields.h"
#include "ui_test_main.h"

using tarvik::Selection;
using tarvik::TabChoice;
using tarvik::ui::TabZelbetowe;

namespace {

const char* const kEdits[] = {"Bz", "Hz", "Gz", "Hgz", "Dz", "Hdz", "Sgz", "Sdz"};

// the places of the selection texts by the names the generator gives them
int Place(const QString& name) {
  static const QMap<QString, int> places = {
      {"height", tarvik::kZbHeight},           {"width", tarvik::kZbWidth},
      {"topWidth", tarvik::kZbTopWidth},       {"topHeight", tarvik::kZbTopHeight},
      {"bottomWidth", tarvik::kZbBottomWidth}, {"bottomHeight", tarvik::kZbBottomHeight},
      {"haunchTop", tarvik::kZbHaunchTop},     {"haunchBottom", tarvik::kZbHaunchBottom}};
  return places.value(name, -1);
}

}  // namespace

class TabZelbetoweTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TabZelbetowe> tab_;

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = tab_->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QLineEdit* edit(const QString& name) const { return find<QLineEdit>("Edit" + name); }
  bool shown(const QString& name) const { return find(name)->isVisible(); }
  void choose(int shape) {
    find<QRadioButton>("RadioGroupZelbet_" + QString::number(shape))->click();
  }
  Selection selection() const {
    Selection s;
    tab_->FillSelection(s);
    return s;
  }
  void enter(const QString& name, const QString& typed) {
    edit(name)->clear();
    QTest::keyClicks(edit(name), typed);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }
  // distinct values in every edit shown, 11, 12, ... cm down the rows
  void typeDistinct() {
    int value = 11;
    for (const char* name : kEdits)
      if (edit(name)->isVisible()) edit(name)->setText(QString("%1 cm").arg(value++));
  }

 private slots:
  void init() {
    tab_ = std::make_unique<TabZelbetowe>();
    tab_->resize(700, 330);
    tab_->show();
  }
  void cleanup() { tab_.reset(); }

  // what is typed under a caption reaches the text the generator reads for that dimension,
  // and nothing else is filled
  void textsIntoTheSelection_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("places");  // "caption=place|..."
    const auto row = [](const char* name, int shape, const char* places) {
      QTest::newRow(name) << shape << QString(places);
    };
    const char* web = "Szerokość środnika=width|Wysokość=height";
    row("Prostokątny", 0, "Szerokość=width|Wysokość=height");
    row("Kwadratowy", 1, "Bok=height|Bok=width");
    row("Okrągły", 2, "Średnica=height");
    row("Teowy górny", 3,
        qPrintable(QString(web) + "|Szerokość półki=topWidth|Wysokość półki=topHeight"));
    row("Teowy dolny", 4,
        qPrintable(QString(web) + "|Szerokość półki=bottomWidth|Wysokość półki=bottomHeight"));
    const QString i = QString(web) +
                      "|Szer.górnej półki=topWidth|Wys.górnej półki=topHeight"
                      "|Szer.dolnej półki=bottomWidth|Wys.dolnej półki=bottomHeight";
    row("Dwuteowy", 5, qPrintable(i));
    row("Dwuteowy 2", 6,
        qPrintable(i + "|Skos górnej półki=haunchTop|Skos dolnej półki=haunchBottom"));
  }

  void textsIntoTheSelection() {
    QFETCH(int, shape);
    QFETCH(QString, places);
    // a shape showing every edit first, so that nothing may be left over from it
    choose(6);
    QSignalSpy recompute(tab_.get(), &TabZelbetowe::przelicz);
    choose(shape);
    QCOMPARE(recompute.count(), 1);
    typeDistinct();

    QMap<QString, QString> typed;  // caption -> text
    for (const char* name : kEdits) {
      const auto* caption = find<QLabel>(QString("Label") + name);
      QCOMPARE(caption->isVisible(), edit(name)->isVisible());
      QCOMPARE(shown(QString("UpDown") + name), edit(name)->isVisible());
      if (edit(name)->isVisible()) {
        QCOMPARE(caption->buddy(), edit(name));
        typed[caption->text()] = edit(name)->text();
      }
    }
    std::array<QString, 10> expected;
    for (const QString& pair : places.split('|')) {
      const int place = Place(pair.section('=', 1));
      QVERIFY2(typed.contains(pair.section('=', 0, 0)), qPrintable(pair));
      expected[place] = typed[pair.section('=', 0, 0)];
    }
    const Selection s = selection();
    QCOMPARE(s.kind, 9);
    QCOMPARE(s.sub, shape);
    for (int i = 0; i < 10; ++i) QCOMPARE(QString::fromStdString(s.texts[i]), expected[i]);
  }

  void editRules_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("preset");  // the edit's text before, when not the default
    QTest::addColumn<QString>("action");  // "up", "down", "type:<keys>", "enter:<keys>"
    QTest::addColumn<QString>("result");  // the edit's text afterwards
    QTest::addColumn<QString>("signal");
    // (a dimension of nothing reads "0.0", as everywhere)
    const auto row = [](const char* name, int shape, const char* edit, const char* preset,
                        const char* action, const char* result, const char* signal) {
      QTest::newRow(name) << shape << QString(edit) << QString(preset) << QString(action)
                          << QString(result) << QString(signal);
    };
    row("web stops at 1 cm", 3, "Bz", "1 cm", "down", "1 cm", "przelicz");
    row("flange goes to 0", 4, "Hdz", "1 cm", "down", "0.0 cm", "przelicz");
    row("haunch goes to 0", 6, "Sdz", "1 cm", "down", "0.0 cm", "przelicz");
    row("zero typed stands", 6, "Bz", "", "enter:0", "0.0 cm", "entered");  // the generator says
  }

  void editRules() {
    QFETCH(int, shape);
    QFETCH(QString, name);
    QFETCH(QString, preset);
    QFETCH(QString, action);
    QFETCH(QString, result);
    QFETCH(QString, signal);
    choose(shape);
    if (!preset.isEmpty()) edit(name)->setText(preset);
    QSignalSpy entered(tab_.get(), &TabZelbetowe::entered);
    QSignalSpy recompute(tab_.get(), &TabZelbetowe::przelicz);
    if (action == "up" || action == "down")
      find<QToolButton>("UpDown" + name + (action == "up" ? "Up" : "Down"))->click();
    else if (action.startsWith("enter:"))
      enter(name, action.mid(6));
    else
      QTest::keyClicks(edit(name), action.mid(5));
    QCOMPARE(edit(name)->text(), result);
    QCOMPARE(entered.count(), signal == "entered" ? 1 : 0);
    QCOMPARE(recompute.count(), signal == "przelicz" ? 1 : 0);
  }

  // 10 cm/m at 2 m: the height text grows by 20 cm, the square's side both ways; the texts
  // the page keeps stay as typed
  void variableHeight() {
    for (const char* name : {"EditZmianaZelb", "EditOdlZelb", "LabelOdlZelb"})
      QVERIFY(!shown(name));
    QSignalSpy recompute(tab_.get(), &TabZelbetowe::przelicz);
    QSignalSpy entered(tab_.get(), &TabZelbetowe::entered);
    find<QCheckBox>("CheckBoxZmiennyZelb")->click();
    for (const char* name :
         {"EditZmianaZelb", "UpDownZmianaZelb", "EditOdlZelb", "UpDownOdlZelb", "LabelOdlZelb"})
      QVERIFY2(shown(name), name);
    QCOMPARE(edit("ZmianaZelb")->text(), "10 cm/m");
    enter("OdlZelb", "2");
    QCOMPARE(edit("OdlZelb")->text(), "2 m");
    QCOMPARE(recompute.count(), 2);  // the box, then the position
    QCOMPARE(entered.count(), 0);    // the focus stays for the next position
    QCOMPARE(tarvik::CzytajLiczbe(selection().texts[tarvik::kZbHeight]), 60);
    QCOMPARE(selection().texts[tarvik::kZbWidth], std::string("30 cm"));
    find<QToolButton>("UpDownZmianaZelbDown")->click();  // 9 cm/m
    QCOMPARE(tarvik::CzytajLiczbe(selection().texts[tarvik::kZbHeight]), 58);

    choose(1);  // a new shape starts at the member's start
    QCOMPARE(edit("OdlZelb")->text(), "0 m");
    enter("OdlZelb", "1");
    const Selection square = selection();
    QCOMPARE(tarvik::CzytajLiczbe(square.texts[tarvik::kZbHeight]), 39);
    QCOMPARE(tarvik::CzytajLiczbe(square.texts[tarvik::kZbWidth]), 39);
    TabChoice choice;
    tab_->Choice(choice);
    QCOMPARE(choice.selection.texts[tarvik::kZbHeight], std::string("30 cm"));
    QCOMPARE(choice.gradient, 90.0);

    choose(2);
    QCOMPARE(find<QCheckBox>("CheckBoxZmiennyZelb")->text(), "Zmienna średnica");
    find<QCheckBox>("CheckBoxZmiennyZelb")->click();
    QVERIFY(!shown("EditOdlZelb") && !tab_->variableHeight());
    QCOMPARE(selection().texts[tarvik::kZbHeight], std::string("40 cm"));
  }

  // a choice read back gives every control as it was; a choice the page did not hand out (a
  // file read) starts at the member's start, the one it did (the section on screen after a
  // refused change) keeps its position
  void choiceRoundTrip_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("variable");
    for (int shape = 0; shape < tarvik::kConcreteShapes; ++shape)
      QTest::addRow("%d", shape) << shape << (shape % 2 == 0);
  }

  void choiceRoundTrip() {
    QFETCH(int, shape);
    QFETCH(bool, variable);
    choose(shape);
    typeDistinct();
    if (variable) {
      find<QCheckBox>("CheckBoxZmiennyZelb")->click();
      enter("ZmianaZelb", "7,5");
      enter("OdlZelb", "3");
    }
    QStringList before;
    for (const char* name : kEdits) before << (edit(name)->isVisible() ? edit(name)->text() : "-");
    TabChoice choice;
    QVERIFY(tab_->Choice(choice));
    QCOMPARE(choice.gradient, variable ? 75.0 : 0.0);
    QCOMPARE(QString::fromStdString(choice.selection.texts[tarvik::kZbHeight]),
             before[shape == 1 || shape == 2 ? 0 : 1]);
    const Selection built = selection();

    TabZelbetowe other;
    other.SetChoice(choice);
    TabChoice again;
    other.Choice(again);
    QCOMPARE(again.selection, choice.selection);
    QCOMPARE(again.gradient, choice.gradient);
    QVERIFY(
        other.findChild<QRadioButton*>("RadioGroupZelbet_" + QString::number(shape))->isChecked());
    QStringList after;
    for (const char* name : kEdits) {
      QLineEdit* e = other.findChild<QLineEdit*>(QString("Edit") + name);
      after << (e->isVisibleTo(&other) ? e->text() : "-");
    }
    QCOMPARE(after, before);
    QCOMPARE(other.findChild<QCheckBox*>("CheckBoxZmiennyZelb")->isChecked(), variable);
    if (variable) QCOMPARE(other.findChild<QLineEdit*>("EditZmianaZelb")->text(), "7,5 cm/m");
    QCOMPARE(other.findChild<QLineEdit*>("EditOdlZelb")->text(), "0 m");

    // the page itself, after another shape was chosen, given its choice back
    choose(shape == 6 ? 0 : 6);
    tab_->SetChoice(choice);
    QCOMPARE(selection(), built);
  }

  void showKeepsTheShapeAndTheTexts() {
    choose(4);
    enter("Hdz", "25");
    const Selection before = selection();
    tab_->Show();
    QCOMPARE(selection(), before);
  }
};

TARVIK_UI_TEST_MAIN(TabZelbetoweTest)
#include "tab_zelbetowe_test.moc"
