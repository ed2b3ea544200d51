// The move panel of the editors' current figure, shared by "Złożone" and "Dowolne" (whose
// controls carry the suffix "D"): the dX, dY and turn edits with their arrows and step, the
// mirrors, the quarter turns and the placement of the figure. It maps its controls to the
// composite editor's moves.
#pragma once

#include <QGroupBox>

#include "generators/composite_editor.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace tarvik::ui {

class DimensionEdit;

// a push button of the editors' pages: named, with its hint, never pressed by Enter
QPushButton* PrzyciskEdytora(const QString& name, const QString& text, const QString& hint,
                             QWidget* parent);

class PanelRuchu : public QGroupBox {
  Q_OBJECT

 public:
  // suffix: "" on "Złożone", "D" on "Dowolne"
  PanelRuchu(const QString& title, const QString& suffix, QWidget* parent = nullptr);

  void setEdytor(EdytorZlozony* editor, const SectionModel* model) {
    editor_ = editor;
    model_ = model;
  }
  // the axes named y, z: the labels and mirror buttons follow
  void setOsieYZ(bool yz);
  // the edits from the editor and the current figure's placement
  void Arrange();
  DimensionEdit* editX() const { return editX_; }
  QGridLayout* grid() const { return grid_; }

 signals:
  void moved();  // a step, a mirror or a quarter turn moved the figure
  void typed();  // Enter in a move edit moved it

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EdytorZlozony* editor_ = nullptr;
  const SectionModel* model_ = nullptr;
  bool osieYZ_ = false;
  DimensionEdit *editX_ = nullptr, *editY_ = nullptr, *editObrot_ = nullptr;
  QLabel *labelX_ = nullptr, *labelY_ = nullptr;
  QComboBox* krok_ = nullptr;
  QPushButton *lustroX_ = nullptr, *lustroY_ = nullptr;
  QLabel *panelX_ = nullptr, *panelY_ = nullptr, *panelAl_ = nullptr;
  QGridLayout* grid_ = nullptr;
};

}  // namespace tarvik::ui
