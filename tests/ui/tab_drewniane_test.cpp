// The "Drewniane" page alone: what each shape shows and puts into the selection record, the
// rules of its edits, the member of variable height, the class dialog, and the choice a
// section file keeps.
#include "ui/main/tab_drewniane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "generators/timber.h"
#include "io/tab_fields.h"
#include "ui/main/form_klasa_dr.h"
#include "ui_test_main.h"

using namespace tarvik;
using tarvik::ui::KlasaPytanie;
using tarvik::ui::TabDrewniane;
using tarvik::ui::TFormKlasaDr;

namespace {

// the room the window gives its pages at its default size: 699 pixels wide, measured, and a
// frame that may grow to about 450 pixels before it meets the buttons below
constexpr QSize kPageRoom(690, 420);

// the controls whose visibility follows the shape and the joints
const QStringList kWatched =
    QString(
        "GroupBoxPas1 GroupBoxSrodnik GroupBoxPas3 EditH1 EditB1 EditH2 EditB2 EditH3 EditB3 "
        "EditAdr EditS1 EditD1 CheckBoxOtw1 EditS3 EditD3 CheckBoxOtw3 EditDl "
        "GroupBoxPolaczenie GroupBoxPrzew SpeedButtonKlasa1 SpeedButtonKlasaDr "
        "SpeedButtonKlasa3")
        .split(' ');

const QStringList kSolidClasses = {"C14", "C16", "C18", "C20", "C22", "C24", "C27", "C30", "C35",
                                   "C40", "C45", "C50", "D30", "D35", "D40", "D50", "D60", "D70"};
const QStringList kGluedClasses = {"GL24h", "GL28h", "GL32h", "GL36h",
                                   "GL24c", "GL28c", "GL32c", "GL36c"};

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// runs what to do with the modal dialog once it is open
void WithDialog(std::function<void(QDialog*)> what) {
  QTimer::singleShot(0, [what] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    what(dialog);
  });
}

}  // namespace

class TabDrewnianeTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TabDrewniane> tab_;

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = tab_->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QLineEdit* edit(const QString& name) const { return find<QLineEdit>("Edit" + name); }
  bool shown(const QString& name) const { return find(name)->isVisible(); }
  void choose(int shape) const {
    find<QRadioButton>("RadioGroupDrewno_" + QString::number(shape))->click();
  }
  void enter(const QString& name, const QString& typed) const {
    edit(name)->clear();
    QTest::keyClicks(edit(name), typed);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }
  Selection selection() const {
    Selection s;
    s.variant = 7;  // whatever another tab left in the record goes
    s.setText(9, "x");
    tab_->FillSelection(s);
    return s;
  }
  // selection texts 1..10 joined by '|', the empty ones at the end left out
  QString joined() const {
    const Selection s = selection();
    QStringList list;
    for (const std::string& t : s.texts) list << QString::fromStdString(t);
    while (!list.isEmpty() && list.back().isEmpty()) list.removeLast();
    return list.join('|');
  }
  TimberSettings settings() const {
    GeneratorSettings g;
    tab_->FillSettings(g);
    return g.timber;
  }

 private slots:
  void init() {
    tab_ = std::make_unique<TabDrewniane>();
    tab_->resize(kPageRoom);
    tab_->show();
  }
  void cleanup() { tab_.reset(); }

  // each shape shows its members, the joints on the jointed shapes, the fasteners and the
  // span while they are mechanical, the battens on the members side by side
  void shapes_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("glued");
    QTest::addColumn<QString>("shown");
    const QString tee =
        "GroupBoxPas1 GroupBoxSrodnik EditH1 EditB1 EditH2 EditB2 GroupBoxPolaczenie "
        "SpeedButtonKlasa1 SpeedButtonKlasaDr";
    const QString fasteners1 = " EditS1 EditD1 CheckBoxOtw1 EditDl";
    const QString lower = " GroupBoxPas3 EditH3 EditB3 SpeedButtonKlasa3";
    const QString fasteners3 = " EditS3 EditD3 CheckBoxOtw3";
    const QString members =
        "GroupBoxSrodnik EditH2 EditB2 EditAdr GroupBoxPrzew SpeedButtonKlasaDr";
    const auto row = [](const char* name, int shape, bool glued, const QString& shown) {
      QTest::newRow(name) << shape << glued << shown;
    };
    row("Prostokątny", kDrProstokatny, false, "GroupBoxSrodnik EditH2 EditB2 SpeedButtonKlasaDr");
    row("Okrągły", kDrOkragly, false, "GroupBoxSrodnik EditH2 SpeedButtonKlasaDr");
    row("Teowy", kDrTeowy, false, tee + fasteners1);
    row("Teowy klejony", kDrTeowy, true, tee);
    row("Dwuteowy 3", kDrDwuteowy3, false, tee + fasteners1 + lower + fasteners3);
    row("Dwuteowy 5 klejony", kDrDwuteowy5, true, tee + lower);
    row("Dwuteowy 5", kDrDwuteowy5, false, tee + fasteners1 + lower + fasteners3);
    row("Skrzynkowy z rozstawem", kDrSkrzynkowy1, false,
        tee + fasteners1 + lower + fasteners3 + " EditAdr");
    row("Skrzynkowy z rozstawem klejony", kDrSkrzynkowy1, true, tee + lower + " EditAdr");
    row("Skrzynkowy", kDrSkrzynkowy2, false, tee + fasteners1 + lower + fasteners3);
    row("Podwójny", kDrPodwojny, false, members);
    row("Potrójny", kDrPotrojny, false, members);
    row("Poczwórny", kDrPoczworny, false, members);
  }

  void shapes() {
    QFETCH(int, shape);
    QFETCH(bool, glued);
    QFETCH(QString, shown);
    // a shape showing everything first, so that nothing may be left over from it
    choose(kDrSkrzynkowy1);
    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
    if (glued) find<QRadioButton>("RadioButtonKlej")->click();
    choose(shape);
    QCOMPARE(recompute.count(), glued ? 2 : 1);
    const QStringList expected = shown.split(' ');
    for (const QString& name : kWatched)
      QVERIFY2(this->shown(name) == expected.contains(name), qPrintable(name));
    QCOMPARE(settings().mechanical, !glued);

    // every input shown is named by a caption shown, and each caption says something
    for (QLineEdit* e : tab_->findChildren<QLineEdit*>()) {
      if (!e->isVisible()) continue;
      const QLabel* caption = nullptr;
      for (QLabel* l : tab_->findChildren<QLabel*>())
        if (l->isVisible() && l->buddy() == e) caption = l;
      QVERIFY2(caption && !caption->text().trimmed().isEmpty(), qPrintable(e->objectName()));
    }
    // the members' class buttons say whose class they show
    for (const char* name : {"SpeedButtonKlasa1", "SpeedButtonKlasaDr", "SpeedButtonKlasa3"}) {
      const auto* button = find<QPushButton>(name);
      QCOMPARE(button->text(), QString("C24"));
      QVERIFY(button->accessibleName().startsWith("Klasa drewna "));
      QVERIFY(button->accessibleName().endsWith(": C24"));
    }
    // the page is as tall as its tallest shape: its frame stays put when the shape changes
    QVERIFY(tab_->layout()->sizeHint().height() <= tab_->minimumHeight());
    const QSize least = tab_->minimumSizeHint();
    QVERIFY2(least.width() <= kPageRoom.width() && least.height() <= kPageRoom.height(),
             qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
  }

  // the texts each shape puts into the selection record: distinct values in every edit, so
  // that no swap hides behind a default
  void texts_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("texts");
    const QString six = "11 cm|12 cm|13 cm|14 cm|15 cm|16 cm";
    QTest::newRow("Prostokątny") << int{kDrProstokatny} << "13 cm|14 cm";
    QTest::newRow("Okrągły") << int{kDrOkragly} << "13 cm";
    QTest::newRow("Teowy") << int{kDrTeowy} << "11 cm|12 cm|13 cm|14 cm";
    QTest::newRow("Dwuteowy 3") << int{kDrDwuteowy3} << six;
    QTest::newRow("Dwuteowy 5") << int{kDrDwuteowy5} << six;
    QTest::newRow("Skrzynkowy z rozstawem") << int{kDrSkrzynkowy1} << six + "|17 cm";
    QTest::newRow("Skrzynkowy") << int{kDrSkrzynkowy2} << six;
    QTest::newRow("Podwójny") << int{kDrPodwojny} << "||13 cm|14 cm|||17 cm";
    QTest::newRow("Potrójny") << int{kDrPotrojny} << "||13 cm|14 cm|||17 cm";
    QTest::newRow("Poczwórny") << int{kDrPoczworny} << "||13 cm|14 cm|||17 cm";
  }

  void texts() {
    QFETCH(int, shape);
    QFETCH(QString, texts);
    choose(shape);
    int value = 11;
    for (const char* name : {"H1", "B1", "H2", "B2", "H3", "B3", "Adr"})
      edit(name)->setText(QString("%1 cm").arg(value++));
    QCOMPARE(joined(), texts);
    const Selection s = selection();
    QCOMPARE(s.kind, 8);
    QCOMPARE(s.sub, shape);
    QCOMPARE(s.variant, 0);
    // the file keeps the same texts
    TabChoice choice;
    QVERIFY(tab_->Choice(choice));
    QCOMPARE(choice.selection, s);
    QCOMPARE(choice.gradient, 0.0);
  }

  void editRules_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("preset");  // the edit's text before, when not the default
    QTest::addColumn<QString>("action");  // "up", "down", "type:<keys>", "enter:<keys>"
    QTest::addColumn<QString>("result");  // the edit's text afterwards
    QTest::addColumn<QString>("signal");
    const auto row = [](const char* name, int shape, const char* edit, const char* preset,
                        const char* action, const char* result, const char* signal) {
      QTest::newRow(name) << shape << QString(edit) << QString(preset) << QString(action)
                          << QString(result) << QString(signal);
    };
    row("down stops at 1 cm", kDrTeowy, "H1", "1 cm", "down", "1 cm", "przelicz");
    // zero is written "0.0"
    row("the gap closes to 0", kDrPodwojny, "Adr", "1 cm", "down", "0.0 cm", "przelicz");
    row("spacing by 1 mm", kDrTeowy, "S1", "", "up", "51 mm", "przelicz");
    row("diameter stops at 1 mm", kDrDwuteowy3, "D3", "1 mm", "down", "1 mm", "przelicz");
    row("span by 0,5 m", kDrTeowy, "Dl", "", "up", "10,5 m", "przelicz");
    row("span stops at 0,5 m", kDrTeowy, "Dl", "0,5 m", "down", "0,5 m", "przelicz");
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
    QSignalSpy entered(tab_.get(), &TabDrewniane::entered);
    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
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

  // every choice beside the dimensions recomputes and reaches the settings
  void choicesRecompute() {
    choose(kDrDwuteowy3);
    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
    find<QCheckBox>("CheckBoxOtw3")->click();
    QVERIFY(settings().holes3 && !settings().holes1);
    find<QRadioButton>("RadioButtonKlej")->click();
    QVERIFY(!settings().mechanical);
    QVERIFY(!shown("EditS1") && !shown("EditDl"));
    choose(kDrPotrojny);
    QVERIFY(!find<QComboBox>("ComboBoxPrzew")->isEnabled());  // without battens
    find<QCheckBox>("CheckBoxPrzewDr")->click();
    QVERIFY(find<QComboBox>("ComboBoxPrzew")->isEnabled());
    QCOMPARE(find<QComboBox>("ComboBoxPrzew")->currentText(), QString("Gwoździe"));
    QVERIFY(find<QRadioButton>("RadioButtonWew")->isChecked());
    find<QRadioButton>("RadioButtonZew")->click();
    auto* joint = find<QComboBox>("ComboBoxPrzew");
    joint->setCurrentIndex(2);
    emit joint->activated(2);  // as a choice in the open list
    QCOMPARE(recompute.count(), 6);
    const TimberSettings t = settings();
    QVERIFY(t.battens && t.battensOutside);
    QCOMPARE(t.battenJoint, 2);
    QCOMPARE(find<QLabel>("LabelAdr")->text().simplified(), QString("Odstęp między elementami"));
    choose(kDrSkrzynkowy1);
    QCOMPARE(find<QLabel>("LabelAdr")->text().simplified(),
             QString("Wewnętrzny rozstaw środników"));
  }

  // the web's height at a distance along a member of variable height: 10 cm/m at 2 m on a
  // 40 cm web gives 60 cm; the file keeps the height typed and the gradient in mm/m
  void variableHeight_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("text");  // the web height's selection text, 0-based
    QTest::newRow("Prostokątny") << int{kDrProstokatny} << 0;
    QTest::newRow("Okrągły") << int{kDrOkragly} << 0;
    QTest::newRow("Dwuteowy 3") << int{kDrDwuteowy3} << 2;
    QTest::newRow("Poczwórny") << int{kDrPoczworny} << 2;
  }

  void variableHeight() {
    QFETCH(int, shape);
    QFETCH(int, text);
    choose(shape);
    edit("H2")->setText("40 cm");
    const QString plain = joined();
    QVERIFY(!shown("EditZmianaDr") && !shown("EditOdlDr"));

    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
    QSignalSpy entered(tab_.get(), &TabDrewniane::entered);
    find<QCheckBox>("CheckBoxZmiennyDr")->click();
    QCOMPARE(find<QCheckBox>("CheckBoxZmiennyDr")->text(),
             shape == kDrOkragly ? QString("Zmienna średnica") : QString("Zmienna wysokość"));
    for (const char* name : {"EditZmianaDr", "UpDownZmianaDr", "EditOdlDr", "UpDownOdlDr"})
      QVERIFY2(shown(name), name);
    QCOMPARE(edit("ZmianaDr")->text(), QString("10 cm/m"));
    QCOMPARE(edit("OdlDr")->text(), QString("0 m"));
    enter("OdlDr", "2");
    QCOMPARE(edit("OdlDr")->text(), QString("2 m"));
    QCOMPARE(recompute.count(), 2);  // the box, then the position
    QCOMPARE(entered.count(), 0);    // the focus stays for the next position

    QStringList varied = joined().split('|');
    QCOMPARE(varied[text], QString("60 cm"));
    varied[text] = plain.split('|')[text];
    QCOMPARE(varied.join('|'), plain);

    TabChoice choice;
    tab_->Choice(choice);
    QCOMPARE(choice.gradient, 100.0);
    QCOMPARE(QString::fromStdString(choice.selection.texts[text]), QString("40 cm"));

    find<QToolButton>("UpDownOdlDrUp")->click();
    QCOMPARE(edit("OdlDr")->text(), QString("2,1 m"));
    find<QToolButton>("UpDownZmianaDrDown")->click();  // 9 cm/m x 2,1 m
    QCOMPARE(joined().split('|')[text], QString("58,9 cm"));
    find<QCheckBox>("CheckBoxZmiennyDr")->click();
    QCOMPARE(joined(), plain);
  }

  // the dialog offers the kind of the current class, the list at that class
  void classDialogListsEachKind() {
    TFormKlasaDr solid({"C24", "pasa górnego", std::nullopt});
    QCOMPARE(solid.windowTitle(), QString("Klasa drewna"));
    auto* list = solid.findChild<QListWidget*>("ListBoxKlasa");
    auto* caption = solid.findChild<QLabel*>("LabelKlasa");
    QCOMPARE(caption->buddy(), list);
    QCOMPARE(caption->text(), QString("Klasa pasa górnego"));
    QCOMPARE(solid.findChild<QGroupBox*>("GroupBoxDrewno")->title(), QString(" Drewno "));
    QVERIFY(solid.findChild<QRadioButton*>("RadioButtonLite")->isChecked());
    QCOMPARE(Items(list), kSolidClasses);
    QCOMPARE(solid.klasa(), QString("C24"));
    solid.findChild<QRadioButton*>("RadioButtonKlejone")->click();
    QCOMPARE(Items(list), kGluedClasses);
    QCOMPARE(solid.klasa(), QString("GL24h"));
    solid.findChild<QRadioButton*>("RadioButtonLite")->click();
    QCOMPARE(Items(list), kSolidClasses);

    TFormKlasaDr glued({"GL32c", "środnika", std::nullopt});
    QVERIFY(glued.findChild<QRadioButton*>("RadioButtonKlejone")->isChecked());
    QCOMPARE(Items(glued.findChild<QListWidget*>("ListBoxKlasa")), kGluedClasses);
    QCOMPARE(glued.klasa(), QString("GL32c"));
    QCOMPARE(glued.findChild<QPushButton*>("SpeedButtonAnuluj")->text(), QString("Anuluj"));
  }

  // a class chosen changes that member's class only and recomputes; "Anuluj" changes nothing;
  // the dialog opens where the window says and tells it where it was closed
  void classChosenChangesOnlyThatMember() {
    QPoint pozycja(40, 30);
    tab_->setPozycjaDialogu(&pozycja);
    choose(kDrDwuteowy3);
    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
    bool modal = false;
    WithDialog([&modal](QDialog* dialog) {
      modal = dialog->isModal() && dialog->windowTitle() == "Klasa drewna";
      dialog->findChild<QRadioButton*>("RadioButtonKlejone")->click();
      auto* list = dialog->findChild<QListWidget*>("ListBoxKlasa");
      list->setCurrentItem(list->findItems("GL28h", Qt::MatchExactly).front());
      dialog->findChild<QPushButton*>("ButtonOK")->click();
    });
    find<QPushButton>("SpeedButtonKlasa3")->click();
    QVERIFY(modal);
    QCOMPARE(recompute.count(), 1);
    QCOMPARE(find<QPushButton>("SpeedButtonKlasa3")->text(), QString("GL28h"));
    QCOMPARE(find<QPushButton>("SpeedButtonKlasa3")->accessibleName(),
             QString("Klasa drewna pasa dolnego: GL28h"));
    QCOMPARE(find<QPushButton>("SpeedButtonKlasa1")->text(), QString("C24"));
    QCOMPARE(find<QPushButton>("SpeedButtonKlasaDr")->text(), QString("C24"));
    const std::array<int, 3> classes{KlasaDrewna("C24"), KlasaDrewna("C24"), KlasaDrewna("GL28h")};
    QCOMPARE(settings().classes, classes);

    WithDialog([](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QListWidget*>("ListBoxKlasa")->currentItem()->text(), "C24");
      auto* list = dialog->findChild<QListWidget*>("ListBoxKlasa");
      list->setCurrentRow(0);
      dialog->findChild<QPushButton*>("SpeedButtonAnuluj")->click();
    });
    find<QPushButton>("SpeedButtonKlasaDr")->click();
    QCOMPARE(recompute.count(), 1);
    QCOMPARE(settings().classes, classes);

    // Enter on a class in the list takes it
    pozycja = QPoint(70, 60);
    QPoint opened;
    WithDialog([&opened](QDialog* dialog) {
      opened = dialog->pos();
      auto* list = dialog->findChild<QListWidget*>("ListBoxKlasa");
      list->setCurrentRow(kSolidClasses.indexOf("D40"));
      QTest::keyClick(list, Qt::Key_Return);
    });
    find<QPushButton>("SpeedButtonKlasa1")->click();
    QCOMPARE(opened, QPoint(70, 60));
    QCOMPARE(find<QPushButton>("SpeedButtonKlasa1")->text(), QString("D40"));
    QCOMPARE(recompute.count(), 2);
  }

  // a choice with every field away from its default goes into a fresh page and comes back
  void choiceRoundTrip_data() {
    QTest::addColumn<int>("shape");
    for (int shape : {int{kDrSkrzynkowy1}, int{kDrPotrojny}, int{kDrOkragly}})
      QTest::newRow(QByteArray::number(shape)) << shape;
  }

  void choiceRoundTrip() {
    QFETCH(int, shape);
    TabChoice choice;
    Selection& s = choice.selection;
    s.kind = 8;
    s.sub = shape;
    int value = 21;
    for (TimberEdit e : TimberEdits(shape))
      s.setText(TimberText(shape, e), std::to_string(value++) + " cm");
    choice.gradient = 25;  // 2,5 cm/m
    TimberSettings& t = choice.timber;
    t.mechanical = false;
    t.classes = {KlasaDrewna("GL24h"), KlasaDrewna("C18"), KlasaDrewna("GL36c")};
    t.spacing1 = 40, t.diameter1 = 4, t.holes1 = true;
    t.spacing3 = 60, t.diameter3 = 8, t.holes3 = true;
    t.span = 7.5;
    t.battens = true, t.battenJoint = 2, t.battensOutside = true;
    QVERIFY(!(t == TimberSettings{}));

    tab_->SetChoice(choice);
    TabChoice back;
    QVERIFY(tab_->Choice(back));
    QCOMPARE(back.selection, choice.selection);
    QCOMPARE(back.gradient, choice.gradient);
    QVERIFY(back.timber == choice.timber);
    QCOMPARE(edit("ZmianaDr")->text(), QString("2,5 cm/m"));
    QVERIFY(find<QRadioButton>("RadioGroupDrewno_" + QString::number(shape))->isChecked());

    // shown again (the user comes back to the tab), nothing of it is lost
    QSignalSpy recompute(tab_.get(), &TabDrewniane::przelicz);
    tab_->Show();
    QCOMPARE(recompute.count(), 0);  // the window recomputes after the show handler
    QVERIFY(tab_->Choice(back));
    QCOMPARE(back.selection, choice.selection);
    QVERIFY(back.timber == choice.timber);
  }

  // a fresh page: the rectangle, the defaults, every member C24
  void defaults() {
    QVERIFY(find<QRadioButton>("RadioGroupDrewno_0")->isChecked());
    QCOMPARE(joined(), QString("15 cm|15 cm"));
    QVERIFY(settings() == TimberSettings{});
    QVERIFY(!tab_->variableHeight());
    choose(kDrSkrzynkowy1);
    QCOMPARE(joined(), QString("5 cm|20 cm|15 cm|15 cm|5 cm|20 cm|10 cm"));
  }

  // the fasteners the printed report lists: the upper flange's, the lower one's too where
  // there is one, as shown; none while glued or for a solid section
  void fastenersForTheReport() {
    choose(kDrTeowy);
    find<QRadioButton>("RadioButtonGwozdzie")->click();
    enter("S1", "40");
    enter("D1", "4");
    find<QCheckBox>("CheckBoxOtw1")->click();
    std::vector<Lacznik> rows = tab_->laczniki();
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(QString::fromStdString(rows[0].s), edit("S1")->text());
    QCOMPARE(QString::fromStdString(rows[0].d), edit("D1")->text());
    QVERIFY(rows[0].otwory);
    choose(kDrDwuteowy3);
    enter("S3", "60");
    rows = tab_->laczniki();
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(QString::fromStdString(rows[1].s), edit("S3")->text());
    QVERIFY(!rows[1].otwory);
    choose(kDrProstokatny);
    QVERIFY(tab_->laczniki().empty());
    choose(kDrTeowy);
    find<QRadioButton>("RadioButtonKlej")->click();
    QVERIFY(tab_->laczniki().empty());
  }
};

TARVIK_UI_TEST_MAIN(TabDrewnianeTest)
#include "tab_drewniane_test.moc"
