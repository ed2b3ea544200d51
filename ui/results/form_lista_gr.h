// TFormListaGr ("Grubości"): the wall thickness of one segment of the traced midline, chosen
// from the thicknesses known so far or typed.
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>
#include <vector>

class QComboBox;

namespace tarvik::ui {

// what was chosen: the thickness [mm] and where the dialog was when closed with OK
struct GruboscWybor {
  double mm = 0;
  QPoint pos;
};

class TFormListaGr : public QDialog {
  Q_OBJECT

 public:
  // list: the known thicknesses [mm], shown with one decimal; last: the one selected
  TFormListaGr(const std::vector<double>& list, int last, QWidget* parent = nullptr);

  // shows the dialog modally at pos; nothing when it was closed without OK
  static std::optional<GruboscWybor> Zapytaj(const std::vector<double>& list, int last, QPoint pos,
                                             QWidget* parent = nullptr);

  // the thickness in the combo: a listed entry left as shown is its exact value (the list
  // shows one decimal only); a typed one must be one number above zero
  std::optional<double> grubosc() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ButtonOKClick();

  std::vector<double> list_;
  QComboBox* combo_;
};

}  // namespace tarvik::ui
