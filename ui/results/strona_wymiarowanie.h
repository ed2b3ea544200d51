// The results window's second page, "Wymiarowanie": the values for design checks, in pairs
// by axis, each pair corrected in one value dialog.
#pragma once

class QTabWidget;

namespace tarvik::ui {

class ListaStan;

class StronaWymiarowanie {
 public:
  StronaWymiarowanie(ListaStan& s, QTabWidget* pages);

  void Wypelnij();

 private:
  void GroupBoxJwClick();

  ListaStan& s_;
};

}  // namespace tarvik::ui
