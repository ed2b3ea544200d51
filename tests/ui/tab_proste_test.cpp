// The "Proste" page on its own: what each family shows, what goes into the selection record,
// and the rules of its edits.
#include "ui/main/tab_proste.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include "engine/numbers.h"
#include "io/tab_fields.h"
#include "ui_test_main.h"

using tarvik::GeneratorSettings;
using tarvik::Selection;
using tarvik::ui::TabProste;

class TabProsteTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TabProste> tab_;

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = tab_->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QLineEdit* edit(const QString& name) const { return find<QLineEdit>("Edit" + name); }
  bool shown(const QString& name) const { return find(name)->isVisible(); }
  void choose(int family, int variant = 0) {
    find<QRadioButton>("RadioGroupProste_" + QString::number(family))->click();
    if (variant > 0) find<QRadioButton>("RadioGroupProsteTyp_" + QString::number(variant))->click();
  }
  // selection texts 1..8 joined by '|'
  QString texts() const {
    Selection s;
    tab_->FillSelection(s);
    QStringList list;
    for (int i = 0; i < 8; ++i) list << QString::fromStdString(s.texts[i]);
    return list.join('|');
  }
  GeneratorSettings settings() const {
    GeneratorSettings g;
    g.exactFormulas = !g.exactFormulas;  // whatever the page leaves alone shows up
    g.corners = -1;
    tab_->FillSettings(g);
    return g;
  }
  void enter(const QString& name, const QString& typed) {
    edit(name)->clear();
    QTest::keyClicks(edit(name), typed);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }

 private slots:
  void init() {
    tab_ = std::make_unique<TabProste>();
    tab_->resize(540, 330);
    tab_->show();
  }
  void cleanup() { tab_.reset(); }

  // each selection text (the generators' order) holds what was typed under the caption the user
  // sees ("#2": its second edit); distinct values everywhere, so no swap hides behind defaults
  void families_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("texts");   // captions of selection texts 1..8
    QTest::addColumn<QString>("extras");  // the other controls shown
    const auto row = [](const char* name, int family, int variant, const char* texts,
                        const char* extras) {
      QTest::newRow(name) << family << variant << QString(texts) << QString(extras);
    };
    row("Prostokąt", 0, 0, "Wysokość|Szerokość", "Zmienna wysokość");
    row("Kołowy", 1, 0, "Średnica", "Typ Scisle Zmienna średnica");
    row("Eliptyczny", 1, 1, "Szerokość|Wysokość", "Typ");
    row("Rura okrągła", 2, 0, "Średnica|Grubość", "Typ Scisle Goraca Zmienna średnica");
    row("Rura eliptyczna", 2, 1, "Szerokość|Wysokość|||Grubość", "Typ");
    row("Rura prostokątna", 2, 3, "Wysokość|Grubość|Szerokość||Promień",
        "Typ Goraca Zmienna wysokość");
    row("Łuk", 3, 0, "Promień wew.|Grubość|Kąt łuku [°]", "");
    row("Dwuteownik", 4, 0, "Wysokość|Gr. środnika|Szerokość||Gr. pasów",
        "Typ Zmienna wysokość");
    row("Dwuteownik mono", 4, 1,
        "Wysokość|Gr. środnika|Szer. górna|Szer. dolna|Gr. górna|Gr. dolna",
        "Typ Zmienna wysokość");
    row("Dwuteownik z ukosami", 4, 2,
        "Wysokość|Gr. środnika|Szer. górna|Szer. dolna|Gr. górna|Gr. dolna|Ukos górą|Ukos dołem",
        "Typ");
    // the bisymmetric box's one spacing is read as the spacing at the top (text 7)
    row("Skrzynka", 5, 0, "Wysokość|Gr. środników|Szerokość||Gr. pasów||Rozstaw",
        "Typ Zmienna wysokość");
    row("Skrzynka mono", 5, 1,
        "Wysokość|Gr. środników|Szer. górna|Szer. dolna|Gr. górna|Gr. dolna|Rozstaw górą|"
        "Rozstaw dołem",
        "Typ Zmienna wysokość");
    row("Ceownik", 6, 0, "Wysokość|Gr. środnika|Szerokość|Wcięcie|Gr. pasów", "");
    row("Teownik", 7, 0, "Wysokość|Gr. środnika|Szerokość||Gr. pasa", "");
    row("Krzyż prosty", 8, 0, "Wysokość|Gr. środnika|Szerokość||Gr. górna", "Typ");
    row("Krzyż złożony", 8, 1,
        "Wysokość|Gr. środnika|Szerokość|Szerokość#2|Gr. górna|Gr. dolna|Wysokość#2|Grubość",
        "Typ");
    row("Kątownik", 9, 0, "Wysokość|Grubość pionu|Szerokość||Grubość poziomu", "");
  }

  void families() {
    QFETCH(int, family);
    QFETCH(int, variant);
    QFETCH(QString, texts);
    QFETCH(QString, extras);
    // a family showing many edits first, so that nothing may be left over from it
    family == 8 ? choose(9) : choose(8, 1);
    QSignalSpy recompute(tab_.get(), &TabProste::przelicz);
    QSignalSpy save(tab_.get(), &TabProste::doZapisu);
    choose(family, variant);
    QVERIFY(recompute.count() >= 1);
    QCOMPARE(save.count() > 0, family > 3);

    // the channel caps its inset, so the values grow down the rows: 11, 21, 31, ... mm
    QMap<QString, QString> typed;
    int value = 1;
    for (const char* name : {"H", "T", "S", "Gg", "W", "Gd", "Lg", "Ld"}) {
      const auto* caption = find<QLabel>(QString("LabelProsty") + name);
      QCOMPARE(caption->isVisible(), edit(name)->isVisible());
      QCOMPARE(shown(QString("UpDown") + name), edit(name)->isVisible());
      if (!caption->isVisible()) continue;
      QString key = caption->text();
      if (typed.contains(key)) key += "#2";
      edit(name)->setText(QString("%1 mm").arg(10 * value++ + 1));
      typed[key] = edit(name)->text();
    }
    QStringList expected;
    for (const QString& c : texts.split('|')) expected << (c.isEmpty() ? QString() : typed.value(c, "?" + c));
    while (expected.size() < 8) expected << QString();
    QCOMPARE(this->texts(), expected.join('|'));
    Selection s;
    tab_->FillSelection(s);
    QCOMPARE(s.kind, 4);
    QCOMPARE(s.sub, family);
    QCOMPARE(s.variant, variant);

    // every input that is shown is named by a caption that is shown
    for (QLineEdit* e : tab_->findChildren<QLineEdit*>()) {
      bool named = !e->isVisible();
      for (QLabel* l : tab_->findChildren<QLabel*>()) named |= l->isVisible() && l->buddy() == e;
      QVERIFY2(named, qPrintable(e->objectName()));
    }

    QCOMPARE(shown("RadioGroupProsteTyp"), extras.contains("Typ"));
    QCOMPARE(shown("CheckBoxScisle"), extras.contains("Scisle"));
    QCOMPARE(shown("CheckBoxRuraGoraca"), extras.contains("Goraca"));
    QVERIFY(!shown("LabelWpis"));  // "Wzory ścisłe" is ticked
    QCOMPARE(shown("CheckBoxZmienny"), extras.contains("Zmienna"));
    QVERIFY(!shown("CheckBoxZmienny") ||
            extras.contains(find<QCheckBox>("CheckBoxZmienny")->text()));

    const QSize least = tab_->minimumSizeHint();
    QVERIFY2(least.width() <= 540 && least.height() <= 330,
             qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
  }

  void editRules_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("preset");  // the edit's text before, when not the default
    QTest::addColumn<QString>("action");  // "up", "down", "type:<keys>", "enter:<keys>"
    QTest::addColumn<QString>("result");  // "<edit>=<text>" afterwards
    QTest::addColumn<QString>("signal");
    const auto row = [](const char* name, int family, const char* edit, const char* preset,
                        const char* action, const char* result, const char* signal) {
      QTest::newRow(name) << family << QString(edit) << QString(preset) << QString(action)
                          << QString(result) << QString(signal);
    };
    row("Enter normalises", 0, "H", "", "enter:250", "H=250 mm", "entered");
    row("minus swallowed", 0, "H", "", "type:-", "H=100 mm", "");
    row("down stops at 1 mm", 0, "H", "1 mm", "down", "H=1 mm", "przelicz");
    row("up by 1 mm", 9, "S", "", "up", "S=101 mm", "przelicz");
    row("arc angle typed over 180", 3, "S", "", "enter:200", "S=180°", "entered");
    row("arc angle up at 180", 3, "S", "180°", "up", "S=180°", "przelicz");
    row("inset typed too deep", 6, "Lg", "", "enter:95", "Lg=90 mm", "entered");
    row("thicker web caps the inset", 6, "Gd", "", "enter:40", "Lg=60 mm", "entered");
    row("narrower flange caps the inset", 6, "W", "75 mm", "down", "Lg=64 mm", "przelicz");
    row("inset within the width kept", 6, "W", "", "enter:200", "Lg=70 mm", "entered");
  }

  void editRules() {
    QFETCH(int, family);
    QFETCH(QString, name);
    QFETCH(QString, preset);
    QFETCH(QString, action);
    QFETCH(QString, result);
    QFETCH(QString, signal);
    choose(family);
    if (!preset.isEmpty()) edit(name)->setText(preset);
    QSignalSpy entered(tab_.get(), &TabProste::entered);
    QSignalSpy recompute(tab_.get(), &TabProste::przelicz);
    if (action == "up" || action == "down")
      find<QToolButton>("UpDown" + name + (action == "up" ? "Up" : "Down"))->click();
    else if (action.startsWith("enter:"))
      enter(name, action.mid(6));
    else
      QTest::keyClicks(edit(name), action.mid(5));
    const QString watched = result.section('=', 0, 0);
    QCOMPARE(watched + "=" + edit(watched)->text(), result);
    QCOMPARE(entered.count(), signal == "entered" ? 1 : 0);
    QCOMPARE(recompute.count(), signal == "przelicz" ? 1 : 0);
  }

  void variableDepth_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("text");  // the selection text that varies, 0-based
    QTest::addColumn<double>("depth");
    // 2,5 m along at 10 mm/m
    QTest::newRow("Prostokąt") << 0 << 0 << 0 << 125.0;
    QTest::newRow("Dwuteownik") << 4 << 0 << 0 << 225.0;
    QTest::newRow("Rura prostokątna") << 2 << 3 << 2 << 105.0;
  }

  void variableDepth() {
    QFETCH(int, family);
    QFETCH(int, variant);
    QFETCH(int, text);
    QFETCH(double, depth);
    choose(family, variant);
    const QString plain = texts();
    QVERIFY(!shown("EditOdl"));

    QSignalSpy recompute(tab_.get(), &TabProste::przelicz);
    QSignalSpy entered(tab_.get(), &TabProste::entered);
    find<QCheckBox>("CheckBoxZmienny")->click();
    for (const char* name : {"EditZmienny", "UpDownZmienny", "EditOdl", "UpDownOdl", "Label35"})
      QVERIFY2(shown(name), name);
    QVERIFY(tab_->variableDepth());
    QCOMPARE(edit("Zmienny")->text(), "10 mm/m");
    enter("Odl", "2,5");
    QCOMPARE(edit("Odl")->text(), "2,5 m");
    QCOMPARE(recompute.count(), 2);  // the box, then the position
    QCOMPARE(entered.count(), 0);    // the focus stays for the next position

    QStringList varied = texts().split('|');
    QCOMPARE(tarvik::CzytajLiczbe(varied[text].toStdString()), depth);
    varied[text] = plain.split('|')[text];
    QCOMPARE(varied.join('|'), plain);

    tab_->ResetPosition();
    QCOMPARE(edit("Odl")->text(), "0 m");
    // a section handed over by a calling program is of constant depth
    enter("Odl", "5");
    tab_->setVariableDepthAllowed(false);
    QVERIFY(!shown("CheckBoxZmienny") && !shown("EditOdl") && !tab_->variableDepth());
    QCOMPARE(texts(), plain);
  }

  void depthBoxFollowsVariant() {
    choose(0);
    find<QCheckBox>("CheckBoxZmienny")->click();
    choose(1, 1);  // the ellipse has no variable form
    QVERIFY(!shown("CheckBoxZmienny") && !shown("EditZmienny") && !tab_->variableDepth());
    choose(1, 0);
    QVERIFY(shown("EditZmienny") && tab_->variableDepth());
  }

  void cornerCount() {
    choose(1);
    QCOMPARE(settings().exactFormulas, true);
    QVERIFY(!shown("EditGg"));

    QSignalSpy recompute(tab_.get(), &TabProste::przelicz);
    find<QCheckBox>("CheckBoxScisle")->click();
    QCOMPARE(recompute.count(), 1);
    QVERIFY(shown("EditGg") && shown("UpDownGg") && shown("LabelWpis"));
    QCOMPARE(find<QLabel>("LabelProstyGg")->text(), "Liczba narożników");
    QCOMPARE(edit("Gg")->text(), "36");
    QCOMPARE(settings().exactFormulas, false);
    QCOMPARE(settings().corners, 36);

    enter("Gg", "50");  // the outline holds at most 36
    QCOMPARE(edit("Gg")->text(), "36");
    enter("Gg", "4");
    QCOMPARE(settings().corners, 4);
    find<QToolButton>("UpDownGgDown")->click();
    find<QToolButton>("UpDownGgDown")->click();
    QCOMPARE(edit("Gg")->text(), "3");

    // the round tube shares the box; its corner count is a setting, not a dimension text
    choose(2);
    QCOMPARE(texts(), "100 mm|10 mm||||||");
    QCOMPARE(settings().corners, 36);
    find<QCheckBox>("CheckBoxRuraGoraca")->click();
    QCOMPARE(settings().hotRolledPipe, true);

    // elsewhere EditGg is a length, not a count
    choose(9);
    QVERIFY(!shown("LabelWpis"));
    QCOMPARE(settings().exactFormulas, false);
    QCOMPARE(settings().corners, 36);

    choose(2);
    find<QCheckBox>("CheckBoxScisle")->click();
    QVERIFY(!shown("EditGg") && !shown("LabelWpis"));
    QCOMPARE(texts(), "100 mm|10 mm||||||");
    QCOMPARE(settings().exactFormulas, true);
  }

  // the box pipes' corner starts by the standard and follows "Walc.na gorąco"; a radius
  // typed stands, a text that is no radius is refused
  void boxPipeCorner() {
    choose(2, 2);
    QCOMPARE(texts(), "100 mm|10 mm|||wg normy|||");
    QSignalSpy refused(tab_.get(), &TabProste::komunikat);
    // a 10 mm wall: cold-formed 2,5·g outside, 15 mm inside; hot-finished 10 mm inside
    find<QToolButton>("UpDownGgUp")->click();
    QCOMPARE(edit("Gg")->text(), "16 mm");
    enter("Gg", "wg normy");
    find<QCheckBox>("CheckBoxRuraGoraca")->click();
    QCOMPARE(settings().hotRolledPipe, true);
    find<QToolButton>("UpDownGgDown")->click();
    QCOMPARE(edit("Gg")->text(), "9 mm");
    enter("Gg", "12x4");
    QCOMPARE(edit("Gg")->text(), "9 mm");
    QCOMPARE(refused.count(), 1);
    tarvik::TabChoice choice;
    tab_->Choice(choice);
    QCOMPARE(choice.hotFinished, true);
    QCOMPARE(choice.selection.texts[4], "9 mm");
  }

  void showReturnsToRectangle() {
    choose(6);
    tab_->Show();
    QVERIFY(find<QRadioButton>("RadioGroupProste_0")->isChecked());
    QCOMPARE(texts(), "100 mm|10 mm||||||");
    QVERIFY(!shown("RadioGroupProsteTyp"));
  }
};

TARVIK_UI_TEST_MAIN(TabProsteTest)
#include "tab_proste_test.moc"
