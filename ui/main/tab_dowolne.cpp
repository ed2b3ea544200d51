#include "ui/main/tab_dowolne.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/numbers.h"
#include "io/dxf.h"
#include "io/pointfile.h"
#include "io/section_file.h"
#include "ui/main/form_dowolna.h"
#include "ui/main/form_kolo.h"
#include "ui/main/form_lamana.h"
#include "ui/main/form_odczyt.h"
#include "ui/main/form_prostokat.h"
#include "ui/main/form_szesc.h"
#include "ui/main/form_trojkat.h"
#include "ui/main/form_wpisz.h"
#include "ui/main/move_panel.h"
#include "ui/main/sketch_view.h"
#include "ui/main/value_label.h"

namespace tarvik::ui {
namespace {

QToolButton* Tool(const char* name, const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(text);
  b->setToolTip(hint);
  return b;
}

QString Mm(double v) { return QString::fromStdString(FormatLiczby(1, "", v)); }

}  // namespace

TabDowolne::TabDowolne(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetDowolne");
  QLabel* heading = Naglowek("Przekroje o dowolnym kształcie", "LabelDowolne");

  groupNowa_ = new QGroupBox(" Nowa figura ", this);
  groupNowa_->setObjectName("GroupBoxNowaD");
  nowa_ = PrzyciskEdytora("SpeedButtonNowaD", "Nowa figura", "Dodanie do przekroju nowej figury", groupNowa_);
  aktywna_ = PrzyciskEdytora("SpeedButtonAktywnaD", "Aktywna figura",
                    "Zmiana aktywnej figury - można też dwuklikiem w polu figury", groupNowa_);
  zmiana_ = PrzyciskEdytora("SpeedButtonZmianaDow", "Zmiana figury", "Zmiana kształtu aktywnej figury",
                   groupNowa_);
  usun_ = PrzyciskEdytora("SpeedButtonUsunD", "Usuń aktywną figurę", "Usuwanie aktywnej figury", groupNowa_);
  usunCaly_ = PrzyciskEdytora("SpeedButtonUsunCalyD", "Usuń cały przekrój", "Usuwanie całego przekroju",
                     groupNowa_);
  cofnij_ = PrzyciskEdytora("SpeedButtonCofnij", "Cofnij", "o jeden punkt", groupNowa_);
  auto* nowaLayout = new QVBoxLayout(groupNowa_);
  for (QPushButton* b : {nowa_, aktywna_, zmiana_, usun_, usunCaly_, cofnij_}) nowaLayout->addWidget(b);

  groupEdit_ = new PanelRuchu(" Edycja figury ", "D", this);
  zoom_ = Tool("SpeedButtonZoomD", "Powiększ", "Powiększ zaznaczony fragment szkicu", groupEdit_);
  zoom_->setCheckable(true);
  jedenDoJednego_ = Tool("SpeedButton1_1D", "1 : 1", "Powrót do całego zarysu", groupEdit_);
  odczyt_ = Tool("SpeedButtonOdczytD", "Odczyt",
                 "Klikając w dowolne miejsce usuniesz wcześniejsze odczyty/ Z Shift - dodasz nowe",
                 groupEdit_);
  zmianaPunktow_ = Tool("SpeedButtonZmianaD", "Zmiana", "współrzędnych punktów", groupEdit_);
  for (QToolButton* b : {odczyt_, zmianaPunktow_}) b->setCheckable(true);
  odczyt_->setChecked(true);
  auto* tools = new QHBoxLayout;
  for (QToolButton* b : {zoom_, jedenDoJednego_, odczyt_, zmianaPunktow_}) tools->addWidget(b);
  tools->addStretch(1);
  groupEdit_->grid()->addLayout(tools, 5, 0, 1, 3);

  // the mouse's model position and the points entered, while a polygon is drawn
  live_ = new QLabel("Kursor", this);
  QLabel* live = live_;
  live->setObjectName("LabelKursorD");
  liveX_ = new ValueLabel(live, this);
  liveX_->setObjectName("PanelRysXD");
  liveY_ = new ValueLabel(live, this);
  liveY_->setObjectName("PanelRysYD");
  liveN_ = new ValueLabel(live, this);
  liveN_->setObjectName("PanelRysAlD");
  auto* liveRow = new QHBoxLayout;
  liveRow->addWidget(live);
  for (QLabel* l : {liveX_, liveY_, liveN_}) {
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(90);
    liveRow->addWidget(l);
  }
  liveRow->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addWidget(groupNowa_, 0, Qt::AlignTop);
  columns->addWidget(groupEdit_, 0, Qt::AlignTop);
  columns->addStretch(1);
  auto* page = new QVBoxLayout(this);
  page->addWidget(heading);
  page->addLayout(columns);
  page->addLayout(liveRow);
  page->addStretch(1);

  connect(nowa_, &QPushButton::clicked, this, &TabDowolne::LabelNowaDClick);
  connect(zmiana_, &QPushButton::clicked, this, &TabDowolne::LabelZmianaDClick);
  connect(aktywna_, &QPushButton::clicked, this, [this] {
    editor_->figury().nastepny();
    Done();
  });
  connect(usun_, &QPushButton::clicked, this, &TabDowolne::Usun);
  connect(usunCaly_, &QPushButton::clicked, this, &TabDowolne::UsunCaly);
  connect(cofnij_, &QPushButton::clicked, this, &TabDowolne::SpeedButtonCofnijClick);
  connect(groupEdit_, &PanelRuchu::moved, this, [this] {
    editor_->mapuj();
    emit doZapisu();
    Done();
  });
  connect(groupEdit_, &PanelRuchu::typed, this, [this] {
    editor_->mapuj();
    Arrange();
    emit doZapisu();
    emit entered();
  });
  connect(zoom_, &QToolButton::toggled, this, [this](bool on) {
    if (on) odczyt_->setChecked(false), zmianaPunktow_->setChecked(false);
    emit zoomMode(on);
  });
  connect(odczyt_, &QToolButton::clicked, this, [this] {
    odczyt_->setChecked(true);
    zmianaPunktow_->setChecked(false);
    zoom_->setChecked(false);
    editor_->figury().tylkoBiezaca(false);
  });
  connect(zmianaPunktow_, &QToolButton::clicked, this, [this] {
    zmianaPunktow_->setChecked(true);
    odczyt_->setChecked(false);
    zoom_->setChecked(false);
    editor_->figury().tylkoBiezaca(true);
  });
  connect(jedenDoJednego_, &QToolButton::clicked, this, [this] {
    zoom_->setChecked(false);
    odczyt_->click();
    emit oneToOne();
  });
}

void TabDowolne::setEdytor(EdytorDowolny* editor, SectionModel* model) {
  editor_ = editor;
  model_ = model;
  groupEdit_->setEdytor(&editor->figury(), model);
}

void TabDowolne::setOsieYZ(bool yz) {
  osieYZ_ = yz;
  groupEdit_->setOsieYZ(yz);
}

bool TabDowolne::zmianaPunktow() const { return zmianaPunktow_->isChecked(); }

void TabDowolne::WylaczZoom() { zoom_->setChecked(false); }

void TabDowolne::Show() {
  WylaczZoom();
  editor_->pokaz();
  Arrange();
}

void TabDowolne::Arrange() {
  const int n = editor_->figury().liczba();
  const bool drawing = editor_->rysowanie();
  // while drawing: the figure the polygon becomes (the next one, or the one it replaces)
  const int drawn = editor_->nowaFigura() ? n + 1 : editor_->figury().biezacy();
  groupNowa_->setTitle(drawing ? QString(" Figura (%1) Wielokąt ").arg(drawn)
                               : QString::fromStdString(editor_->figury().podpis()));
  nowa_->setEnabled(!drawing);
  zmiana_->setEnabled(!drawing && n >= 1);
  usunCaly_->setEnabled(!drawing && n >= 1);
  for (QPushButton* b : {aktywna_, usun_}) b->setEnabled(!drawing && n >= 2);
  groupEdit_->setVisible(!drawing && n >= 1);
  groupEdit_->Arrange();
  // "Cofnij" takes back a point while drawing; otherwise the button writes the current
  // figure's points to a text file
  if (drawing) {
    cofnij_->setText("Cofnij");
    cofnij_->setToolTip("o jeden punkt");
    cofnij_->setVisible(editor_->cofnijWidoczne());
  } else {
    cofnij_->setText("Zapisz do pliku .TXT");
    cofnij_->setToolTip("Punkty aktywnej figury");
    cofnij_->setVisible(n >= 1);
  }
  for (QLabel* l : {live_, liveX_, liveY_, liveN_}) l->setVisible(drawing);
  if (drawing) liveN_->setText(QString("n=%1").arg(editor_->lamana().size()));
}

void TabDowolne::Pomoce(SketchOptions& o) const {
  o.lines = editor_->podklad().empty() ? nullptr : &editor_->podklad();
  o.gridDots.clear();
  if (editor_->siatkaWidoczna()) {
    const Siatka& g = editor_->siatka();
    for (int row = 0; row <= g.n; ++row)
      for (int col = 0; col <= g.n + 4; ++col) o.gridDots.emplace_back(g.x(col), g.y(row));
  }
  o.polyline.clear();
  for (const PunktLamanej& p : editor_->lamana()) o.polyline.emplace_back(p.px.x, p.px.y);
  o.drawingMode = editor_->rysowanie();
  o.crosshair = editor_->rysowanie() || groupEdit_->isVisible();
  o.modelOrigin.reset();
  // the model's axes while shapes of the table are moved
  if (groupEdit_->isVisible() && model_->imported.empty() && model_->figureCount > 0) {
    const ScreenPoint origin = editor_->poczatekModelu();
    o.modelOrigin = QPoint(origin.x, origin.y);
  }
}

void TabDowolne::Mysz(QPoint p) {
  if (!editor_->rysowanie()) return;
  const Point at = editor_->naZywo({p.x(), p.y()});
  liveX_->setText((osieYZ_ ? "Y=" : "X=") + Mm(at.x));
  liveY_->setText((osieYZ_ ? "Z=" : "Y=") + Mm(at.y));
}

void TabDowolne::Klik(QPoint p, bool right) {
  if (!editor_->rysowanie()) return;
  tarvik::Klik result = tarvik::Klik::kNic;
  if (right) {
    result = editor_->prawyKlik();
  } else {
    result = editor_->klik({p.x(), p.y()});
    if (result == tarvik::Klik::kWpisz) {
      WpiszPytanie q;
      q.klik = editor_->pozycja({p.x(), p.y()});
      q.poprzedni = editor_->ostatni();
      q.wybor = wybor_;
      if (pozycja_) q.pos = *pozycja_;
      const WpiszOdpowiedz a = TFormWpisz::Punkt(q, this);
      if (pozycja_) *pozycja_ = a.pos;
      if (!a.ok) return;
      wybor_ = a.wybor;
      result = editor_->dodaj(a.punkt);
    }
  }
  if (result == tarvik::Klik::kZamkniety) emit doZapisu();
  Done();
}

void TabDowolne::Prostokat(QRect r, bool shift) {
  if (editor_->rysowanie() || zoom_->isChecked()) return;
  editor_->figury().wybierzPunkty({r.left(), r.top(), r.right(), r.bottom()}, shift);
  if (!zmianaPunktow_->isChecked() || editor_->figury().wybrane().empty()) {
    emit przelicz();
    return;
  }
  OdczytPytanie q;
  q.liczba = static_cast<int>(editor_->figury().wybrane().size());
  editor_->srednie(q.sredniaX, q.sredniaY);
  if (pozycja_) q.pos = *pozycja_;
  const OdczytOdpowiedz a = TFormOdczyt::Zmiana(q, this);
  if (pozycja_) *pozycja_ = a.pos;
  using Z = EdytorDowolny::Zmiana;
  bool changed = false;
  switch (a.akcja) {
    case ZmianaPunktow::kBrak: editor_->figury().wyczyscPunkty(); break;
    case ZmianaPunktow::kUstawX: changed = editor_->zmienPunkty(Z::kWspolnaX, a.wartosc); break;
    case ZmianaPunktow::kUstawY: changed = editor_->zmienPunkty(Z::kWspolnaY, a.wartosc); break;
    case ZmianaPunktow::kDodajX: changed = editor_->zmienPunkty(Z::kDodajX, a.wartosc); break;
    case ZmianaPunktow::kDodajY: changed = editor_->zmienPunkty(Z::kDodajY, a.wartosc); break;
  }
  if (changed) emit doZapisu();
  Done();
}

void TabDowolne::NowaFigura(bool nowa) {
  const int n = editor_->figury().liczba();
  if (!nowa && n == 0) return;
  editor_->nowa(nowa);
  DowolnaPytanie q;
  q.figury = n;
  q.zewnetrzna = nowa ? n == 0 : CurrentSolid();
  q.podklad = !editor_->podklad().empty();
  q.siatka = siatka_;
  if (pozycja_) q.pos = *pozycja_;
  q.plik = open_;
  const DowolnaOdpowiedz a = TFormDowolna::Wybierz(q, this);
  if (pozycja_) *pozycja_ = a.pos;
  const bool hole = !a.zewnetrzna;
  switch (a.wybor) {
    case DowolnaOdpowiedz::kBrak:
      return;
    case DowolnaOdpowiedz::kOK:
      editor_->rysujNaPodkladzie(a.zewnetrzna);
      break;
    case DowolnaOdpowiedz::kWielokat: {
      if (!editor_->podklad().empty()) {
        editor_->rysujNaPodkladzie(a.zewnetrzna);
        break;
      }
      LamanaPytanie lq;
      lq.zakres = ustawienia_.zakres;
      lq.oczko = ustawienia_.oczko;
      if (pozycja_) lq.pos = *pozycja_;
      const LamanaOdpowiedz la = TFormLamana::Ustawienia(lq, this);
      if (pozycja_) *pozycja_ = la.pos;
      if (!la.ok) return;
      ustawienia_ = {la.zakres, la.oczko, la.siatka};
      siatka_ = la.siatka;
      editor_->rysuj(ustawienia_, a.zewnetrzna);
      break;
    }
    case DowolnaOdpowiedz::kDxf:
      WczytajDxf(a.plik, a.zewnetrzna);
      break;
    case DowolnaOdpowiedz::kTxt:
      WczytajTxt(a.plik, a.zewnetrzna);
      break;
    default: {
      KsztaltPytanie kq;
      kq.ostatnie = ostatnie_;
      if (pozycja_) kq.pos = *pozycja_;
      KsztaltOdpowiedz ka;
      switch (a.wybor) {
        case kSzesciokat: ka = TFormSzesc::Wymiary(kq, this); break;
        case kProstokat: ka = TFormProstokat::Wymiary(kq, this); break;
        case kTrojkat: ka = TFormTrojkat::Wymiary(kq, this); break;
        default: ka = TFormKolo::Wymiary(a.wybor, kq, this); break;
      }
      if (pozycja_) *pozycja_ = ka.pos;
      if (!ka.ok) return;
      ostatnie_ = ka.ostatnie;
      if (editor_->ksztalt(ka.ksztalt, hole)) emit doZapisu();
    }
  }
  Done();
}

bool TabDowolne::CurrentSolid() const {
  const SectionModel& m = *model_;
  const int f = m.currentFigure;
  if (!m.imported.empty()) {
    for (const ImportedPoint& p : m.imported)
      if (p.figure == f) return p.outer;
    return true;
  }
  return f < 1 || f >= static_cast<int>(m.figures.size()) || m.figures[f].outerCount() > 0;
}

void TabDowolne::WczytajDxf(const QString& path, bool outer) {
  const DxfResult read = ReadDxf(path.toStdString());
  if (!read.ok) {
    Blad(QString::fromStdString(read.error), QString::fromStdString(read.detail));
    return;
  }
  Podklad podklad;
  UstawPodklad(podklad, read.segments);
  editor_->ustawPodklad(std::move(podklad));
  editor_->rysujNaPodkladzie(outer);
  emit podkladWczytany();
}

void TabDowolne::WczytajTxt(QString path, bool outer) {
  // a name without the extension gets it, as the file dialog would have
  if (!path.contains("TXT") && !path.contains("txt")) path += ".TXT";
  const PointListResult read = ReadPointList(path.toStdString());
  if (!read.ok) {
    Blad(QString::fromStdString(read.error), QString::fromStdString(read.detail));
    return;
  }
  if (editor_->zarys(read.list.points, !outer)) emit doZapisu();
}

void TabDowolne::SpeedButtonCofnijClick() {
  if (editor_->rysowanie()) {
    editor_->cofnij();
    Done();
    return;
  }
  const QString filter = "Pliki *.TXT (*.txt *.TXT)";
  QString path = save_ ? save_("Punkty aktywnej figury", "Figura", filter)
                       : QFileDialog::getSaveFileName(this, "Punkty aktywnej figury", "Figura",
                                                      filter, nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return;
  if (!path.contains("TXT") && !path.contains("txt")) path += ".TXT";
  if (QFileInfo::exists(path) &&
      ask_({"PYTANIE", "Taki plik istnieje", "Tak", "Nie", "Zmienić zawartość?"}) != 1)
    return;
  if (!ZapiszTekstFigury(path.toStdString(), *model_, model_->currentFigure))
    Blad("Nie można zapisać pliku", "(" + path + ")");
}

void TabDowolne::Done() {
  Arrange();
  emit przelicz();
}

void TabDowolne::Usun() {
  if (ask_({"PYTANIE", "Usunąć figurę?", "Tak", "Nie", {}}) != 1) return;
  editor_->figury().usun();
  editor_->mapuj();
  emit doZapisu();
  Done();
}

void TabDowolne::UsunCaly() {
  if (ask_({"PYTANIE", "Usunąć cały przekrój?", "Tak", "Nie", {}}) != 1) return;
  editor_->figury().usunCaly();
  editor_->usunPodklad();
  emit doZapisu();
  Done();
}

void TabDowolne::Blad(const QString& text, const QString& detail) {
  ask_({"BŁĄD", text.toStdString(), "OK", {}, detail.toStdString()});
}

}  // namespace tarvik::ui
