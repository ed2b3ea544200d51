// The finite-element rows of "Wymiarowanie": the torsion and warping constants, the shear
// centre and the shear areas of the section's mesh beside the formula values, computed off
// the GUI thread while the window is open, and "T wg MES", which moves the sketch's "T" to
// the finite-element centre.
#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QTimer>
#include <functional>
#include <optional>

#include "fe/przekroj.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QThreadPool;

namespace tarvik::ui {

class ListaStan;

// the threads the finite-element tasks run in, apart from Qt's global pool: the raster
// painter splits its work over that pool and waits for it, so a mesh there would freeze the
// windows' painting until it is solved
QThreadPool& PulaMES();

class WierszeMES {
 public:
  static constexpr int kRows = 6;  // the four values, the error line, the check box

  // the rows from row of the page's grid (four columns); redraw: the sketch drawn anew
  WierszeMES(ListaStan& s, QGridLayout* grid, int row, std::function<void()> redraw);
  // a computation still running is left to finish on its own and its result dropped
  ~WierszeMES();
  WierszeMES(const WierszeMES&) = delete;
  WierszeMES& operator=(const WierszeMES&) = delete;

  // the section copied into a task of the thread pool; the rows say "liczę…" once it has
  // taken 0,1 s
  void Licz();
  // the values again (after "Połowa"/"Cały")
  void Wypelnij();

 private:
  void Gotowe();
  void Pokaz(const QString& text);
  void CheckBoxTMesClick();

  ListaStan& s_;
  std::function<void()> redraw_;
  QLabel* jt_ = nullptr;
  QLabel* jw_ = nullptr;
  QLabel* srodek_ = nullptr;
  QLabel* av_ = nullptr;
  QLabel* blad_ = nullptr;
  QCheckBox* tMes_ = nullptr;
  QFuture<fe::WynikPrzekroju> future_;
  QFutureWatcher<fe::WynikPrzekroju> watcher_;
  QTimer busy_;
  std::optional<fe::WynikPrzekroju> wynik_;
};

}  // namespace tarvik::ui
