// TFormCad: the size of the CAD underlay just imported, and its unit. A drawing made in
// centimetres or metres is read as millimetres; choosing "10x", "100x" or "1000x" multiplies
// the underlay by that factor (choices multiply up) and fits it to the sketch box again.
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

#include "engine/underlay.h"

class QComboBox;
class QLineEdit;

namespace tarvik::ui {

// ok when closed with OK (cancelling means: discard the underlay); where the dialog was
struct CadOdpowiedz {
  bool ok = false;
  QPoint pos;
};

class TFormCad : public QDialog {
  Q_OBJECT

 public:
  // the underlay is changed in place; W x H is the sketch box it is fitted to [pixels]
  TFormCad(Podklad& podklad, int W, int H, std::optional<QPoint> pos, QWidget* parent = nullptr);

  // shows the dialog modally
  static CadOdpowiedz Pokaz(Podklad& podklad, int W, int H, std::optional<QPoint> pos,
                            QWidget* parent = nullptr);

 private:
  // the factor at the start of the item chosen, applied to the underlay as it is now
  void ComboBoxJednChange(int index);
  // the extents in the two edits, as the main window writes dimensions
  void PokazGabaryty();

  Podklad& podklad_;
  int W_, H_;
  QComboBox* jednostka_;
  QLineEdit* editX_;
  QLineEdit* editY_;
};

}  // namespace tarvik::ui
