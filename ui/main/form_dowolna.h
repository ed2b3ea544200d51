// TFormDowolna: the choice of a new (or changed) arbitrary figure: solid or hole, one of the
// standard shapes, a polygon drawn on the sketch, or an outline from a .DXF or .TXT file.
#pragma once

#include <QColor>
#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QRadioButton;

namespace tarvik::ui {

struct DowolnaPytanie {
  int figury = 0;             // figures already in the section
  bool zewnetrzna = true;     // preselected "Zewnętrzna" (with figures the default is a hole)
  bool podklad = false;       // an underlay is shown: the next figure is drawn over it
  bool siatka = true;         // the grid flag
  std::optional<QPoint> pos;  // where the dialog opens
  // the file dialog: given the caption and the filter, the path chosen (empty: cancelled)
  std::function<QString(const QString&, const QString&)> plik;
};

struct DowolnaOdpowiedz {
  // what was chosen: a shape code 0..6 (generators/arbitrary_shapes.h), or one of these
  enum Wybor { kBrak = -1, kWielokat = 7, kDxf = 8, kTxt = 9, kOK = 10 };
  int wybor = kBrak;
  bool zewnetrzna = true;
  bool siatka = true;
  QString plik;  // for kDxf and kTxt
  QPoint pos;
};

class TFormDowolna : public QDialog {
  Q_OBJECT

 public:
  TFormDowolna(const DowolnaPytanie& question, QWidget* parent = nullptr);
  static DowolnaOdpowiedz Wybierz(const DowolnaPytanie& question, QWidget* parent = nullptr);
  const DowolnaOdpowiedz& odpowiedz() const { return answer_; }

 private:
  void Koniec(int wybor);
  void Plik(int wybor, const QString& caption, const QString& filter);

  DowolnaPytanie question_;
  DowolnaOdpowiedz answer_;
  QRadioButton *zew_ = nullptr, *wew_ = nullptr;
  QCheckBox* siatka_ = nullptr;
};

}  // namespace tarvik::ui
