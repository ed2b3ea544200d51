// TTarvik, the main window: ten tabs, the sketch, the short result panel, the material menu
// and the closing flow. It owns the section model and the recompute cycle Przelicz.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "engine/model.h"
#include "engine/sketch.h"
#include "generators/arbitrary_editor.h"
#include "generators/composite_editor.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/selection.h"
#include "io/section_file.h"
#include "io/tab_fields.h"
#include "ui/main/settings.h"
#include "ui/main/sketch_view.h"

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QGroupBox;

namespace tarvik::ui {

class TabPage;
class TabProste;
class TabWalcowane;
class TabZestawy;
class TabZlozone;
class TabDowolne;
class TabZebra;

// the density in a material caption: the number after its first blank [kg/m^3]
double GestoscZOpisu(const QString& caption);

class DrukSesja;

class TTarvik : public QMainWindow {
  Q_OBJECT

 public:
  // arguments: the command line after the program's name (a section file, then options);
  // programFolder: where the program lies (one place PROFILE.DAT is looked for)
  explicit TTarvik(const QStringList& arguments = {}, const QString& programFolder = {},
                   QWidget* parent = nullptr);
  ~TTarvik() override;

  // messages go to the modal message window unless a test hands in its own sink
  void setMessageSink(MessageSink* sink) { sink_ = sink; }

  // the recompute cycle: the active tab's choice into the selection record, the section
  // builder, and a repaint when the section changed
  void Przelicz();
  // repaints the sketch and refreshes the short result panel
  void PaintBoxSzkicPaint();

  // the section files (tarvik_files.cpp)
  // the save procedure after the file dialog: the chosen path (any extension is replaced),
  // picture and data file; false when nothing was written (refused, not replaced, failed)
  bool ZapiszPrzekroj(const QString& chosenPath);
  // the data file alone, as closing writes it for a calling program
  // false, after saying so, when there is no section to save or list
  bool JestPrzekroj(const std::string& what);
  bool ZapiszPlikDanych(const QString& prmPath);
  // "Czytaj z pliku" after the dialog: the picture must be 100 x 100, the .PRM beside it is
  // read; the section in memory stays as it was when anything is wrong
  bool CzytajPrzekroj(const QString& bmpPath);
  bool WczytajPlikDanych(const QString& prmPath);

  const SectionModel& model() const { return model_; }
  const QString& folderInstalacji() const { return folderInstalacji_; }
  const QString& folderRoboczy() const { return folderRoboczy_; }
  bool zatwierdzono() const { return zatwierdzono_; }
  bool doZapisu() const { return doZapisu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void BuildControls();
  QWidget* BuildResultPanel();
  QWidget* BuildEndPanel();
  void BuildMaterialMenu();

  void PageControl1Change(int index);
  void ShowTab(int index);
  void OdswiezPanel();
  void Remap();

  void LabelMaterialClick();
  void UstawMaterial(double density);
  void InnyMatClick();
  void LabelNazwaClick();
  void ButtonKoniecClick();
  void LabelZapiszClick();
  void LabelCzytajClick();
  void LabelPelnaListaClick();
  void ZapiszPlikWymiany();
  bool DaneDoZapisu(const QString& prmPath, TabFields& fields, PropertiesRecord& header);
  void LabelAnulujClick();
  // the composite's components defined on a profile tab: "Nowy profil", "Zmiana profilu",
  // "Powrót" and "Anuluj" in GroupBoxOK
  void LabelNowyProfilClick();
  void LabelZmianaClick();
  void ButtonOKClick();
  void SpeedButton13Click();
  void ArbitrarySection(int index);
  // the ribbed slab: a rib button ("Proste", "Walcowane", "Gięte"), "Usuń żebro", and the
  // slab and rib put aside while another tab is shown
  void ZebroClick(int tab);
  void LabelUsunZebroClick();
  void RibbedSection(int index);
  // the hints of "Powrót" and "Anuluj": the page they go back to
  void PowrotDo(const QString& page);
  void PodkladWczytany();
  // the points picked on the composite, where the mapping puts them now, for the sketch
  void PokazWybrane();
  void AfterEnter();
  int Komunikat(const tarvik::Komunikat& message);

  // the section and everything the cycle needs
  SectionModel model_;
  SketchMapping mapping_;
  Dispatcher dispatcher_;
  Selection selection_;
  GeneratorSettings previousSettings_;
  std::unique_ptr<ProfileDatabase> database_;
  std::unique_ptr<MessageSink> dialogSink_;
  MessageSink* sink_ = nullptr;
  Ustawienia settings_;
  // the composite editor on this window's model, selection and dispatcher; its messages go
  // where the window's go
  std::unique_ptr<MessageSink> editorSink_;
  std::unique_ptr<EdytorZlozony> edytor_;
  // the arbitrary-figure editor; its section is put aside while another tab is shown
  std::unique_ptr<EdytorDowolny> dowolny_;
  struct SchowekDowolny {
    std::vector<FigureRecord> figures;
    int32_t figureCount = 0, currentFigure = 0;
    std::vector<ImportedPoint> imported;
    std::vector<Placement> placements;
  };
  std::optional<SchowekDowolny> schowek_;
  bool cadPending_ = true;  // TFormCad is offered once, after the first underlay
  // the ribbed slab's figures 0..2 while another tab is shown
  std::optional<std::vector<FigureRecord>> schowekZebra_;
  bool zebroWToku_ = false;  // a rib is being defined on its tab ("Powrót" brings it)
  bool zPowrotem_ = false;   // "Użebrowanie" is shown again by the rib's "Powrót"/"Anuluj"
  bool obrotZebra_ = false;  // "Obróć o 90 st" when the rib button was pressed

  // main-window state
  QString folderInstalacji_, folderRoboczy_;
  QString nazwaPrzekroju_;
  QPoint pozycjaDialogu_;
  bool osieYZ_ = false;
  bool doZapisu_ = false;
  bool zatwierdzono_ = false;
  bool zamykanie_ = false;
  bool activated_ = false;
  bool wczytywanie_ = false;    // a section file is being read: the tabs take its choices
  bool materialChosen_ = false;  // the user picked a material: tabs no longer change it
  bool concreteDensity_ = false;  // the concrete tab put the density of concrete in place
  TabChoice pokazany_;          // the page's choice of the section on screen
  TabChoice wczytany_;          // the tab's stored choice while it is
  QString ostatniaNazwa_;       // base name of the section last opened or saved
  // the printer document and its page, continued by the next printout from any section
  std::unique_ptr<DrukSesja> druk_;
  int zakladkaListy_ = 0;       // the results window's tab when it was last closed
  QStringList arguments_;
  QString programFolder_;
  QColor windowColour_;

  // controls
  QTabWidget* pageControl_ = nullptr;
  std::array<TabPage*, 10> pages_{};
  TabWalcowane* walcowane_ = nullptr;
  TabProste* proste_ = nullptr;
  TabZestawy* zestawy_ = nullptr;
  TabZlozone* zlozone_ = nullptr;
  TabDowolne* dowolne_ = nullptr;
  TabZebra* zebra_ = nullptr;
  QToolButton* odczyt_ = nullptr;
  SketchView* sketch_ = nullptr;
  QLabel* labelNazwa_ = nullptr;
  QLabel *labelF_ = nullptr, *labelJx_ = nullptr, *labelJy_ = nullptr, *labelWx_ = nullptr,
         *labelWy_ = nullptr, *labelG_ = nullptr;
  QLabel *labelWF_ = nullptr, *labelWJx_ = nullptr, *labelWJy_ = nullptr, *labelWWx_ = nullptr,
         *labelWWy_ = nullptr, *labelWG_ = nullptr;
  QToolButton* speedButtonMat_ = nullptr;
  QMenu* popupMenuMater_ = nullptr;
  QCheckBox* checkBoxZamien_ = nullptr;
  QPushButton* buttonKoniec_ = nullptr;
  QPushButton* speedButtonAnuluj_ = nullptr;
  QPushButton* buttonOK_ = nullptr;
  QPushButton* speedButton13_ = nullptr;
  QGroupBox* groupBoxOK_ = nullptr;
  QLabel* labelWersja_ = nullptr;
};

}  // namespace tarvik::ui
