// TFormDruk, "Drukuj": the margin edits' rules, the places offered for the drawings per
// page, and what the dialog hands back.
#include "ui/results/form_druk.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "ui/main/radio_group.h"
#include "ui/main/settings.h"
#include "ui_test_main.h"

using namespace tarvik::ui;

class FormDrukTest : public QObject {
  Q_OBJECT

 private slots:
  void MarginTextsOnEnterAndUpDown() {
    const struct {
      const char* typed;
      const char* enter;
      const char* up;
      const char* down;
    } cases[] = {
        {"3", "6", "6", "6"},        // a single character below 6 is too small
        {"", "6", "7", "6"},         // empty counts as 6
        {"12", "12", "13", "11"},
        {"7", "7", "8", "6"},
        {"12,7", "12,7", "13", "11"},  // whole millimetres before the step
        {"0,5", "0,5", "6", "6"},      // 0,5 -> 1 -> 2 or 0, too small either way
        {".", "6", "6", "6"},
        {"9.", "9.", "10", "8"},
    };
    for (const auto& c : cases) {
      QCOMPARE(MarginesPoEnter(c.typed), QString(c.enter));
      QCOMPARE(MarginesKrok(c.typed, 1), QString(c.up));
      QCOMPARE(MarginesKrok(c.typed, -1), QString(c.down));
    }
  }

  void EnterInTheEditsAndTheKeyFilter() {
    TFormDruk dialog(DrukPytanie{});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Drukuj"));
    auto* gorny = dialog.findChild<QLineEdit*>("EditGorny");
    auto* lewy = dialog.findChild<QLineEdit*>("EditLewy");
    gorny->setFocus();
    gorny->clear();
    QTest::keyClicks(gorny, "3x-");  // only the digit is taken
    QCOMPARE(gorny->text(), QString("3"));
    QTest::keyClick(gorny, Qt::Key_Return);
    QCOMPARE(gorny->text(), QString("6"));
    QVERIFY(lewy->hasFocus());
    lewy->clear();
    QTest::keyClicks(lewy, "12");
    QTest::keyClick(lewy, Qt::Key_Return);
    QCOMPARE(lewy->text(), QString("12"));
    QVERIFY(dialog.findChild<QPushButton*>("ButtonOK")->hasFocus());
    QTest::mouseClick(dialog.findChild<QToolButton*>("UpDownGornyUp"), Qt::LeftButton);
    QCOMPARE(gorny->text(), QString("7"));
  }

  void PlacesFollowTheDrawingsPerPage() {
    DrukPytanie q;
    q.n = 3;
    q.p = 1;
    TFormDruk dialog(q);
    dialog.show();
    auto* liczba = dialog.findChild<RadioGroup*>("RadioGroupLiczba");
    auto* rysunek = dialog.findChild<RadioGroup*>("RadioGroupRysunek");
    auto* dr = dialog.findChild<QToolButton*>("SpeedButtonDrStrone");
    QCOMPARE(rysunek->items(), QStringList({"Pierwszy", "Drugi", "Trzeci"}));
    QCOMPARE(rysunek->itemIndex(), 1);
    QVERIFY(dr->isEnabled());
    // the last place ends the page anyway
    dialog.findChild<QRadioButton*>("RadioGroupRysunek_2")->click();
    QVERIFY(!dr->isEnabled());
    // another count of drawings starts again at the first place
    dialog.findChild<QRadioButton*>("RadioGroupLiczba_3")->click();
    QCOMPARE(liczba->itemIndex(), 3);
    QCOMPARE(rysunek->items(),
             QStringList({"Pierwszy", "Drugi", "Trzeci", "Czwarty", "Piąty"}));
    QCOMPARE(rysunek->itemIndex(), 0);
    QVERIFY(dr->isEnabled());
  }

  void IncompletePageHandsBackTheChoice() {
    DrukPytanie q;
    q.zakladka = 2;
    q.doPliku = true;
    TFormDruk dialog(q);
    dialog.show();
    dialog.findChild<QRadioButton*>("RadioGroupLiczba_2")->click();  // four
    dialog.findChild<QRadioButton*>("RadioGroupRysunek_1")->click();
    dialog.findChild<QLineEdit*>("EditGorny")->setText("14,6");
    QTest::mouseClick(dialog.findChild<QToolButton*>("SpeedButtonDrStrone"), Qt::LeftButton);
    const DrukWybor w = dialog.wybor();
    QVERIFY(w.ok);
    QVERIFY(w.niekompletna);
    QCOMPARE(w.n, 4);
    QCOMPARE(w.p, 1);
    QCOMPARE(w.zakladka, 2);
    QCOMPARE(w.gorny, 15);
    QCOMPARE(w.lewy, 25);
    QVERIFY(w.doPliku);
  }

  // the margins and the printer's calibration from the store; what is missing or no whole
  // number keeps its default
  void PrinterSettingsFromTheStore() {
    Ustawienia store;
    QVERIFY(store.ZapiszRejestr("TARVIK", "Gorny", "15"));
    QVERIFY(store.ZapiszRejestr("TARVIK", "Lewy", "2x5"));
    QVERIFY(store.ZapiszRejestr("PRINTER", "PrintSkala", "190"));
    QVERIFY(store.ZapiszRejestr("PRINTER", "HP4L", "1"));
    const tarvik::UstawieniaDruku u = Ustawienia().CzytajDruk();
    QCOMPARE(u.gorny, 15);
    QCOMPARE(u.lewy, 25);
    QCOMPARE(u.drukarkaGorny, 7);
    QCOMPARE(u.drukarkaLewy, 7);
    QCOMPARE(u.szerokosc, 190);
    QVERIFY(u.hp4l);
    store.store().remove("TARVIK");
    store.store().remove("PRINTER");
  }

  // a pasted text that is no number is refused on OK, the dialog stays open
  void MarginThatIsNoNumberIsRefused() {
    TFormDruk dialog(DrukPytanie{});
    dialog.show();
    dialog.findChild<QLineEdit*>("EditLewy")->setText("1.2.3");
    bool shown = false;
    QTimer::singleShot(0, [&] {
      QWidget* message = QApplication::activeModalWidget();
      shown = message && message != &dialog;
      if (shown) qobject_cast<QDialog*>(message)->reject();
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }
};

TARVIK_UI_TEST_MAIN(FormDrukTest)
#include "form_druk_test.moc"
