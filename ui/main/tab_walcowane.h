// The "Walcowane" page: hot-rolled profiles from the profile database.
#pragma once

#include <string>
#include <vector>

#include "generators/database.h"
#include "generators/rolled.h"
#include "ui/main/tab_page.h"

class QComboBox;
class QLabel;

namespace tarvik::ui {

class RadioGroup;

class TabWalcowane : public TabPage {
  Q_OBJECT

 public:
  explicit TabWalcowane(QWidget* parent = nullptr);

  // the database the size lists come from (null: none); the lists are filled again
  void setDatabase(ProfileDatabase* database);
  // TabSheetWalcShow
  void Show() override;
  void FillSelection(Selection& s) override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;

 private slots:
  void TabSheetWalcShow();
  void RadioGroupWalcClick();
  void RadioGroupTypWalcClick();
  void RadioGroupCienkiClick();
  void RadioGroupWalcZetClick();
  void ComboBoxWalcChange();
  void ComboBoxWalc2Change();

 private:
  int sub() const;
  // the series item, 0 while the series group is hidden
  int variant() const;
  // the option the lists are read with: the Z standard, the thin option of the "Normalny"
  // series, otherwise 0
  int listOption() const;
  // whether the database holds rows of a sub-kind's series, with any option
  bool Holds(int sub, int variant) const;
  // sub-kinds and series without rows in the database cannot be chosen; a choice that
  // becomes impossible moves to the first possible item
  void MarkSubKinds();
  void MarkSeries();
  // the series group's items for the sub-kind and which of the other groups show
  void ArrangeSeries();
  void ArrangeOptions();
  // the size list for the current series; the size shown before stays chosen when keep is
  // set and the new list offers it, otherwise the first
  void FillSizes(bool keep);
  // the second list for the chosen size, keeping the previous text when it is offered
  void FillSecond();
  // a size as the list shows it (right-aligned where the series is)
  QString DisplaySize(const std::string& size) const;

  ProfileDatabase* database_ = nullptr;
  RadioGroup* walc_;
  RadioGroup* typ_;
  RadioGroup* cienki_;
  RadioGroup* zet_;
  QComboBox* combo_;
  QComboBox* combo2_;
  QLabel* labelWalc_;
  QLabel* labelWalc2_;
  QLabel* labelRura_;
  QLabel* labelBrak_;
  // what the two lists hold now: each size with its second list
  std::vector<CatalogueSize> sizes_;
  bool filling_ = false;  // the lists are being refilled: their changes are not the user's
};

}  // namespace tarvik::ui
