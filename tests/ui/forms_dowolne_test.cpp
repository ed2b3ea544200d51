// The small dialogs of the "Dowolne" tab, driven by object names: the triangle's kinds, the
// circle's rows and its height against its central angle, a point typed in polar
// coordinates from the previous point, and a value added to the picked points' X.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>

#include "engine/numbers.h"
#include "ui/main/form_dodaj.h"
#include "ui/main/form_kolo.h"
#include "ui/main/form_lamana.h"
#include "ui/main/form_odczyt.h"
#include "ui/main/form_prostokat.h"
#include "ui/main/form_trojkat.h"
#include "ui/main/form_wpisz.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

QLineEdit* Edit(QWidget* dialog, const QString& name) {
  auto* e = dialog->findChild<QLineEdit*>("Edit" + name);
  if (!e) qFatal("no edit %s", qPrintable(name));
  return e;
}

// types text over an edit's text and confirms it with Enter
void Type(QWidget* dialog, const QString& name, const QString& text) {
  QLineEdit* e = Edit(dialog, name);
  e->selectAll();
  e->del();
  QTest::keyClicks(e, text);
  QTest::keyClick(e, Qt::Key_Return);
}

QString Text(QWidget* dialog, const QString& name) { return Edit(dialog, name)->text(); }

// runs what to do with the modal dialog once it is open
void WithDialog(std::function<void(QDialog*)> what) {
  QTimer::singleShot(0, [what] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    what(dialog);
  });
}

}  // namespace

class FormsDowolneTest : public QObject {
  Q_OBJECT

 private slots:
  // a dialog taken apart while one of its edits has the keyboard: the edit's "editing
  // finished" must not reach the half-destroyed dialog (it wrote into a deleted edit)
  void closingWithAnEditFocusedIsSafe() {
    const std::vector<std::function<QDialog*()>> dialogs = {
        [] { return new TFormLamana({}); },
        [] { return new TFormProstokat({}); },
        [] { return new TFormKolo(kOdcinek, {}); },
        [] { return new TFormWpisz({}); },
    };
    for (const auto& make : dialogs) {
      QDialog* d = make();
      d->show();
      d->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(d));
      const auto edits = d->findChildren<QLineEdit*>();
      QVERIFY(!edits.isEmpty());
      edits.first()->setFocus();
      QCoreApplication::processEvents();
      QVERIFY(edits.first()->hasFocus());
      delete d;
    }
  }

  // the dialog follows its rules ("Równoboczny" h = 0,866 a and 60°, "Równoramienny" the
  // angle from a and h; the rules themselves are tested without the dialog); 0 becomes 1
  void triangleKindsTieTheirValues() {
    KsztaltPytanie ask;
    ask.ostatnie.podstawa = 100;
    ask.ostatnie.rodzaj = kRownoboczny;
    TFormTrojkat d(ask);
    QCOMPARE(d.windowTitle(), QString("Trójkąt"));
    QCOMPARE(d.findChild<QLabel*>("LabelKat")->text(), QString("Kąt przy postawie"));
    QCOMPARE(d.findChild<QLabel*>("LabelKat")->buddy(), Edit(&d, "Kat"));
    QCOMPARE(Text(&d, "H"), QString("86,6 mm"));
    QCOMPARE(Text(&d, "Kat"), QString("60°"));
    QVERIFY(!Edit(&d, "Kat")->isEnabled());
    Type(&d, "A", "200");
    QCOMPARE(Text(&d, "H"), QString("173,2 mm"));

    d.findChild<QRadioButton*>("RadioGroupRodzaj_1")->click();
    QVERIFY(Edit(&d, "Kat")->isEnabled());
    Type(&d, "H", "100");  // atan(2 x 100 / 200) = 45°
    QCOMPARE(Text(&d, "Kat"), QString("45°"));

    d.findChild<QRadioButton*>("RadioGroupRodzaj_2")->click();
    Type(&d, "Kat", "89");
    Type(&d, "A", "0");
    QCOMPARE(Text(&d, "A"), QString("1 mm"));
    const Ksztalt k = d.ksztalt();
    QCOMPARE(k.kod, int(kTrojkat));
    QCOMPARE(k.rodzaj, int(kDowolny));
    QCOMPARE(k.kat, 89.0);
    QCOMPARE(k.a, 1.0);
  }

  // the rows each caption shows; the height and the angle follow each other and the up/down
  // steps (the rules themselves are tested without the dialog)
  void circleRowsAndHeight() {
    struct Row {
      int kod;
      const char* title;
      bool angle, height;
    };
    for (const Row& r :
         {Row{kKolo, "Koło", false, false}, Row{kPolkole, "Półkole", false, false},
          Row{kWycinek, "Wycinek koła", true, false}, Row{kOdcinek, "Odcinek koła", true, true}}) {
      TFormKolo d(r.kod, {});
      QCOMPARE(d.windowTitle(), QString(r.title));
      QVERIFY(Edit(&d, "R")->isVisibleTo(&d));
      QCOMPARE(Edit(&d, "Alfa")->isVisibleTo(&d), r.angle);
      QCOMPARE(d.findChild<QWidget*>("UpDownAlfa")->isVisibleTo(&d), r.angle);
      QCOMPARE(d.findChild<QLabel*>("LabelAlfa")->isVisibleTo(&d), r.angle);
      QCOMPARE(Edit(&d, "H")->isVisibleTo(&d), r.height);
    }
    KsztaltPytanie ask;
    ask.ostatnie.promien = 100;
    ask.ostatnie.katSrodkowy = 120;
    TFormKolo d(kOdcinek, ask);
    QCOMPARE(Text(&d, "H"), QString("50 mm"));
    Type(&d, "H", "100");
    QCOMPARE(Text(&d, "Alfa"), QString("180°"));
    Type(&d, "Alfa", "60");
    d.findChild<QToolButton*>("UpDownRUp")->click();  // R 110, h = 110 (1 - cos 30°)
    QCOMPARE(Text(&d, "R"), QString("110 mm"));
    QCOMPARE(Text(&d, "H"), QString("14,74 mm"));
    const Ksztalt k = d.ksztalt();
    QCOMPARE(k.kod, int(kOdcinek));
    QCOMPARE(k.b, 60.0);
  }

  // from the previous point (10, 20) a click at (13, 24) reads dR 5 mm at 53,13°; typed 10 mm
  // at 90° gives (10, 30); other ways prefill the click again; "Zerowanie" and signed values
  void typedPointPolarRelative() {
    WpiszPytanie ask{{13, 24}, Point{10, 20}, {kWzgledny, kBiegunowy}, std::nullopt};
    TFormWpisz d(ask);
    QCOMPARE(d.windowTitle(), QString("Współrzędne punktów konturu"));
    QCOMPARE(d.findChild<QLabel*>("LabelX")->text(), QString("dR"));
    QCOMPARE(d.findChild<QLabel*>("LabelY")->text(), QString("Kąt"));
    QCOMPARE(Text(&d, "X"), QString("5 mm"));
    QCOMPARE(Text(&d, "Y"), QString("53,13°"));
    Type(&d, "X", "10");
    Type(&d, "Y", "90");
    QVERIFY(std::abs(d.punkt().x - 10) < 1e-12 && std::abs(d.punkt().y - 30) < 1e-12);

    d.findChild<QRadioButton*>("RadioGroupSposob_0")->click();
    d.findChild<QRadioButton*>("RadioGroupUklad_0")->click();
    QCOMPARE(d.findChild<QLabel*>("LabelX")->text(), QString("X"));
    QCOMPARE(Text(&d, "X"), QString("13 mm"));
    QCOMPARE(Text(&d, "Y"), QString("24 mm"));
    d.findChild<QToolButton*>("SpeedButtonY")->click();
    QCOMPARE(Text(&d, "Y"), QString("0 mm"));
    Type(&d, "X", "-7,5");
    QCOMPARE(Text(&d, "X"), QString("-7,5 mm"));
    QCOMPARE(d.punkt(), (Point{-7.5, 0}));
    QCOMPARE(d.wybor(), (WyborPunktu{kGlowny, kKartezjanski}));
  }

  // several points: "Dodaj do X" asks "Do współrzędnych X" from 10 mm, its button purple
  // while asking; "Anuluj" there keeps this dialog open and the button blue again
  void pickedPointsAddToX() {
    OdczytPytanie ask{3, 12.5, -4, std::nullopt};
    TFormOdczyt one({1, 0, 0, std::nullopt});
    QCOMPARE(one.findChild<QPushButton*>("SpeedButtonX")->text(), QString("Nowa wsp.X"));
    QVERIFY(!one.findChild<QPushButton*>("SpeedButtonDodajX"));

    TFormOdczyt d(ask);
    QCOMPARE(d.windowTitle(), QString("Zmiana współrzędnych"));
    QCOMPARE(d.findChild<QPushButton*>("SpeedButtonX")->text(), QString("Wspólna wsp.X"));
    auto* add = d.findChild<QPushButton*>("SpeedButtonDodajX");
    QCOMPARE(add->text(), QString("Dodaj do X"));
    bool asked = false;
    WithDialog([&](QDialog* dodaj) {
      asked = true;
      QCOMPARE(dodaj->windowTitle(), QString("Do współrzędnych X"));
      QCOMPARE(dodaj->findChild<QLabel*>("LabelWartosc")->text(), QString("dodaj"));
      QCOMPARE(Text(dodaj, "Wartosc"), QString("10 mm"));
      QVERIFY(add->styleSheet().contains("purple"));
      dodaj->findChild<QPushButton*>("SpeedButtonAnuluj")->click();
    });
    add->click();
    QVERIFY(asked);
    QVERIFY(add->styleSheet().contains("blue"));
    QCOMPARE(d.odpowiedz().akcja, ZmianaPunktow::kBrak);

    WithDialog([&](QDialog* dodaj) {
      Type(dodaj, "Wartosc", "-2,5");
      dodaj->findChild<QPushButton*>("ButtonOK")->click();
    });
    add->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.odpowiedz().akcja, ZmianaPunktow::kDodajX);
    QCOMPARE(d.odpowiedz().wartosc, -2.5);

    // a common X starts at the mean
    TFormOdczyt common(ask);
    WithDialog([&](QDialog* dodaj) {
      QCOMPARE(dodaj->windowTitle(), QString("Nowa współrzędna X"));
      QCOMPARE(Text(dodaj, "Wartosc"), QString("12,5 mm"));
      dodaj->findChild<QPushButton*>("ButtonOK")->click();
    });
    common.findChild<QPushButton*>("SpeedButtonX")->click();
    QCOMPARE(common.odpowiedz().akcja, ZmianaPunktow::kUstawX);
    QCOMPARE(common.odpowiedz().wartosc, 12.5);
  }

  // OK hands back the shape and the values to remember, "Anuluj" keeps the old ones; the
  // dialog opens where it is told and says where it was
  void shapeDialogRemembersOnOkOnly() {
    KsztaltPytanie ask;
    ask.ostatnie.szerokosc = 300;
    ask.pos = QPoint(40, 30);
    WithDialog([](QDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Prostokąt"));
      QCOMPARE(Text(d, "B"), QString("300 mm"));
      Type(d, "H", "45,5");
      d->findChild<QPushButton*>("ButtonOK")->click();
    });
    const KsztaltOdpowiedz ok = TFormProstokat::Wymiary(ask);
    QVERIFY(ok.ok);
    QCOMPARE(ok.ksztalt.kod, int(kProstokat));
    QCOMPARE(ok.ksztalt.b, 45.5);
    QCOMPARE(ok.ostatnie.wysokosc, 45.5);
    QCOMPARE(ok.ostatnie.szerokosc, 300.0);
    QCOMPARE(ok.pos, QPoint(40, 30));
    WithDialog([](QDialog* d) {
      Type(d, "H", "12");
      d->findChild<QPushButton*>("SpeedButtonAnuluj")->click();
    });
    const KsztaltOdpowiedz cancelled = TFormProstokat::Wymiary({ok.ostatnie, std::nullopt});
    QVERIFY(!cancelled.ok);
    QCOMPARE(cancelled.ostatnie.wysokosc, 45.5);
  }

  // a grid step above the range becomes a twentieth of it; the steps of range and grid
  void drawingRangeAndGrid() {
    TFormLamana d({100, 200, std::nullopt});
    QCOMPARE(d.windowTitle(), QString("Wielokąt"));
    QCOMPARE(Text(&d, "Oczko"), QString("5 mm"));
    d.findChild<QToolButton*>("UpDownZakresDown")->click();  // 0: 100
    QCOMPARE(Text(&d, "Zakres"), QString("100 mm"));
    d.findChild<QToolButton*>("UpDownOczkoDown")->click();  // 0: 5
    QCOMPARE(Text(&d, "Oczko"), QString("5 mm"));
    Type(&d, "Zakres", "40");
    Type(&d, "Oczko", "60");
    QCOMPARE(Text(&d, "Oczko"), QString("2 mm"));
    QVERIFY(d.findChild<QCheckBox*>("CheckBoxSiatka")->isChecked());
    const LamanaOdpowiedz a = d.odpowiedz();
    QCOMPARE(a.zakres, 40.0);
    QCOMPARE(a.oczko, 2.0);
  }
};

TARVIK_UI_TEST_MAIN(FormsDowolneTest)
#include "forms_dowolne_test.moc"
