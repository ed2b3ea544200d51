// The "Żelbetowe" page: the concrete outlines of reinforced-concrete members, typed in
// centimetres, optionally of a height varying along the member.
#pragma once

#include <array>
#include <optional>

#include "ui/main/tab_page.h"

class QCheckBox;
class QLabel;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

class TabZelbetowe : public TabPage {
  Q_OBJECT

 public:
  // the eight dimension edits, in the order of their rows
  enum Wymiar { Bz, Hz, Gz, Hgz, Dz, Hdz, Sgz, Sdz, kWymiary };

  explicit TabZelbetowe(QWidget* parent = nullptr);

  // TabSheetZelbetShow: the shape and the texts typed stay as the user left them
  void Show() override;
  void FillSelection(Selection& s) override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;
  // "Zmienna wysokość" ticked
  bool variableHeight() const;
  // EditOdlZelb := "0 m": the member's start
  void ResetPosition();

 private slots:
  void RadioGroupZelbetClick();
  void CheckBoxZmiennyZelbClick();

 private:
  int shape() const;
  // captions, defaults and visibility of the chosen shape; the position back at the start
  void Arrange();
  void ArrangeVariableHeight();
  // the edit whose text fills selection place i (ConcreteText) for the chosen shape; -1 for
  // a place the shape leaves empty
  int EditOfText(int place) const;
  // the shape and the texts as typed, before a height variation
  void FillTexts(Selection& s) const;

  RadioGroup* shape_;
  std::array<DimensionEdit*, kWymiary> edits_{};
  std::array<QLabel*, kWymiary> captions_{};
  QCheckBox* zmienny_;
  QLabel* rateCaption_;
  DimensionEdit* rate_;
  QLabel* positionCaption_;
  DimensionEdit* position_;
  // the choice last handed out and the position it stood at: given back (the window restores
  // the section on screen after a refused change), it keeps that position; any other choice
  // (a file read) starts at the member's start
  struct Reported {
    Selection selection;
    double gradient;
    QString position;
  };
  std::optional<Reported> reported_;
};

}  // namespace tarvik::ui
