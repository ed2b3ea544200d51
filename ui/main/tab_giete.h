// The " Gięte " page: cold-formed channels, angles, Z, hat and Sigma sections and box tubes,
// from the catalogue or from typed dimensions ("Wymiary").
#pragma once

#include <QStringList>
#include <array>

#include "generators/cold_formed.h"
#include "generators/database.h"
#include "ui/main/tab_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

class TabGiete : public TabPage {
  Q_OBJECT

 public:
  explicit TabGiete(QWidget* parent = nullptr);

  // the database the catalogue items come from (null: none; Sigma's catalogue needs none)
  void setDatabase(ProfileDatabase* database);
  // TabSheetGieteShow: the item and the typed dimensions stay as they were
  void Show() override;
  void FillSelection(Selection& s) override;
  // "Walc.na gorąco" of the tubes
  void FillSettings(GeneratorSettings& g) const override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;

 private slots:
  void RadioGroupGieteClick();
  void RadioGroupKatalogClick();
  void RadioGroup4CClick();
  void CheckBoxGGClick();
  void ComboBoxGieteChange();
  void ComboBoxGiete2Change();

 private:
  static constexpr int kPola = 7;  // LabelG1..7, EditG1..7

  int item() const;
  bool ownDimensions() const;
  bool tube() const;
  // items that can be neither taken from the catalogue nor typed cannot be chosen (a choice
  // that becomes impossible moves to the first possible one)
  void MarkItems();
  // the mode radios, the options, the lists or the fields, the title
  void Arrange();
  // the size list; the size shown before stays chosen when keep is set and it is offered
  void FillSizes(bool keep);
  // the thickness list of the chosen size, keeping its text where offered
  void FillThicknesses();
  // the fields of the chosen item: its captions, and its texts as last typed (else the
  // initial ones) when the item changed
  void FillFields();
  // the radius "wg normy" stands for, from the thickness typed [mm]
  double RadiusByStandard() const;
  void EditRefused(const QString& typed);

  ProfileDatabase* database_ = nullptr;
  std::array<bool, kColdItems> catalogue_{};  // the item's catalogue can be chosen
  QLabel* title_ = nullptr;
  RadioGroup* giete_;
  RadioGroup* katalog_;
  RadioGroup* c4_;
  QCheckBox* gg_;
  QLabel* labelSize_;
  QLabel* labelThickness_;
  QComboBox* combo_;
  QComboBox* combo2_;
  QGroupBox* wym_;
  std::array<QLabel*, kPola> labels_{};
  std::array<DimensionEdit*, kPola> edits_{};
  // the own dimensions typed for each item, kept while the program runs
  std::array<QStringList, kColdItems> typed_;
  int fieldsItem_ = -1;   // the item whose texts the edits hold
  bool filling_ = false;  // the lists are being refilled: their changes are not the user's
};

}  // namespace tarvik::ui
