// The "Proste" page: sections described by a few dimensions.
#pragma once

#include <array>

#include "ui/main/tab_page.h"

class QCheckBox;
class QLabel;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

class TabProste : public TabPage {
  Q_OBJECT

 public:
  explicit TabProste(QWidget* parent = nullptr);

  // TabSheetProsteShow
  void Show() override;
  void FillSelection(Selection& s) override;
  // "Wzory ścisłe", the corner count and "Walc.na gorąco" (the rolled tube reads them too)
  void FillSettings(GeneratorSettings& s) const override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;
  // the recompute cycle keeps the selection record while "Wzory ścisłe" is shown
  bool scisleVisible() const;
  // "Zmienna wysokość" ticked and shown
  bool variableDepth() const;
  // EditOdl := "0 m": the member's start (closing leaves that section behind)
  void ResetPosition();
  // the depth gradient of a member of variable depth [mm/m]
  double depthGradient() const;
  // a section file handed over by a calling program (".001") hides the depth variation
  void setVariableDepthAllowed(bool allowed);

 private slots:
  void RadioGroupProsteClick();
  void RadioGroupProsteTypClick();
  void CheckBoxScisleClick();
  void CheckBoxZmiennyClick();

 private:
  // the eight dimension edits, in the order of their rows
  enum Wymiar { H, T, S, Gg, W, Gd, Lg, Ld, kWymiary };

  int family() const;
  int variant() const;
  // the variant group of the chosen family, at its first item; hidden when there is none
  void FillVariants();
  // captions, defaults, rules and visibility of the chosen family and variant
  void Arrange();
  // EditGg as the corner count of an inscribed circle ("Wzory ścisłe" shown, unticked)
  bool cornersShown() const;
  void ArrangeCorners();
  void ArrangeVariableDepth();
  // Enter (the edit has normalised its text) and an up/down click of a dimension edit
  void EditKeyPress(Wymiar e);
  void UpDownClick(Wymiar e);
  // "Ceownik": the inset never exceeds the width less the web
  void CapInset(Wymiar changed);
  // the edit that fills selection text i (0-based) for the chosen family and variant; -1 for
  // a text it leaves empty (no such edit, or the edit hidden)
  int EditOfText(int text) const;
  // the family, the variant and the texts as typed, before a depth variation
  void FillTexts(Selection& s) const;

  RadioGroup* family_;
  RadioGroup* variant_;
  std::array<DimensionEdit*, kWymiary> edits_{};
  std::array<QLabel*, kWymiary> captions_{};
  QCheckBox* scisle_;
  QCheckBox* goraca_;
  QLabel* wpis_;
  QCheckBox* zmienny_;
  QLabel* gradientCaption_;
  DimensionEdit* gradient_;
  QLabel* positionCaption_;
  DimensionEdit* position_;
  bool depthAllowed_ = true;
};

}  // namespace tarvik::ui
