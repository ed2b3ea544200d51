// TFormCad: the underlay's extents, the unit choices that multiply up, and "Anuluj".
#include "ui/main/form_cad.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui_test_main.h"

using tarvik::Podklad;
using tarvik::ui::TFormCad;

namespace {

// what to do with the modal dialog once it is shown
void WithDialog(std::function<void(QDialog*)> what) {
  QTimer::singleShot(0, [what] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    what(dialog);
  });
}

// a drawing 0.3 x 0.1 wide, made in metres
Podklad Drawing() {
  Podklad p;
  UstawPodklad(p, {{2, 1, 2.3, 1}, {2.3, 1, 2.3, 1.1}});
  DopasujPodklad(p, 400, 300);
  return p;
}

}  // namespace

class FormCadTest : public QObject {
  Q_OBJECT

 private slots:
  // "10x" then "100x" make metres of 0.3 into 300 mm; the edits show the extents
  void unitChoicesMultiplyUp() {
    Podklad p = Drawing();
    TFormCad dialog(p, 400, 300, QPoint(30, 40));
    QCOMPARE(dialog.windowTitle(), QString("Podkład CAD [mm]"));
    QCOMPARE(dialog.pos(), QPoint(30, 40));
    auto* combo = dialog.findChild<QComboBox*>("ComboBoxJedn");
    auto* x = dialog.findChild<QLineEdit*>("EditX");
    auto* y = dialog.findChild<QLineEdit*>("EditY");
    QCOMPARE(combo->currentText(), QString("1x"));
    QCOMPARE(x->text(), QString("0,3 mm"));
    QVERIFY(x->isReadOnly());
    QCOMPARE(y->text(), QString("0,1 mm"));
    // each value is read with its caption
    QStringList captions;
    for (QLabel* label : dialog.findChildren<QLabel*>())
      if (label->buddy() == x || label->buddy() == y) captions << label->text();
    QCOMPARE(captions, QStringList({"Gabaryt X", "Gabaryt Y"}));
    QCOMPARE(x->accessibleDescription(), x->text());
    QCOMPARE(dialog.findChild<QPushButton*>("ButtonAnuluj")->text(), QString("Anuluj"));
    QTest::keyClick(combo, Qt::Key_Down);  // "10x"
    QTest::keyClick(combo, Qt::Key_Down);  // "100x"
    QCOMPARE(combo->currentText(), QString("100x"));
    QCOMPARE(x->text(), QString("300 mm"));
    QCOMPARE(y->text(), QString("100 mm"));
    QVERIFY(qAbs(p.odcinki[1].y2 - 100) < 1e-9);
    QTest::keyClick(combo, Qt::Key_Home);  // "1x" undoes nothing
    QCOMPARE(x->text(), QString("300 mm"));
    QCOMPARE(x->accessibleDescription(), QString("300 mm"));
  }

  // OK reports ok and where the dialog was; "Anuluj" reports not ok
  void okAndCancel() {
    for (const char* button : {"ButtonOK", "ButtonAnuluj"}) {
      Podklad p = Drawing();
      WithDialog([button](QDialog* dialog) {
        dialog->move(50, 60);
        dialog->findChild<QPushButton*>(button)->click();
      });
      const tarvik::ui::CadOdpowiedz answer = TFormCad::Pokaz(p, 400, 300, std::nullopt);
      QCOMPARE(answer.ok, QString(button) == "ButtonOK");
      QCOMPARE(answer.pos, QPoint(50, 60));
    }
  }
};

TARVIK_UI_TEST_MAIN(FormCadTest)
#include "form_cad_test.moc"
