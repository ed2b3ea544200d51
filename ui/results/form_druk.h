// TFormDruk, "Drukuj": how many drawings a page holds and where this one goes, which results
// tab is reported, the margins, printing to a file and the printer's set-up. Callers fill a
// DrukPytanie and get back a DrukWybor.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace tarvik::ui {

class RadioGroup;

struct DrukPytanie {
  int n = 2;        // drawings per page, 2..5
  int p = 0;        // this drawing's place
  int zakladka = 0;  // the results tab reported: 0 "Statyki", 1 "Wymiarowania", 2 "Geometryczne"
  int gorny = 10;   // margins [mm]
  int lewy = 25;
  bool doPliku = false;  // print to a (PDF) file
  // "Konfiguracja": the printer's own dialog; its print-to-file state, nothing when cancelled
  std::function<std::optional<bool>()> konfiguracja;
};

struct DrukWybor {
  bool ok = false;
  bool niekompletna = false;  // "Drukuj niekompletną stronę": the page ends after this one
  int n = 2, p = 0, zakladka = 0, gorny = 10, lewy = 25;
  bool doPliku = false;
};

// the margin edits' texts: Enter makes an empty text or one character below "6" into "6";
// an up/down click (direction +1 or -1) first keeps the whole millimetres ("0,5" -> "1")
QString MarginesPoEnter(const QString& text);
QString MarginesKrok(const QString& text, int direction);

class TFormDruk : public QDialog {
  Q_OBJECT

 public:
  explicit TFormDruk(const DrukPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally; the answer's ok is false after "Anuluj"
  static DrukWybor Zapytaj(const DrukPytanie& question, QWidget* parent = nullptr);
  // what the dialog holds now (ok and niekompletna as closed)
  DrukWybor wybor() const;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Margines(const QString& name, QLineEdit*& edit);
  void RadioGroupLiczbaClick(int index);
  void RadioGroupRysunekClick(int index);
  void SpeedButtonKonfigClick();
  void SpeedButtonDrStroneClick();
  void ButtonOKClick();
  bool Czytaj(QLineEdit* edit, int& value);

  DrukPytanie question_;
  RadioGroup* liczba_;
  RadioGroup* rysunek_;
  RadioGroup* param_;
  QLineEdit* gorny_ = nullptr;
  QLineEdit* lewy_ = nullptr;
  QCheckBox* doPliku_;
  QToolButton* konfig_;
  QToolButton* drStrone_;
  QPushButton* ok_;
  bool niekompletna_ = false;
  int gornyWartosc_ = 0, lewyWartosc_ = 0;
};

}  // namespace tarvik::ui
