// The results window's third page, "Parametry geometryczne": the centroid, the static and
// central moments, the user coordinate system ("Inny układ współrzędnych") and the mass.
#pragma once

#include <QList>
#include <functional>

class QLabel;
class QTabWidget;
class QWidget;

namespace tarvik::ui {

class ListaStan;

class StronaGeometria {
 public:
  // redraw: the results sketch drawn anew once the user coordinate system is set
  StronaGeometria(ListaStan& s, QTabWidget* pages, std::function<void()> redraw);

  void Wypelnij();

 private:
  void LabelInnyClick();

  ListaStan& s_;
  std::function<void()> redraw_;
  QLabel* inny_ = nullptr;
  QList<QWidget*> massRows_;
};

}  // namespace tarvik::ui
