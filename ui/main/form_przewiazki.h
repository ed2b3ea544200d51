// TFormPrzewiazki: the battens or the lacing that join the members of a set of profiles.
// Nothing is computed from them; they are reported with the results. The caller keeps what
// was chosen (for as long as the program runs) and hands it in at each opening.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace tarvik::ui {

class DimensionEdit;
struct Pole;

// the joint of the members as the dialog shows it, every value as its edit shows it
struct Przewiazki {
  enum Typ { kA, kB, kC, kD };  // a: battens; b, c: single lacing; d: double lacing
  int typ = kA;
  // battens: axial spacing L1 [m], width b [mm], thickness [mm]
  QString l1 = "1 m", b = "100 mm", t = "6 mm";
  // lacing: the angle between the diagonal's and the member's axes, the diagonal's area
  QString kat = "45°", pole = "10 cm^2";

  friend bool operator==(const Przewiazki&, const Przewiazki&) = default;
};

// the report's lines of a set: a heading ("Przewiązki typ a (PN,rys.8)") and its value line
// ("  L1/b/t: ", "1 m/100 mm/6 mm"), each value with the unit it is kept in
std::vector<std::pair<QString, QString>> RaportPrzewiazek(const Przewiazki& p);

class TFormPrzewiazki : public QDialog {
  Q_OBJECT

 public:
  explicit TFormPrzewiazki(const Przewiazki& values, QWidget* parent = nullptr);

  // shows the dialog modally at pos (none: over its parent); the values left on OK, nothing
  // on "Anuluj"; pos takes the dialog's place when it closes with OK
  static std::optional<Przewiazki> Wybierz(const Przewiazki& values, QPoint* pos,
                                           QWidget* parent = nullptr);

  // what the controls hold now
  Przewiazki values() const;

 protected:
  // Enter in a field
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kPola = 3;

  // the type's button: its captions, units and texts into the three fields
  void SpeedButtonClick(int typ);
  // the fields' texts kept under the type shown, before another one is shown
  void Zapamietaj();
  // the caption, unit and step of a field of the type shown
  const Pole& Rule(int field) const;

  Przewiazki values_;
  int shown_ = -1;  // the type whose texts the fields hold
  std::array<QToolButton*, 4> types_{};
  std::array<QLabel*, kPola> labels_{};
  std::array<DimensionEdit*, kPola> edits_{};
  QPushButton* ok_;
  std::pair<QString, int> before_;  // a field's text before an arrow, and the arrow's direction
};

}  // namespace tarvik::ui
