// The "Zestawy" page: sets of two, three or four identical profiles (I-sections, channels,
// angles, tubes) in a layout picked with picture buttons, at the spacings typed, and the
// battens or lacing that join them.
#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "generators/database.h"
#include "ui/main/form_przewiazki.h"
#include "ui/main/tab_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

class TabZestawy : public TabPage {
  Q_OBJECT

 public:
  static constexpr int kMaxLayouts = 11;

  explicit TabZestawy(QWidget* parent = nullptr);

  // the database the rolled and welded lists come from (null: none)
  void setDatabase(ProfileDatabase* database);
  // the installation folder, whose BMP folder holds the layout pictures; they are loaded
  // when the page is shown and when the member type changes
  void setFolderInstalacji(const QString& folder);
  // where the battens dialog opens; its place when it closes with OK is kept there
  void setPozycjaDialogu(QPoint* pos) { pozycja_ = pos; }

  // TabSheetZestawyShow: the page as the user left it
  void Show() override;
  void FillSelection(Selection& s) override;
  bool Choice(TabChoice& choice) override;
  void SetChoice(const TabChoice& choice) override;
  // the spacings the set was built with: one raised to its layout's minimum is shown so
  void SpacingsUsed(double horizontal, double vertical) override;

  // the battens chosen last, kept while the program runs
  const Przewiazki& przewiazki() const { return przewiazki_; }
  // the layout pressed last, 1 ..
  int layout() const { return layout_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void RadioGroupUkladClick();
  void RadioGroupUkladTypClick();
  void RadioGroupUkladWyborClick();
  void RadioGroupUkladCienkiClick();
  void ComboBoxUkladChange();
  void ComboBoxUklad2Change();
  void LabelPrzewiazkiClick();

 private:
  // what the lists show for a size: its text and the texts of the second list
  struct Size {
    QString text;
    QStringList second;
  };

  int type() const;
  // the make: 0 rolled, 1 welded or cold-formed
  int make() const;
  int seriesItem() const;
  // the selection's variant and option for the member chosen
  int variant() const;
  int option() const;
  // the series group's items for the type and make; series and makes the database lacks
  // are greyed, a choice that became impossible moves to the first possible one
  void Arrange();
  void ArrangeOptions();
  void MarkTypes();
  // the sizes of the member chosen, and the second list of the size chosen; the texts shown
  // before stay chosen when keep is set and the new lists offer them
  std::vector<Size> Sizes() const;
  void FillSizes(bool keep);
  void FillSecond();
  // a "WT" girder is the member: its webs are a third list
  bool corrugated() const;
  bool lipped() const;
  // the layout buttons of the type: their number and names
  void ArrangeLayouts(int type);
  void LoadPictures();
  // layout k pressed: captions, hints and which spacing edits show
  void SpeedButtonClick(int k);
  void ArrangeSpacings();

  ProfileDatabase* database_ = nullptr;
  QString folder_;
  QPoint* pozycja_ = nullptr;
  RadioGroup* uklad_;
  RadioGroup* wybor_;
  RadioGroup* typ_;
  RadioGroup* cienki_;
  QLabel* labelUklad_;
  QLabel* labelUklad2_;
  QLabel* labelBrak_;
  QComboBox* combo_;
  QComboBox* combo2_;
  // the lipped channel has no catalogue: its designation "H x B x C x g" is typed
  QLabel* labelC4_;
  QLineEdit* editC4_;
  QLabel* labelUklad3_;
  QComboBox* combo3_;  // the web of a corrugated-web girder "WT"
  std::array<QToolButton*, kMaxLayouts> buttons_{};
  QLabel* labelH_;
  QLabel* labelV_;
  DimensionEdit* editH_;
  DimensionEdit* editV_;
  QLabel* przewLabel_;
  std::vector<Size> sizes_;
  int layout_ = 1;
  int picturesOf_ = -1;      // the type whose pictures the buttons show
  bool filling_ = false;     // the lists are being refilled: their changes are not the user's
  bool restoring_ = false;   // a stored choice is put back: the spacings stay as stored
  Przewiazki przewiazki_;
};

}  // namespace tarvik::ui
