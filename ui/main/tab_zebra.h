// The "Użebrowanie" page: a slab of a thickness and width (or a multiple of its thickness)
// with one rib under it, the rib defined on the "Proste", "Walcowane" or "Gięte" tab and
// brought back with "Powrót". The window owns the rib's trip to its tab; the page holds the
// slab's three linked edits and the rib's buttons.
#pragma once

#include "generators/ribbed.h"
#include "ui/main/tab_page.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace tarvik::ui {

class DimensionEdit;

class TabZebra : public TabPage {
  Q_OBJECT

 public:
  explicit TabZebra(QWidget* parent = nullptr);

  // the section model whose figure 2 is the rib (the window's)
  void setModel(const SectionModel* model) { model_ = model; }
  // "Walcowane" and "Gięte" supply ribs only from the catalogue
  void setDatabase(bool present);

  // TabSheetZebraShow: the rib's buttons as the model stands (a rib in figure 2 or none)
  void Show() override;
  void FillSelection(Selection& s) override;
  // a read file's slab and turn
  void Wczytaj(const WyborPlyty& choice);
  // the slab's texts and the turn the rib was chosen with
  WyborPlyty wybor() const;
  // "Obróć o 90 st" as ticked now: the window takes it when the rib comes back
  bool obrocic() const;
  // the rib came back: it was chosen turned or not
  void zebroWybrane(bool turned) { turned_ = turned; }

 signals:
  // a rib button: the tab the rib is defined on (4, 0 or 2)
  void zebro(int tab);
  // "Usuń żebro"
  void usunZebro();

 private:
  void EditGruboscKeyPress();
  void EditSzerokoscKeyPress();
  void EditKrotnoscKeyPress();
  void UpDownGrBlachyClick();
  void UpDownSzerBlachyClick();
  void UpDownKrotnoscClick();
  // the slab into the three edits
  void Pokaz();
  // typed: Enter (recompute, the focus moves on); otherwise an arrow
  void Zmiana(const PlytaZebra& p, bool typed);

  const SectionModel* model_ = nullptr;
  PlytaZebra plyta_;
  bool turned_ = false;  // the rib on the model was chosen with "Obróć o 90 st"
  DimensionEdit* grubosc_ = nullptr;
  DimensionEdit* szerokosc_ = nullptr;
  DimensionEdit* krotnosc_ = nullptr;
  QGroupBox* groupZebro_ = nullptr;
  QPushButton* proste_ = nullptr;
  QPushButton* walcowane_ = nullptr;
  QPushButton* giete_ = nullptr;
  QPushButton* usun_ = nullptr;
  QCheckBox* obrot_ = nullptr;
};

}  // namespace tarvik::ui
