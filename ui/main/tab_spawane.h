// The "Spawane" page: welded I-sections and corrugated-web girders from the profile database,
// castellated girders made from rolled I-sections, circular hollow sections with a seam.
#pragma once

#include <string>
#include <vector>

#include "generators/database.h"
#include "ui/main/tab_page.h"

class QComboBox;
class QLabel;

namespace tarvik::ui {

class RadioGroup;

class TabSpawane : public TabPage {
  Q_OBJECT

 public:
  explicit TabSpawane(QWidget* parent = nullptr);

  // the database the series and the castellated parents' sizes come from (null: none)
  void setDatabase(ProfileDatabase* database);
  // TabSheetSpawShow
  void Show() override;
  void FillSelection(Selection& s) override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;

 private slots:
  void RadioGroupSpawClick();
  void RadioGroupAzurClick();
  void RadioGroupCienkiSpClick();
  void RadioGroupAzur1Click();
  void ComboBoxSpawChange();
  void ComboBoxSpaw2Change();
  void ComboBoxSpaw3Change();

 private:
  int sub() const;
  // series the database holds none of cannot be chosen (a choice that becomes impossible
  // moves to the first possible one); likewise "Pocieniony" of the "Normalny" parent
  void MarkSeries();
  // which groups, captions and lists show for the series
  void Arrange();
  // the size list; the size shown before stays chosen when keep is set and it is offered
  void FillSizes(bool keep);
  // the second and third lists for the chosen size, keeping their texts where offered
  void FillSecond();
  // the castellated parent's sizes as the database holds them
  std::vector<std::string> ParentSizes() const;
  QString DisplayParentSize(const std::string& size) const;

  ProfileDatabase* database_ = nullptr;
  RadioGroup* spaw_;
  RadioGroup* azur_;
  RadioGroup* cienki_;
  RadioGroup* azur1_;
  QComboBox* combo_;
  QComboBox* combo2_;
  QComboBox* combo3_;
  QLabel* label_;
  QLabel* label2_;
  QLabel* label3_;
  QLabel* labelRura_;
  QLabel* labelBrak_;
  bool filling_ = false;  // the lists are being refilled: their changes are not the user's
};

}  // namespace tarvik::ui
