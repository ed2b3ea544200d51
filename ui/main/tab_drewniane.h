// The "Drewniane" page: timber sections, solid or built up of several members, each member
// of its own strength class, the flanges glued or joined by mechanical fasteners.
#pragma once

#include <vector>

#include "engine/print_report.h"

#include <QPoint>
#include <array>

#include "generators/timber.h"
#include "ui/main/tab_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

class TabDrewniane : public TabPage {
  Q_OBJECT

 public:
  explicit TabDrewniane(QWidget* parent = nullptr);

  // TabSheetDrewnoShow: the page as the user left it (the rectangle with the tab's defaults
  // at the start)
  void Show() override;
  // the shape's texts as typed, then the web's height at the position when it varies
  void FillSelection(Selection& s) override;
  // the joints, fasteners, classes, span and battens
  void FillSettings(GeneratorSettings& g) const override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;

  // where the class dialog opens; the dialog's place when it closes with OK is kept there
  // (the window's PozycjaDialogu)
  void setPozycjaDialogu(QPoint* pos) { pozycja_ = pos; }
  // "Zmienna wysokość" ticked
  bool variableHeight() const;
  // the fasteners joining the flanges (the upper one, and the lower one for the layouts
  // with two flanges), as typed; none while the joints are glued
  std::vector<Lacznik> laczniki() const;

 private slots:
  void RadioGroupDrewnoClick();
  void RadioButtonPolaczenieClick();
  void CheckBoxZmiennyDrClick();
  void CheckBoxPrzewDrClick();

 private:
  // the rectangle with the tab's defaults, every class C24: the page's first state
  void Defaults();
  // the members whose class a button shows: upper flange, web (or the solid section, or each
  // of the equal members), lower flange; the order of TimberSettings::classes
  enum Czlon { kPasGorny, kSrodnik, kPasDolny, kCzlony };

  int shape() const;
  // the groups, rows and captions the chosen shape uses
  void Arrange();
  void ArrangeBattens();
  void ArrangeVariableHeight();
  // the class dialog for one member
  void SpeedButtonKlasaClick(Czlon member);
  void SetClass(Czlon member, const QString& name);
  // what a member is called in a caption ("pasa górnego"), for the chosen shape
  QString MemberName(Czlon member) const;
  TimberSettings Settings() const;
  void SetSettings(const TimberSettings& t);
  // kind, shape and the texts of the shape's edits as typed
  void FillTexts(Selection& s) const;

  RadioGroup* shapes_;
  std::array<QGroupBox*, kCzlony> groups_{};
  std::array<DimensionEdit*, kTimberEdits> dims_{};
  std::array<QLabel*, kTimberEdits> dimCaptions_{};
  // the fasteners of the upper (0) and lower (1) flange: spacing, diameter, pre-drilled holes
  std::array<DimensionEdit*, 2> spacing_{}, diameter_{};
  std::array<QLabel*, 2> spacingCaption_{}, diameterCaption_{};
  std::array<QCheckBox*, 2> holes_{};
  std::array<QPushButton*, kCzlony> classes_{};
  std::array<QLabel*, kCzlony> classCaptions_{};
  QGroupBox* joints_;
  QRadioButton* klej_;
  QRadioButton* gwozdzie_;
  QLabel* spanCaption_;
  DimensionEdit* span_;
  QGroupBox* battens_;
  QCheckBox* przewiazki_;
  QLabel* przewCaption_;
  QComboBox* przew_;
  QRadioButton* wewnatrz_;
  QRadioButton* zewnatrz_;
  QCheckBox* zmienny_;
  QLabel* rateCaption_;
  DimensionEdit* rate_;  // cm/m
  QLabel* positionCaption_;
  DimensionEdit* position_;  // m
  QPoint* pozycja_ = nullptr;
};

}  // namespace tarvik::ui
