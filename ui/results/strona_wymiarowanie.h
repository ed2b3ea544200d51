// The results window's second page, "Wymiarowanie": the values for design checks, in pairs
// by axis, each pair corrected in one value dialog, and the finite-element values below them.
#pragma once

#include <functional>
#include <memory>

class QTabWidget;

namespace tarvik::ui {

class ListaStan;
class WierszeMES;

class StronaWymiarowanie {
 public:
  // redraw: the results sketch drawn anew ("T wg MES")
  StronaWymiarowanie(ListaStan& s, QTabWidget* pages, std::function<void()> redraw);
  ~StronaWymiarowanie();

  void Wypelnij();
  // the finite-element rows computed for the section as it is now
  void LiczMES();

 private:
  void GroupBoxJwClick();

  ListaStan& s_;
  std::unique_ptr<WierszeMES> mes_;
};

}  // namespace tarvik::ui
