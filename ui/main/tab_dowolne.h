// The "Dowolne" page: a section of figures of any shape. The figure rules live in the editor
// (generators/arbitrary_editor.h); this page maps its controls, dialogs and the sketch's
// clicks to the editor's calls and shows what they leave behind.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

#include "generators/arbitrary_editor.h"
#include "generators/arbitrary_points.h"
#include "ui/main/form_ksztalt.h"
#include "ui/main/tab_page.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarvik::ui {

class PanelRuchu;
struct SketchOptions;

class TabDowolne : public TabPage {
  Q_OBJECT

 public:
  explicit TabDowolne(QWidget* parent = nullptr);

  void setEdytor(EdytorDowolny* editor, SectionModel* model);
  void setPytanie(std::function<int(const Komunikat&)> ask) { ask_ = std::move(ask); }
  void setPozycjaDialogu(QPoint* pos) { pozycja_ = pos; }
  // the file dialogs (tests put their own): open gets a caption and a filter, save a
  // caption, a proposed name and a filter; each gives the path chosen, empty when cancelled
  void setPlikDoOdczytu(std::function<QString(const QString&, const QString&)> open) {
    open_ = std::move(open);
  }
  void setPlikDoZapisu(std::function<QString(const QString&, const QString&, const QString&)> save) {
    save_ = std::move(save);
  }
  void setOsieYZ(bool yz);

  void Show() override;
  // the editor recomputes kind 6 itself
  void FillSelection(Selection&) override {}
  void Arrange();
  // the page's "Powiększ" let go (leaving the page)
  void WylaczZoom();
  // the editor's aids for the sketch: underlay, grid, polygon, model axes, crosshair
  void Pomoce(SketchOptions& o) const;
  // while drawing, clicks are points of the polygon
  bool rysowanie() const { return editor_ && editor_->rysowanie(); }
  // the point-reading tool is "Zmiana" (points of the current figure are changed)
  bool zmianaPunktow() const;

  // the sketch's events
  void Klik(QPoint p, bool right);
  void Prostokat(QRect r, bool shift);
  void Mysz(QPoint p);

  // "Nowa figura" / "Zmiana figury"
  void LabelNowaDClick() { NowaFigura(true); }
  void LabelZmianaDClick() { NowaFigura(false); }
  // "Cofnij" while drawing, "Zapisz do pliku .TXT" otherwise
  void SpeedButtonCofnijClick();

 signals:
  void zoomMode(bool on);  // "Powiększ" of the page: the sketch's zoom rectangle
  void oneToOne();         // "1 : 1"
  // an underlay was read: the window offers TFormCad once
  void podkladWczytany();

 private:
  void NowaFigura(bool nowa);
  void Done();
  void Usun();
  void UsunCaly();
  void WczytajDxf(const QString& path, bool outer);
  void WczytajTxt(QString path, bool outer);
  // the current figure is solid (not a hole)
  bool CurrentSolid() const;
  void Blad(const QString& text, const QString& detail);

  EdytorDowolny* editor_ = nullptr;
  SectionModel* model_ = nullptr;
  std::function<int(const Komunikat&)> ask_;
  std::function<QString(const QString&, const QString&)> open_;
  std::function<QString(const QString&, const QString&, const QString&)> save_;
  QPoint* pozycja_ = nullptr;
  bool osieYZ_ = false;
  bool siatka_ = true;
  UstawieniaRysunku ustawienia_;
  OstatnieKsztalty ostatnie_;  // the shape dialogs' last values, while the program runs
  WyborPunktu wybor_;          // the way and system of typed points
  QGroupBox* groupNowa_ = nullptr;
  PanelRuchu* groupEdit_ = nullptr;
  QPushButton *nowa_ = nullptr, *aktywna_ = nullptr, *zmiana_ = nullptr, *usun_ = nullptr,
              *usunCaly_ = nullptr, *cofnij_ = nullptr;
  QToolButton *zoom_ = nullptr, *jedenDoJednego_ = nullptr, *odczyt_ = nullptr,
              *zmianaPunktow_ = nullptr;
  QLabel *live_ = nullptr, *liveX_ = nullptr, *liveY_ = nullptr, *liveN_ = nullptr;
};

}  // namespace tarvik::ui
