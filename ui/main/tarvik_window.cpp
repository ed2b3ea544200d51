#include "ui/main/tarvik_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "engine/derived.h"
#include "engine/numbers.h"
#include "engine/section_kind.h"
#include "paint/section_painter.h"
#include "ui/main/form_blad.h"
#include "ui/results/druk.h"
#include "ui/main/form_profil.h"
#include "ui/main/form_zmiana.h"
#include "ui/main/tab_drewniane.h"
#include "ui/main/tab_giete.h"
#include "ui/main/tab_page.h"
#include "ui/main/tab_proste.h"
#include "ui/main/tab_spawane.h"
#include "ui/main/tab_walcowane.h"
#include "ui/main/tab_zelbetowe.h"
#include "ui/main/tab_zestawy.h"
#include "ui/main/tab_zlozone.h"
#include "ui/main/tab_dowolne.h"
#include "ui/main/tab_zebra.h"
#include "ui/main/form_cad.h"
#include "ui/main/value_label.h"
#include "ui/results/form_lista.h"

namespace tarvik::ui {
namespace {

constexpr const char* kWersja = "Wersja z: 2023-10-12";
constexpr int kNameChars = 20;

constexpr double kStal = 7850, kBeton = 2500;  // the menu's steel and concrete [kg/m^3]
// the timber densities of the material menu [kg/m^3]
constexpr int kDrewno[] = {290, 310, 320, 330, 340, 350, 370, 380, 400, 410, 420,
                           430, 440, 450, 460, 530, 560, 590, 650, 700, 900};

QString Liczba(double value, const char* suffix, bool allDigits) {
  return QString::fromStdString(FormatLiczby(-1, suffix, value, allDigits));
}

QLabel* Caption(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// a result value, read by a screen reader with its caption
QLabel* Value(const QString& name, QLabel* caption, QWidget* parent) {
  auto* label = new ValueLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

// hands the editor's messages to the window's sink, whichever it is at the time
class WindowSink : public MessageSink {
 public:
  explicit WindowSink(std::function<int(const tarvik::Komunikat&)> show) : show_(std::move(show)) {}
  int show(const tarvik::Komunikat& message) override { return show_(message); }

 private:
  std::function<int(const tarvik::Komunikat&)> show_;
};

}  // namespace

double GestoscZOpisu(const QString& caption) {
  const int blank = caption.indexOf(' ');
  return blank < 0 ? 0 : CzytajLiczbe(caption.mid(blank + 1).toStdString());
}

TTarvik::TTarvik(const QStringList& arguments, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      arguments_(arguments),
      programFolder_(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : programFolder) {
  setObjectName("TTarvik");
  setWindowTitle("Parametry przekrojowe");
  FormCreate();
}

TTarvik::~TTarvik() = default;

// ---- start-up --------------------------------------------------------------------------

void TTarvik::FormCreate() {
  windowColour_ = settings_.KolorOkna();
  druk_ = std::make_unique<DrukSesja>();
  druk_->ustawienia = settings_.CzytajDruk();
  QPalette window = palette();
  window.setColor(QPalette::Window, windowColour_);
  setPalette(window);
  dialogSink_ = std::make_unique<DialogSink>(this, windowColour_);
  sink_ = dialogSink_.get();
  zatwierdzono_ = false;

  const Foldery f =
      ZnajdzFoldery(settings_, programFolder_, TARVIK_DATA_DIR, QDir::currentPath());
  folderInstalacji_ = f.instalacji;
  folderRoboczy_ = f.roboczy;
  setWindowTitle("Folder: " + folderRoboczy_);
  model_.kind = kWalcowane;
  const QString profiles = folderInstalacji_ + "/PROFILE.DAT";
  if (QFileInfo::exists(profiles)) database_ = std::make_unique<ProfileDatabase>(profiles.toStdString());

  editorSink_ = std::make_unique<WindowSink>(
      [this](const tarvik::Komunikat& message) { return Komunikat(message); });
  edytor_ = std::make_unique<EdytorZlozony>(model_, selection_, dispatcher_, previousSettings_,
                                            *editorSink_, mapping_);
  dowolny_ = std::make_unique<EdytorDowolny>(model_, selection_, dispatcher_, previousSettings_,
                                             *editorSink_, mapping_);
  BuildControls();
  pozycjaDialogu_ = pos() + QPoint(20, 20);
  labelWersja_->setText(kWersja);

  pageControl_->blockSignals(true);
  pageControl_->setCurrentIndex(database_ ? kWalcowane : kProste);
  pageControl_->blockSignals(false);
}

void TTarvik::FormActivate() {
  // the command line is read at the first activation only: a dialog closing activates the
  // window again and must not load the file or switch the tab a second time
  if (!activated_) {
    activated_ = true;
    // the first tab: the rolled profiles when the database is there; otherwise the message,
    // over the window, and the parametric tab stands in
    if (database_) {
      ShowTab(kWalcowane);
    } else {
      ShowTab(kProste);
      const std::string path =
          QDir::toNativeSeparators(folderInstalacji_ + "/PROFILE.DAT").toStdString();
      QTimer::singleShot(0, this, [this, path] {
        Komunikat({"UWAGA", "Nie ma bazy danych", "OK", {}, path});
      });
    }
    if (!arguments_.isEmpty()) {
      speedButtonAnuluj_->setVisible(true);
      const QString second = arguments_.size() > 1 ? arguments_[1] : QString();
      osieYZ_ = second.contains("EN");
      SketchOptions options = sketch_->options();
      options.osieYZ = osieYZ_;
      sketch_->setOptions(options);
      zlozone_->setOsieYZ(osieYZ_);
      if (arguments_[0].contains(".001")) proste_->setVariableDepthAllowed(false);
      if (QFileInfo::exists(arguments_[0])) {
        WczytajPlikDanych(arguments_[0]);
      } else if (second.contains("Beton")) {
        pageControl_->setCurrentIndex(kZelbetowe);
      } else if (second.contains("Drewno")) {
        pageControl_->setCurrentIndex(kDrewniane);
      } else if (second.contains("Obiekt")) {
        pageControl_->setCurrentIndex(kUzebrowanie);
      }
    }
    buttonKoniec_->setFocus();
  }
  Remap();
  OdswiezPanel();
}

void TTarvik::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activated_) FormActivate();
}

void TTarvik::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

// ---- controls --------------------------------------------------------------------------

void TTarvik::BuildControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);

  pageControl_ = new QTabWidget(central);
  pageControl_->setObjectName("PageControl1");
  // all ten captions in view: no scroll arrows, tighter tabs
  pageControl_->setUsesScrollButtons(false);
  pageControl_->setStyleSheet("QTabBar::tab { padding: 4px 7px; }");
  walcowane_ = new TabWalcowane;
  walcowane_->setDatabase(database_.get());
  auto* spawane = new TabSpawane;
  spawane->setDatabase(database_.get());
  auto* giete = new TabGiete;
  giete->setDatabase(database_.get());
  proste_ = new TabProste;
  auto* drewniane = new TabDrewniane;
  drewniane->setPozycjaDialogu(&pozycjaDialogu_);
  zestawy_ = new TabZestawy;
  zestawy_->setDatabase(database_.get());
  zestawy_->setFolderInstalacji(folderInstalacji_);
  zestawy_->setPozycjaDialogu(&pozycjaDialogu_);
  zlozone_ = new TabZlozone;
  zlozone_->setEdytor(edytor_.get(), &model_);
  zlozone_->setPytanie([this](const tarvik::Komunikat& message) { return Komunikat(message); });
  connect(zlozone_, &TabZlozone::nowyProfil, this, &TTarvik::LabelNowyProfilClick);
  connect(zlozone_, &TabZlozone::zmianaProfilu, this, &TTarvik::LabelZmianaClick);
  dowolne_ = new TabDowolne;
  dowolne_->setEdytor(dowolny_.get(), &model_);
  dowolne_->setPytanie([this](const tarvik::Komunikat& message) { return Komunikat(message); });
  dowolne_->setPozycjaDialogu(&pozycjaDialogu_);
  connect(dowolne_, &TabDowolne::podkladWczytany, this, &TTarvik::PodkladWczytany);
  zebra_ = new TabZebra;
  zebra_->setModel(&model_);
  zebra_->setDatabase(database_ != nullptr);
  connect(zebra_, &TabZebra::zebro, this, &TTarvik::ZebroClick);
  connect(zebra_, &TabZebra::usunZebro, this, &TTarvik::LabelUsunZebroClick);
  pages_ = {walcowane_,
            spawane,
            giete,
            zestawy_,
            proste_,
            zlozone_,
            dowolne_,
            zebra_,
            drewniane,
            new TabZelbetowe};
  const char* captions[] = {"Walcowane", "Spawane",     "Gięte",      "Zestawy",   "Proste",
                            "Złożone",   "Dowolne",     "Użebrowanie", "Drewniane", "Żelbetowe"};
  for (int i = 0; i < 10; ++i) {
    pageControl_->addTab(pages_[i], i == kGiete ? QString(" Gięte ") : QString(captions[i]));
    connect(pages_[i], &TabPage::przelicz, this, &TTarvik::Przelicz);
    connect(pages_[i], &TabPage::entered, this, &TTarvik::AfterEnter);
    connect(pages_[i], &TabPage::doZapisu, this, [this] { doZapisu_ = true; });
    // every change the user makes on the timber and concrete tabs is worth saving
    if (i == kDrewniane || i == kZelbetowe)
      for (auto signal : {&TabPage::przelicz, &TabPage::entered})
        connect(pages_[i], signal, this, [this] { doZapisu_ = true; });
    connect(pages_[i], &TabPage::komunikat, this,
            [this](const tarvik::Komunikat& message) { Komunikat(message); });
  }
  connect(pageControl_, &QTabWidget::currentChanged, this, &TTarvik::PageControl1Change);

  sketch_ = new SketchView(model_, mapping_);
  auto* panelSzkic = new QFrame(central);
  panelSzkic->setObjectName("PanelSzkic");
  panelSzkic->setFrameShape(QFrame::StyledPanel);
  panelSzkic->setAutoFillBackground(true);
  QPalette white = panelSzkic->palette();
  white.setColor(QPalette::Window, Qt::white);
  panelSzkic->setPalette(white);
  auto* zoom = new QToolButton(panelSzkic);
  zoom->setObjectName("SpeedButtonZoom");
  zoom->setText("Powiększ");
  zoom->setToolTip("Powiększ zaznaczony fragment szkicu");
  zoom->setCheckable(true);
  auto* oneToOne = new QToolButton(panelSzkic);
  oneToOne->setObjectName("SpeedButton1_1");
  oneToOne->setText("1 : 1");
  oneToOne->setToolTip("Powrót do całego zarysu");
  // reading points off a composite: a rectangle picks the outline points inside it
  odczyt_ = new QToolButton(panelSzkic);
  odczyt_->setObjectName("SpeedButtonOdczyt");
  odczyt_->setText("Odczyt współrzędnych");
  odczyt_->setToolTip(
      "Klikając w dowolne miejsce usuniesz wcześniejsze odczyty/ Z Shift - dodasz nowe");
  odczyt_->setCheckable(true);
  odczyt_->setChecked(true);
  odczyt_->hide();
  auto* sketchTools = new QHBoxLayout;
  sketchTools->addWidget(zoom);
  sketchTools->addWidget(oneToOne);
  sketchTools->addWidget(odczyt_);
  sketchTools->addStretch(1);
  auto* sketchLayout = new QVBoxLayout(panelSzkic);
  sketchLayout->setContentsMargins(2, 2, 2, 2);
  sketchLayout->addWidget(sketch_, 1);
  sketchLayout->addLayout(sketchTools);
  // one of the tools is down: zoom or reading
  connect(zoom, &QToolButton::toggled, this, [this](bool on) {
    sketch_->setZoomMode(on);
    odczyt_->setChecked(!on);
  });
  connect(odczyt_, &QToolButton::toggled, this, [zoom](bool on) { zoom->setChecked(!on); });
  connect(dowolne_, &TabDowolne::zoomMode, sketch_, &SketchView::setZoomMode);
  connect(dowolne_, &TabDowolne::oneToOne, this, [this] {
    Cofnij11(mapping_);
    Remap();
    PaintBoxSzkicPaint();
  });
  connect(sketch_, &SketchView::clicked, this, [this](QPoint p, bool right) {
    if (model_.kind == kDowolne) dowolne_->Klik(p, right);
  });
  connect(sketch_, &SketchView::wheel, this, [this](QPoint p, bool away) {
    if (model_.kind == kDowolne && dowolny_->kolko({p.x(), p.y()}, away)) PaintBoxSzkicPaint();
  });
  connect(sketch_, &SketchView::mouseAt, this, [this](QPoint p) {
    if (model_.kind == kDowolne) dowolne_->Mysz(p);
  });
  connect(sketch_, &SketchView::rectangle, this, [this](QRect r, bool shift) {
    if (model_.kind == kDowolne) {
      dowolne_->Prostokat(r, shift);
      return;
    }
    if (model_.kind != kZlozone || !odczyt_->isChecked()) return;
    edytor_->wybierzPunkty({r.left(), r.top(), r.right(), r.bottom()}, shift);
    PaintBoxSzkicPaint();
  });
  connect(sketch_, &SketchView::doubleClicked, this, [this](QPoint p) {
    if (model_.kind == kDowolne && !dowolne_->rysowanie() &&
        dowolny_->figury().dwuklik({p.x(), p.y()})) {
      dowolne_->Arrange();
      PaintBoxSzkicPaint();
      return;
    }
    if (model_.kind != kZlozone || !edytor_->dwuklik({p.x(), p.y()})) return;
    zlozone_->Arrange();
    PaintBoxSzkicPaint();
  });
  connect(oneToOne, &QToolButton::clicked, this, [this, zoom] {
    zoom->setChecked(false);
    Cofnij11(mapping_);
    Remap();
    PaintBoxSzkicPaint();
  });
  connect(sketch_, &SketchView::resized, this, &TTarvik::Remap);
  connect(sketch_, &SketchView::zoomed, this, [this] {
    Remap();
    PaintBoxSzkicPaint();
  });

  // the tabs keep the size their pages need: what the window grows by goes to the results
  // and, in both directions, to the sketch
  pageControl_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
  auto* rightColumn = new QWidget(central);
  rightColumn->setObjectName("PanelPrawy");
  rightColumn->setMinimumWidth(290);
  auto* right = new QVBoxLayout(rightColumn);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(BuildResultPanel());
  right->addWidget(panelSzkic, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(pageControl_, 0, Qt::AlignTop);
  top->addWidget(rightColumn, 1);

  auto* main = new QVBoxLayout(central);
  main->addLayout(top, 1);
  main->addWidget(BuildEndPanel());
  resize(1010, 560);
}

QWidget* TTarvik::BuildResultPanel() {
  auto* panel = new QFrame;
  panel->setObjectName("PanelWynikow");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(panel);
  labelNazwa_ = Caption("LabelNazwa", "", panel);
  labelNazwa_->setStyleSheet("QLabel { color: blue; text-decoration: underline; }");
  labelNazwa_->setCursor(Qt::PointingHandCursor);
  labelNazwa_->setToolTip("Kliknij, aby zmienić opis przekroju");
  labelNazwa_->setFocusPolicy(Qt::StrongFocus);
  // read as the name itself; what the label is comes second
  labelNazwa_->setAccessibleDescription("Nazwa przekroju, kliknij, aby ją zmienić");
  labelNazwa_->installEventFilter(this);
  grid->addWidget(labelNazwa_, 0, 0, 1, 2);

  labelF_ = Caption("LabelF", "A =", panel);
  labelJx_ = Caption("LabelJx", "Jx =", panel);
  labelJy_ = Caption("LabelJy", "Jy =", panel);
  labelWx_ = Caption("LabelWx", "Wx =", panel);
  labelWy_ = Caption("LabelWy", "Wy =", panel);
  labelG_ = Caption("LabelG", "m =", panel);
  labelWF_ = Value("LabelWF", labelF_, panel);
  labelWJx_ = Value("LabelWJx", labelJx_, panel);
  labelWJy_ = Value("LabelWJy", labelJy_, panel);
  labelWWx_ = Value("LabelWWx", labelWx_, panel);
  labelWWy_ = Value("LabelWWy", labelWy_, panel);
  labelWG_ = Value("LabelWG", labelG_, panel);
  QLabel* captions[] = {labelF_, labelJx_, labelJy_, labelWx_, labelWy_, labelG_};
  QLabel* values[] = {labelWF_, labelWJx_, labelWJy_, labelWWx_, labelWWy_, labelWG_};
  for (int i = 0; i < 6; ++i) {
    captions[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values[i]->setMinimumWidth(120);
    values[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(captions[i], i + 1, 0);
    grid->addWidget(values[i], i + 1, 1);
  }
  // a wider panel keeps each value beside its caption: the room goes to an empty column
  grid->setColumnStretch(2, 1);
  speedButtonMat_ = new QToolButton(panel);
  speedButtonMat_->setObjectName("SpeedButtonMat");
  speedButtonMat_->setText("dla 7850 kg/m^3");
  speedButtonMat_->setToolTip("Wybór materiału");
  speedButtonMat_->setAutoRaise(true);
  grid->addWidget(speedButtonMat_, 7, 0, 1, 2, Qt::AlignRight);
  connect(speedButtonMat_, &QToolButton::clicked, this, &TTarvik::LabelMaterialClick);
  BuildMaterialMenu();
  return panel;
}

void TTarvik::BuildMaterialMenu() {
  popupMenuMater_ = new QMenu(this);
  popupMenuMater_->setObjectName("PopupMenuMater");
  auto add = [this](const QString& name, const QString& caption, double density) {
    QAction* a = popupMenuMater_->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, density] {
      materialChosen_ = true;
      UstawMaterial(density);
    });
  };
  add("Stal", "Stal (7850 kg/m^3)", kStal);
  add("Beton", "Beton (2500 kg/m^3)", kBeton);
  for (int d : kDrewno) {
    const QString name = d == 290   ? QString("Drewno32")
                         : d == 900 ? QString("Drewno900kgm31")
                                    : QString("Drewno%1kgm3").arg(d);
    add(name, QString("Drewno (%1 kg/m^3)").arg(d), d);
  }
  QAction* other = popupMenuMater_->addAction("Inny materiał");
  other->setObjectName("InnyMat");
  connect(other, &QAction::triggered, this, &TTarvik::InnyMatClick);
}

QWidget* TTarvik::BuildEndPanel() {
  auto* bottom = new QWidget;
  groupBoxOK_ = new QGroupBox(bottom);
  groupBoxOK_->setObjectName("GroupBoxOK");
  buttonOK_ = new QPushButton("Powrót", groupBoxOK_);
  buttonOK_->setObjectName("ButtonOK");
  buttonOK_->setToolTip("Powrót do strony ZŁOŻONE");
  speedButton13_ = new QPushButton("Anuluj", groupBoxOK_);
  speedButton13_->setObjectName("SpeedButton13");
  speedButton13_->setToolTip("Powrót do strony ZŁOŻONE bez zmian");
  auto* okLayout = new QHBoxLayout(groupBoxOK_);
  okLayout->addWidget(buttonOK_);
  okLayout->addWidget(speedButton13_);
  connect(buttonOK_, &QPushButton::clicked, this, &TTarvik::ButtonOKClick);
  connect(speedButton13_, &QPushButton::clicked, this, &TTarvik::SpeedButton13Click);
  groupBoxOK_->hide();

  auto* panel = new QFrame(bottom);
  panel->setObjectName("PanelKoniec");
  auto* buttons = new QHBoxLayout(panel);
  buttons->setContentsMargins(0, 0, 0, 0);
  auto button = [&](const char* name, const QString& text) {
    auto* b = new QPushButton(text, panel);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* lista = button("SpeedButtonLista", "Pełna lista");
  lista->setToolTip("Wszystkie parametry przekroju");
  QPushButton* czytaj = button("SpeedButtonCzytaj", "Czytaj z pliku");
  czytaj->setToolTip("Odczyt przekroju zapisanego w pliku");
  QPushButton* zapisz = button("SpeedButtonZapisz", "Zapisz do pliku");
  zapisz->setToolTip("Zapis przekroju do pliku");
  connect(lista, &QPushButton::clicked, this, &TTarvik::LabelPelnaListaClick);
  connect(czytaj, &QPushButton::clicked, this, &TTarvik::LabelCzytajClick);
  connect(zapisz, &QPushButton::clicked, this, &TTarvik::LabelZapiszClick);
  speedButtonAnuluj_ = button("SpeedButtonAnuluj", "Anuluj");
  speedButtonAnuluj_->setVisible(false);
  buttonKoniec_ = button("ButtonKoniec", "Koniec");
  QFont bold = buttonKoniec_->font();
  bold.setBold(true);
  buttonKoniec_->setFont(bold);
  buttonKoniec_->installEventFilter(this);
  connect(speedButtonAnuluj_, &QPushButton::clicked, this, &TTarvik::LabelAnulujClick);
  connect(buttonKoniec_, &QPushButton::clicked, this, &TTarvik::ButtonKoniecClick);

  checkBoxZamien_ = new QCheckBox("Pokaż wszystkie cyfry", bottom);
  checkBoxZamien_->setObjectName("CheckBoxZamien");
  connect(checkBoxZamien_, &QCheckBox::clicked, this, &TTarvik::PaintBoxSzkicPaint);
  auto* hint = new QLabel("Wpisywanie liczb kończ klawiszem Enter", bottom);
  hint->setObjectName("Label39");
  hint->setStyleSheet("QLabel { color: red; font-weight: bold; }");
  labelWersja_ = new QLabel(bottom);
  labelWersja_->setObjectName("LabelWersja");

  auto* row1 = new QHBoxLayout;
  row1->addWidget(groupBoxOK_);
  row1->addWidget(hint);
  row1->addStretch(1);
  row1->addWidget(panel);
  auto* row2 = new QHBoxLayout;
  row2->addWidget(checkBoxZamien_);
  row2->addStretch(1);
  row2->addWidget(labelWersja_);
  auto* layout = new QVBoxLayout(bottom);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row1);
  layout->addLayout(row2);
  return bottom;
}

// ---- tabs and the recompute cycle --------------------------------------------------------

void TTarvik::PageControl1Change(int index) {
  nazwaPrzekroju_.clear();
  // the catalogue tabs need the database
  if (!database_ && index < kProste) {
    pageControl_->setCurrentIndex(kProste);  // runs this handler again for the new tab
    return;
  }
  ShowTab(index);
}

void TTarvik::ShowTab(int index) {
  if (index == kWalcowane) zamykanie_ = false;
  // a composite's component still being defined is dropped on any tab it cannot come from
  const bool profileTab =
      index == kWalcowane || index == kSpawane || index == kGiete || index == kProste;
  if (!profileTab && !zebroWToku_ && groupBoxOK_->isVisible()) {
    groupBoxOK_->hide();
    edytor_->anuluj();
  }
  odczyt_->setVisible(index == kZlozone);
  sketch_->setPickMode(index == kZlozone || index == kDowolne);
  ArbitrarySection(index);
  RibbedSection(index);
  model_.kind = index;
  // concrete weighs as concrete until the user picks a material
  if (!materialChosen_ && (index == kZelbetowe) != concreteDensity_) {
    concreteDensity_ = index == kZelbetowe;
    UstawMaterial(concreteDensity_ ? kBeton : kStal);
  }
  // while a file is read the page takes the stored choices instead of its defaults
  if (wczytywanie_ && TabKeepsChoice(index))
    pages_[index]->SetChoice(wczytany_);
  else
    pages_[index]->Show();
  if (wczytywanie_ && index == kUzebrowanie) zebra_->Wczytaj(PlytaZNaglowka(model_.working()));
  Przelicz();
}

void TTarvik::Przelicz() {
  const int kind = model_.kind;
  // the composite's and the arbitrary editors recompute at each of their steps: the sketch
  // follows
  if (kind == kZlozone || kind == kDowolne) {
    PaintBoxSzkicPaint();
    return;
  }
  // a slab without its rib is no section yet: the edits only wait for one
  if (kind == kUzebrowanie && model_.figureCount < 2) {
    model_.figures.assign(1, FigureRecord{});
    model_.figureCount = model_.currentFigure = 0;
    model_.section.clear();
    model_.saved = model_.section;
    model_.dimensions.clear();
    dispatcher_.forget();
    SkalujSzkic(model_, mapping_, sketch_->width(), sketch_->height(), 0, 0, 0);
    PaintBoxSzkicPaint();
    return;
  }
  // the "Proste" tab keeps its record while "Wzory ścisłe" is shown; every other tab fills
  // a fresh one, so that nothing of another tab's choice stays in it
  if (kind != kProste || !proste_->scisleVisible()) selection_ = Selection{};
  selection_.kind = kind;
  if (kind >= 0 && kind < 10) pages_[kind]->FillSelection(selection_);
  // each tab's own settings ("Wzory ścisłe", the corner count, "Walc.na gorąco") shape its
  // sections only: a rolled tube stays the catalogue's whatever the "Proste" tab shows
  GeneratorSettings settings;
  if (kind >= 0 && kind < 10) pages_[kind]->FillSettings(settings);
  settings.database = database_.get();
  // the settings are not part of the selection record: a change of them ("Wzory ścisłe",
  // the corner count) rebuilds all the same
  if (settings.exactFormulas != previousSettings_.exactFormulas ||
      settings.corners != previousSettings_.corners ||
      settings.hotRolledPipe != previousSettings_.hotRolledPipe ||
      !(settings.timber == previousSettings_.timber))
    dispatcher_.forget();
  previousSettings_ = settings;
  // a component of the composite being defined: the editor builds it in figure 0
  const bool component = edytor_->stan() != EdytorZlozony::Stan::kPrzeglad &&
                         (kind == kWalcowane || kind == kSpawane || kind == kGiete ||
                          kind == kProste);
  const bool changed =
      component ? (edytor_->zbuduj(selection_), true)
                : dispatcher_.BudujPrzekroj(model_, selection_, settings, *sink_, mapping_,
                                            sketch_->width(), sketch_->height());
  if (TabKeepsChoice(kind)) {
    if (!dispatcher_.refused()) {
      if (changed) pages_[kind]->Choice(pokazany_);
    } else if (!changed && pokazany_.selection.kind == kind) {
      // the section on screen stayed: the page shows its choice again, so that what is seen,
      // saved and listed is one section
      pages_[kind]->SetChoice(pokazany_);
    }
  }
  // a set of profiles used spacings of its own (raised to their minimums): the edits say so
  if (kind >= 0 && kind < 10)
    pages_[kind]->SpacingsUsed(model_.setSpacings[0], model_.setSpacings[1]);
  if (changed) PaintBoxSzkicPaint();
  // a database that cannot be read ends the program cleanly: there is nothing to save yet
  if (database_ && database_->lastResult() == LookupResult::kUnreadable)
    QTimer::singleShot(0, this, &QWidget::close);
}

void TTarvik::Remap() {
  edytor_->rozmiarSzkicu(sketch_->width(), sketch_->height());
  dowolny_->rozmiarSzkicu(sketch_->width(), sketch_->height());
  if (model_.kind == kDowolne) {
    dowolny_->mapuj();
    return;
  }
  SkalujSzkic(model_, mapping_, sketch_->width(), sketch_->height(), 0, model_.section[slot::xS],
              model_.section[slot::yS]);
}

void TTarvik::PaintBoxSzkicPaint() {
  PokazWybrane();
  sketch_->update();
  OdswiezPanel();
}

void TTarvik::OdswiezPanel() {
  PropertiesRecord& r = model_.section;
  if (!nazwaPrzekroju_.isEmpty()) r.setName(nazwaPrzekroju_.left(kNameChars).toStdString());
  labelNazwa_->setText(QString::fromStdString(r.name()));
  const bool ribbed = model_.kind == kUzebrowanie;
  labelF_->setText(ribbed ? "Aż =" : "A =");
  labelG_->setText(ribbed ? "mż =" : "m =");
  labelJx_->setText(osieYZ_ ? "Jy =" : "Jx =");
  labelJy_->setText(osieYZ_ ? "Jz =" : "Jy =");
  labelWx_->setText(osieYZ_ ? "Wy =" : "Wx =");
  labelWy_->setText(osieYZ_ ? "Wz =" : "Wy =");

  const bool all = checkBoxZamien_->isChecked();
  labelWF_->setText(Liczba(r[slot::A], " cm^2", all));
  labelWJx_->setText(Liczba(r[slot::J1], " cm^4", all));
  labelWJy_->setText(Liczba(r[slot::J2], " cm^4", all));
  // the smaller modulus of each axis, the first when both are equal
  const double wx = r[MniejszyWskaznik(r, slot::Wcx, slot::Wtx)];
  const double wy = r[MniejszyWskaznik(r, slot::Wcy, slot::Wty)];
  labelWWx_->setText(Liczba(wx, " cm^3", all));
  labelWWy_->setText(Liczba(wy, " cm^3", all));
  const double mass = r[slot::m] != 0 ? r[slot::m]
                                      : GestoscZOpisu(speedButtonMat_->text()) * r[slot::A] / 10000;
  labelWG_->setText(Liczba(mass, " kg/mb", all));
  labelG_->setVisible(!model_.composite);
  labelWG_->setVisible(!model_.composite);
  speedButtonMat_->setVisible(r[slot::m] == 0 && !model_.composite);
}

void TTarvik::PokazWybrane() {
  SketchOptions o = sketch_->options();
  o.picked.clear();
  o.pickedTexts.clear();
  o.lines = nullptr;
  o.gridDots.clear();
  o.polyline.clear();
  o.modelOrigin.reset();
  o.crosshair = false;
  o.drawingMode = false;
  if (model_.kind == kDowolne) dowolne_->Pomoce(o);
  sketch_->setDrawMode(model_.kind == kDowolne && dowolne_->rysowanie());
  if (model_.kind == kZlozone || model_.kind == kDowolne) {
    const auto& picked = model_.kind == kZlozone ? edytor_->wybrane() : dowolny_->figury().wybrane();
    for (const WybranyPunkt& w : picked) {
      if (w.screen < 0 || w.screen >= static_cast<int>(mapping_.points.size())) continue;
      const ScreenPoint q = mapping_.points[static_cast<size_t>(w.screen)];
      const Point m = paint::PunktModelu(model_, w.screen);
      o.picked.emplace_back(q.x, q.y);
      o.pickedTexts << QString::fromStdString("(" + FormatLiczby(-1, "", m.x) + "; " +
                                              FormatLiczby(-1, "", m.y) + ")");
    }
  }
  sketch_->setOptions(o);
}

// ---- the arbitrary figures -----------------------------------------------------------------

// Leaving "Dowolne" puts its section aside; coming back brings it again (a file being read
// brings its own). Another tab's figures never become arbitrary figures.
void TTarvik::ArbitrarySection(int index) {
  const int previous = model_.kind;
  if (previous == kDowolne && index != kDowolne) {
    dowolne_->WylaczZoom();
    schowek_ = SchowekDowolny{model_.figures, model_.figureCount, model_.currentFigure,
                              model_.imported, model_.placements};
    model_.figures.assign(1, FigureRecord{});
    model_.figureCount = model_.currentFigure = 0;
    model_.imported.clear();
    model_.placements.clear();
    return;
  }
  if (index != kDowolne || previous == kDowolne) return;
  if (wczytywanie_) {
    schowek_.reset();
    return;
  }
  model_.figures.assign(1, FigureRecord{});
  model_.figureCount = model_.currentFigure = 0;
  model_.imported.clear();
  model_.placements.clear();
  if (schowek_) {
    model_.figures = schowek_->figures;
    model_.figureCount = schowek_->figureCount;
    model_.currentFigure = schowek_->currentFigure;
    model_.imported = schowek_->imported;
    model_.placements = schowek_->placements;
    schowek_.reset();
  }
}

// a drawing just read: its size is shown and can be scaled by a power of ten, once
void TTarvik::PodkladWczytany() {
  if (cadPending_) {
    const CadOdpowiedz answer =
        TFormCad::Pokaz(dowolny_->podklad(), sketch_->width(), sketch_->height(), pozycjaDialogu_, this);
    pozycjaDialogu_ = answer.pos;
    if (answer.ok) {
      cadPending_ = false;
    } else {
      dowolny_->usunPodklad();
    }
    dowolny_->mapuj();
    dowolne_->Arrange();
  }
  PaintBoxSzkicPaint();
}

// ---- the ribbed slab ------------------------------------------------------------------------

// Leaving "Użebrowanie" puts its slab and rib aside (not while a rib is being defined on the
// tab it comes from); coming back brings them again. A file being read brings its own.
void TTarvik::RibbedSection(int index) {
  if (index == kUzebrowanie) {
    if (zPowrotem_) {
      zPowrotem_ = false;
      return;
    }
    if (zebroWToku_) {
      // the tab chosen instead of "Powrót": the slab keeps the rib it had
      zebroWToku_ = false;
      groupBoxOK_->hide();
      model_.currentFigure = model_.lastFigure();
      dispatcher_.forget();
      return;
    }
    if (model_.kind == kUzebrowanie) return;
    if (wczytywanie_) {
      schowekZebra_.reset();
      return;
    }
    model_.figures.assign(1, FigureRecord{});
    model_.figureCount = model_.currentFigure = 0;
    if (schowekZebra_) {
      model_.figures = std::move(*schowekZebra_);
      model_.figureCount = 2;
      model_.currentFigure = 1;
      schowekZebra_.reset();
      dispatcher_.forget();  // the other tab's cycle left another section behind
    }
    return;
  }
  const bool ribTab = index == kWalcowane || index == kGiete || index == kProste;
  if (zebroWToku_ && ribTab) return;
  if (model_.kind != kUzebrowanie && !zebroWToku_) return;
  if (zebroWToku_) {
    zebroWToku_ = false;
    groupBoxOK_->hide();
  }
  if (model_.figureCount == 2 && model_.figures.size() > 2) schowekZebra_ = model_.figures;
  model_.figures.assign(1, FigureRecord{});
  model_.figureCount = model_.currentFigure = 0;
}

void TTarvik::ZebroClick(int tab) {
  obrotZebra_ = zebra_->obrocic();
  zebroWToku_ = true;
  PowrotDo("UŻEBROWANIE");
  groupBoxOK_->show();
  model_.currentFigure = 2;
  doZapisu_ = true;
  pageControl_->setCurrentIndex(tab);  // its change handler shows the tab
}

void TTarvik::LabelUsunZebroClick() {
  if (Komunikat({"PYTANIE", "Usunąć przekrój?", "Tak", "Nie", {}}) != 1) return;
  model_.figures.assign(1, FigureRecord{});
  model_.figureCount = model_.currentFigure = 0;
  zebra_->Show();
  Przelicz();
}

void TTarvik::PowrotDo(const QString& page) {
  buttonOK_->setToolTip("Powrót do strony " + page);
  speedButton13_->setToolTip("Powrót do strony " + page + " bez zmian");
}

// ---- the composite's components ---------------------------------------------------------

void TTarvik::LabelNowyProfilClick() {
  const int n = model_.lastFigure();
  const QString last =
      n > 0 ? QString::fromStdString(model_.figures[static_cast<size_t>(n)].props.name())
            : QString();
  TFormProfil form(last, database_ != nullptr, windowColour_, this);
  form.move(pozycjaDialogu_);
  const bool ok = form.exec() == QDialog::Accepted;
  pozycjaDialogu_ = form.pos();
  if (!ok) return;
  if (form.kind() == kZlozone) {
    edytor_->tenSam();
    doZapisu_ = true;
    zlozone_->Arrange();
    PaintBoxSzkicPaint();
    return;
  }
  if (!edytor_->nowy(form.kind())) return;
  PowrotDo("ZŁOŻONE");
  groupBoxOK_->show();
  pageControl_->setCurrentIndex(form.kind());  // its change handler shows the tab
}

void TTarvik::LabelZmianaClick() {
  TabChoice choice;
  choice.selection = edytor_->zmiana();
  if (edytor_->stan() != EdytorZlozony::Stan::kZmiana) return;
  PowrotDo("ZŁOŻONE");
  groupBoxOK_->show();
  // the tab takes the component's choice instead of its defaults
  wczytany_ = choice;
  wczytywanie_ = true;
  pageControl_->setCurrentIndex(choice.selection.kind);
  wczytywanie_ = false;
}

void TTarvik::ButtonOKClick() {
  if (zebroWToku_) {
    if (!WstawZebro(model_)) return;  // nothing built on the tab: the user stays there
    zebra_->zebroWybrane(obrotZebra_);
    zebroWToku_ = false;
    doZapisu_ = true;
    groupBoxOK_->hide();
    dispatcher_.forget();
    zPowrotem_ = true;
    pageControl_->setCurrentIndex(kUzebrowanie);
    return;
  }
  if (!edytor_->powrot()) return;  // nothing built on the tab: the user stays there
  doZapisu_ = true;
  groupBoxOK_->hide();
  pageControl_->setCurrentIndex(kZlozone);
}

void TTarvik::SpeedButton13Click() {
  groupBoxOK_->hide();
  if (zebroWToku_) {
    // the slab keeps the rib it had, if any
    zebroWToku_ = false;
    model_.currentFigure = model_.lastFigure();
    dispatcher_.forget();
    zPowrotem_ = true;
    pageControl_->setCurrentIndex(kUzebrowanie);
    return;
  }
  edytor_->anuluj();
  pageControl_->setCurrentIndex(kZlozone);
}

void TTarvik::AfterEnter() {
  Przelicz();
  (groupBoxOK_->isVisible() ? buttonOK_ : buttonKoniec_)->setFocus();
}

int TTarvik::Komunikat(const tarvik::Komunikat& message) { return sink_->show(message); }

// ---- material and name -------------------------------------------------------------------

void TTarvik::LabelMaterialClick() {
  // the timber classes fix the density
  const auto* klasa = pages_[kDrewniane]->findChild<QWidget*>("SpeedButtonKlasaDr");
  if (model_.kind == kDrewniane && klasa && klasa->isVisible()) return;
  popupMenuMater_->popup(QCursor::pos());
}

void TTarvik::UstawMaterial(double density) {
  speedButtonMat_->setText(
      "(dla " + QString::fromStdString(FormatLiczby(-1, " kg/m^3", density)) + ")");
  labelWG_->setText(Liczba(density * model_.section[slot::A] / 10000, " kg/m",
                           checkBoxZamien_->isChecked()));
}

void TTarvik::InnyMatClick() {
  QString current = speedButtonMat_->text();
  current = current.mid(current.indexOf(' ') + 1);
  if (current.endsWith(')')) current.chop(1);
  ZmianaPytanie question;
  question.title = "Masa";
  question.pos = pozycjaDialogu_;
  question.rows[1] = Pokazany("Gęstość masy", current);
  const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, windowColour_, this);
  if (!answer.ok) return;
  pozycjaDialogu_ = answer.pos;
  const std::string typed = answer.texts[1].toStdString();
  const double density = CalaLiczba(typed, "kg/m^3", false) ? CzytajLiczbe(typed) : 0;
  if (!(density > 0)) {
    Komunikat(Blad("Niewłaściwa gęstość masy", "(" + answer.texts[1].toStdString() + ")"));
    return;
  }
  materialChosen_ = true;
  UstawMaterial(density);
}

void TTarvik::LabelNazwaClick() {
  ZmianaPytanie question;
  question.title = "Opis przekroju";
  question.hint = model_.composite;
  question.pos = pozycjaDialogu_;
  question.rows[1] = Pokazany("Opis", QString::fromStdString(model_.section.name()), kNameChars);
  const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, windowColour_, this);
  if (!answer.ok) return;
  pozycjaDialogu_ = answer.pos;
  nazwaPrzekroju_ = answer.texts[1].left(kNameChars);
  model_.section.setName(nazwaPrzekroju_.toStdString());
  labelNazwa_->setText(" " + nazwaPrzekroju_);
}

// ---- closing -----------------------------------------------------------------------------

void TTarvik::ButtonKoniecClick() {
  zamykanie_ = true;
  // a member of variable depth leaves its start behind
  if (model_.kind == kProste && proste_->variableDepth()) {
    proste_->ResetPosition();
    Przelicz();
  }
  if (!arguments_.isEmpty()) {
    ZapiszPlikDanych(arguments_[0]);  // for the calling program, without a question
  } else if (doZapisu_ && AsksToSave(model_.kind, model_.figureCount)) {
    if (Komunikat({"PYTANIE", "Zapisać przekroj?", "Tak", "Nie", {}}) == 1) LabelZapiszClick();
  }
  zatwierdzono_ = true;
  close();
}

void TTarvik::LabelAnulujClick() { close(); }

bool TTarvik::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buttonKoniec_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    close();  // Escape on "Koniec" closes without the question
    return true;
  }
  if (watched == labelNazwa_) {
    const bool click = event->type() == QEvent::MouseButtonRelease;
    const bool key = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
    if (click || key) {
      LabelNazwaClick();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TTarvik::closeEvent(QCloseEvent* event) {
  // FormDestroy: the working folder for the next start; a failed write is ignored
  settings_.ZapiszRejestr("TARVIK", "Roboczy", folderRoboczy_);
  ZapiszPlikWymiany();
  QMainWindow::closeEvent(event);
}

// ---- the results window ---------------------------------------------------------------

void TTarvik::LabelPelnaListaClick() {
  if (!JestPrzekroj("do pokazania")) return;
  ListaContext context;
  context.osieYZ = osieYZ_;
  context.allDigits = checkBoxZamien_->isChecked();
  context.massText = labelWG_->text();
  context.materialText = speedButtonMat_->text();
  context.windowColour = windowColour_;
  context.rememberedTab = &zakladkaListy_;
  context.druk = druk_.get();
  context.pozycjaDialogu = &pozycjaDialogu_;
  context.save = [this] { LabelZapiszClick(); };
  context.renamed = [this](const QString& name) { nazwaPrzekroju_ = name; };
  context.valuesChanged = [this] { OdswiezPanel(); };
  // the battens of a set are reported with it
  if (model_.kind == kZestawy) context.przewiazki = RaportPrzewiazek(zestawy_->przewiazki());
  if (model_.kind == kDrewniane)
    context.laczniki = static_cast<TabDrewniane*>(pages_[kDrewniane])->laczniki();
  {
    TFormLista lista(model_, mapping_, context, this);
    lista.exec();
  }
  Remap();
  PaintBoxSzkicPaint();
}

}  // namespace tarvik::ui
