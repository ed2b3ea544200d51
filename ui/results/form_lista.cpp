#include "ui/results/form_lista.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "engine/print_report.h"
#include "engine/results_tools.h"
#include "ui/main/form_blad.h"
#include "ui/results/druk.h"
#include "ui/results/form_druk.h"
#include "ui/results/form_lista_gr.h"
#include "ui/results/lista_stan.h"
#include "ui/results/results_sketch.h"
#include "ui/results/strona_geometria.h"
#include "ui/results/strona_statyka.h"
#include "ui/results/strona_wymiarowanie.h"

namespace tarvik::ui {
namespace {

constexpr int kTabWymiarowanie = 1;
constexpr int kTabGeometria = 2;
const QColor kAktywne(128, 0, 128);  // a tool's caption while it is in use

const QString kInfoWymiary =
    " Nowy wymiar: kliknąć kolejno w dwa punkty, potem ustalić położenie linii wymiarowych.\n" +
    QString(21, ' ') + "Usuwanie: wybrać oknem odpowiedni wymiar (liczbę).";
const QString kInfoSkr = " Zaznacz punkty konturu wyznaczonego linią środkową.\n" +
                         QString(10, ' ') + "Wybierz grubość każdego odcinka.\n" + QString(6, ' ') +
                         "Koniec po naciśnięciu prawego przycisku lub\n" + QString(12, ' ') +
                         "po wskazaniu pierwszego punktu";

ScreenPoint Ekran(QPoint p) { return {p.x(), p.y()}; }
QPoint Px(ScreenPoint p) { return {p.x, p.y}; }

// PaintBox1: the results sketch
class PaintBox : public QWidget {
 public:
  explicit PaintBox(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setAccessibleName("Szkic przekroju");
    setMinimumSize(403, 403);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }
  std::function<void(QPainter&)> paint;
  std::function<void()> resized;
  // the mouse for the tools: the pixel, the left button (else the right), the global place
  std::function<void(QPoint, bool)> pressed;
  std::function<void(QPoint)> moved;
  std::function<void(QPoint, bool, QPoint)> released;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (pressed && e->button() != Qt::MiddleButton)
      pressed(e->position().toPoint(), e->button() == Qt::LeftButton);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (moved) moved(e->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (released && e->button() != Qt::MiddleButton)
      released(e->position().toPoint(), e->button() == Qt::LeftButton,
               e->globalPosition().toPoint());
  }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (paint) paint(p);
  }
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (resized) resized();
  }
};

// the captions that name the axes y and z when OsieYZ is set
struct Nazwa {
  const char* name;
  const char* text;
};
constexpr Nazwa kOsieYZ[] = {
    {"Label46", "YS/pl: "},
    {"Label49", "ZS/pl: "},
    {"Label18", "na ścinanie Avy: "},
    {"Label21", "Avz: "},
    {"Label14", "Ivz: "},
    {"Label15", "Ivy: "},
    {"Label19", "Wskaźnik Wcy: "},
    {"Label20", "Wskaźnik Wty: "},
    {"Label12", "Wskaźnik Wply: "},
    {"Label22", "Wcz: "},
    {"Label23", "Wtz: "},
    {"Label13", "Wplz: "},
    {"Label24", "Moment Jy: "},
    {"Label25", "Jz: "},
    {"Label26", "Promień iy: "},
    {"Label27", "iz: "},
    {"Label31", "Środek yT: "},
    {"Label32", "zT: "},
    {"Label44", "YS: "},
    {"Label47", "ZS: "},
    {"Label37", "Moment statyczny SY: "},
    {"Label38", "Moment statyczny SZ: "},
    {"Label39", "Moment główny centralny Jy: "},
    {"Label40", "Moment główny centralny Jz: "},
    {"Label41", "Moment bezwł.centralny Jy0: "},
    {"Label42", "Moment bezwł.centralny Jz0: "},
    {"Label43", "Moment dewiacji centr.Jyz0: "},
};

}  // namespace

struct TFormLista::Impl {
  TFormLista* w;
  SketchMapping& mainMapping;
  ListaStan s;
  SketchMapping mapping;    // the results sketch in PaintBox1
  SketchMapping savedMain;  // the main sketch's view while this window is open
  bool activated = false;
  bool restored = false;

  QTabWidget* pages = nullptr;
  PaintBox* paintBox = nullptr;
  QCheckBox* js = nullptr;
  QPushButton* zamknij = nullptr;
  QToolButton* zapisz = nullptr;
  QToolButton* wymiary = nullptr;  // SpeedButtonWymiary
  QToolButton* skr = nullptr;      // SpeedButtonSkr, "Moment Jt"
  std::unique_ptr<NarzedzieWymiarow> narzedzie;
  SrodkowaJt srodkowa;
  QToolButton* schowek = nullptr;
  QToolButton* drukuj = nullptr;
  std::unique_ptr<DrukSesja> ownDruk;  // when the main window keeps none
  std::unique_ptr<StronaStatyka> statyka;
  std::unique_ptr<StronaWymiarowanie> wymiarowanie;
  std::unique_ptr<StronaGeometria> geometria;

  Impl(TFormLista* window, SectionModel& m, SketchMapping& main, const ListaContext& c)
      : w(window), mainMapping(main), s(window, m, c) {}

  SectionModel& model() { return s.model; }
  PropertiesRecord& r() { return s.r(); }

  void Build() {
    w->setObjectName("TFormLista");
    QPalette window = w->palette();
    if (s.ctx.windowColour.isValid()) window.setColor(QPalette::Window, s.ctx.windowColour);
    w->setPalette(window);

    auto* panel = new QFrame(w);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    paintBox = new PaintBox(panel);
    narzedzie = std::make_unique<NarzedzieWymiarow>(model(), mapping);
    paintBox->paint = [this](QPainter& p) { PaintBox1Paint(p); };
    paintBox->setMouseTracking(true);
    paintBox->pressed = [this](QPoint at, bool left) { PaintBox1MouseDown(at, left); };
    paintBox->moved = [this](QPoint at) { PaintBox1MouseMove(at); };
    paintBox->released = [this](QPoint at, bool left, QPoint global) {
      PaintBox1MouseUp(at, left, global);
    };
    paintBox->resized = [this] {
      if (activated) Dopasuj();
    };
    auto* mm = new QLabel("[mm]", panel);
    mm->setObjectName("LabelMm");
    auto* panelLayout = new QGridLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(paintBox, 0, 0);
    panelLayout->addWidget(mm, 0, 0, Qt::AlignRight | Qt::AlignBottom);

    pages = new QTabWidget(w);
    pages->setObjectName("PageControlLista");
    statyka = std::make_unique<StronaStatyka>(s, pages);
    wymiarowanie = std::make_unique<StronaWymiarowanie>(s, pages, [this] { paintBox->update(); });
    geometria = std::make_unique<StronaGeometria>(s, pages, [this] { paintBox->update(); });
    connect(pages, &QTabWidget::currentChanged, w, [this](int i) { PageControlListaChange(i); });

    zapisz = new QToolButton(w);
    zapisz->setObjectName("SpeedButtonZapisz");
    zapisz->setText("Do pliku");
    zapisz->setToolTip("Zapis przekroju do pliku");
    zapisz->setAutoRaise(true);
    SetColour(zapisz, kLink);
    zapisz->setVisible(static_cast<bool>(s.ctx.save));
    connect(zapisz, &QToolButton::clicked, w, [this] { LabelZapiszClick(); });
    wymiary = Narzedzie("SpeedButtonWymiary", "Wymiary", "Dodawanie wymiarów");
    connect(wymiary, &QToolButton::clicked, w, [this] { LabelWymiaryClick(); });
    skr = Narzedzie("SpeedButtonSkr", "Moment Jt",
                    "Obliczanie momentu odporności na skręcanie przekrojów cienkościennych "
                    "zamkniętych");
    connect(skr, &QToolButton::clicked, w, [this] { LabelSkrClick(); });
    schowek = Narzedzie("SpeedButtonSchowek", "Do schowka", "Zapis przekroju do schowka");
    connect(schowek, &QToolButton::clicked, w, [this] { SpeedButtonSchowekClick(); });
    drukuj = Narzedzie("SpeedButtonDrukuj", "Drukuj", "Drukowanie przekroju");
    connect(drukuj, &QToolButton::clicked, w, [this] { LabelDrukujClick(); });
    js = new QCheckBox("Jt wg PN", w);
    js->setObjectName("CheckBoxJs");
    js->setChecked(true);
    statyka->UzyjJs(js);
    zamknij = new QPushButton("Zamknij", w);
    zamknij->setObjectName("ButtonListaZamk");
    zamknij->setToolTip("Powrót do poprzedniego okna");
    zamknij->setDefault(true);
    connect(zamknij, &QPushButton::clicked, w, [this] { ButtonListaZamkClick(); });

    auto* top = new QHBoxLayout;
    top->addWidget(panel, 1);
    top->addWidget(pages);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(zapisz);
    bottom->addWidget(wymiary);
    bottom->addWidget(skr);
    bottom->addWidget(schowek);
    bottom->addWidget(drukuj);
    bottom->addStretch(1);
    bottom->addWidget(js);
    bottom->addSpacing(12);
    bottom->addWidget(zamknij);
    auto* layout = new QVBoxLayout(w);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    // FormCreate: a weighted composite has no design page
    pages->setTabEnabled(kTabWymiarowanie, !model().composite);
  }

  // a link-like button of the window's bottom row (the sketch's tools, printing)
  QToolButton* Narzedzie(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(w);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    SetColour(b, kLink);
    return b;
  }

  // ---- the sketch's tools -----------------------------------------------------------------

  void PaintBox1Paint(QPainter& p) {
    paint::PaintOptions o = OpcjeSzkicuWynikow(s.sketch);
    if (narzedzie->aktywne()) {
      const ScreenPoint m = narzedzie->mysz();
      const auto stan = narzedzie->stan();
      if (stan == NarzedzieWymiarow::Stan::kPierwszy && !narzedzie->okno()) o.crosshair = Px(m);
      if (const auto first = narzedzie->pierwszy()) o.rubberLine = QLine(Px(*first), Px(m));
      if (const auto r = narzedzie->okno())
        o.selectionWindow = QRect(Px(r->a), Px(r->b)).normalized();
      o.provisional = narzedzie->tymczasowy();
    }
    if (srodkowa.aktywne()) {
      o.wallLabels = true;
      for (const ScreenPoint& q : srodkowa.punkty()) o.midline.push_back(Px(q));
    }
    paint::SectionPainter(model(), mapping, o).paint(p, paintBox->size());
  }

  // the outline vertices the dimension tool picks from, after every fit
  void Wierzcholki() {
    std::vector<Wierzcholek> vertices;
    for (const paint::Contour& c : paint::Kontury(model()))
      for (int i : c.indices) vertices.push_back({i, paint::PunktModelu(model(), i)});
    narzedzie->ustawWierzcholki(std::move(vertices));
  }

  void Przycisk(QToolButton* b, bool active) { SetColour(b, active ? kAktywne : kLink); }

  void Informacja(const QString& text) {
    PokazKomunikat(w, Komunikat{"INFORMACJA", text.toStdString(), "OK", {}, {}}, s.colour());
  }

  // "Wymiary": on, or off again when it is on
  void LabelWymiaryClick() {
    srodkowa.wylacz();
    Przycisk(skr, false);
    if (narzedzie->aktywne()) {
      narzedzie->wylacz();
      Przycisk(wymiary, false);
      paintBox->unsetCursor();
      paintBox->update();
      return;
    }
    narzedzie->wlacz();
    Przycisk(wymiary, true);
    Informacja(kInfoWymiary);
    paintBox->setCursor(Qt::CrossCursor);
    paintBox->update();
  }

  // "Moment Jt": the midline is traced anew
  void LabelSkrClick() {
    if (srodkowa.aktywne()) return;
    narzedzie->wylacz();
    Przycisk(wymiary, false);
    paintBox->setCursor(Qt::CrossCursor);
    Przycisk(skr, true);
    Informacja(kInfoSkr);
    srodkowa.wlacz(model());
    paintBox->update();
  }

  void PaintBox1MouseDown(QPoint at, bool left) {
    if (!narzedzie->aktywne()) return;
    narzedzie->nacisnij(Ekran(at), left);
    paintBox->update();
  }

  void PaintBox1MouseMove(QPoint at) {
    if (!narzedzie->aktywne()) return;
    narzedzie->przesun(Ekran(at));
    paintBox->update();
  }

  void PaintBox1MouseUp(QPoint at, bool left, QPoint global) {
    if (narzedzie->aktywne()) {
      narzedzie->pusc(Ekran(at), left);
      if (narzedzie->stan() == NarzedzieWymiarow::Stan::kKierunek) PopupMenuWymiar(global);
    } else if (srodkowa.aktywne()) {
      const bool waits = left ? srodkowa.klik(Ekran(at)) : srodkowa.prawy();
      paintBox->update();
      if (waits) Odcinek();
      if (!srodkowa.aktywne()) Koniec();
    }
    paintBox->update();
  }

  void PopupMenuWymiar(QPoint global) {
    QMenu menu(w);
    menu.setObjectName("PopupMenuWymiar");
    QAction* poziomy = menu.addAction("Poziomy");
    poziomy->setObjectName("Poziomy1");
    QAction* pionowy = menu.addAction("Pionowy");
    pionowy->setObjectName("Pionowy1");
    QAction* ukosny = menu.addAction("Ukośny");
    ukosny->setObjectName("Ukosny1");
    QAction* chosen = menu.exec(global);
    if (chosen == poziomy)
      narzedzie->kierunek(kPoziomy);
    else if (chosen == pionowy)
      narzedzie->kierunek(kPionowy);
    else if (chosen == ukosny)
      narzedzie->kierunek(kUkosny);
    else
      narzedzie->anuluj();
  }

  // the thickness of the segment just made; closing the contour computes
  void Odcinek() {
    const std::optional<GruboscWybor> t =
        TFormListaGr::Zapytaj(srodkowa.grubosci(), srodkowa.ostatnia(), s.position(), w);
    if (!t) return srodkowa.odrzuc();
    s.position() = t->pos;
    if (!srodkowa.grubosc(t->mm)) return;
    const WynikJt wynik = srodkowa.oblicz(mapping.scale * mapping.zoom);
    r()[slot::Jt] = wynik.Jt;
    r()[slot::Wt] = wynik.Wt;
    model().flags[1] = false;  // the torsion values are there now
    js->setChecked(true);
    statyka->OdswiezSkrecanie();
    s.changed();
    srodkowa.wylacz();
  }

  void Koniec() {
    Przycisk(skr, false);
    paintBox->unsetCursor();
  }

  // ---- activation and the sketch ---------------------------------------------------------

  // the results sketch fitted to PaintBox1 and, for the sections dimensioned overall, the
  // dimension list made anew; the imported outline keeps the main sketch's pixels
  void Dopasuj() {
    SectionModel& m = model();
    std::vector<std::pair<int32_t, int32_t>> pixels;
    for (const ImportedPoint& q : m.imported) pixels.emplace_back(q.px, q.py);
    SkalujSzkic(m, mapping, paintBox->width(), paintBox->height(), 0, r()[slot::xS], r()[slot::yS]);
    for (size_t i = 0; i < pixels.size(); ++i)
      std::tie(m.imported[i].px, m.imported[i].py) = pixels[i];
    Wierzcholki();
    // picks and a midline made on the previous fit point elsewhere now
    narzedzie->anuluj();
    if (srodkowa.aktywne()) srodkowa.wlacz(m);
    paintBox->update();
  }

  void FormActivate() {
    activated = true;
    s.position() = w->pos() + QPoint(20, 20);
    savedMain = mainMapping;
    mainMapping.zoom = 1.0;
    mainMapping.panX = mainMapping.panY = 0;
    mapping = SketchMapping{};
    Dopasuj();
    // the built-up kinds are dimensioned overall at every opening; the lines the user adds
    // stay until the next one (a later re-fit on resizing or saving keeps them)
    if (WymiaryCalkowite(model().kind)) ZastapWymiaryCalkowitymi(model(), mapping);
    // the midline tool is for the sections made of several walls
    skr->setVisible(model().kind == kZlozone || model().kind == kDowolne);
    s.sketch = ResultsSketchOptions{};
    s.sketch.osieYZ = s.ctx.osieYZ;
    s.Caption();
    js->setEnabled(r()[slot::Js] != 0 && model().kind != kUzebrowanie);
    statyka->Wypelnij();
    // with the axes named y, z the captions of every page say so
    if (s.ctx.osieYZ)
      for (const Nazwa& n : kOsieYZ) s.L(n.name)->setText(n.text);
    wymiarowanie->Wypelnij();
    // a weighted composite has no design page to show them
    if (!model().composite) wymiarowanie->LiczMES();
    geometria->Wypelnij();
    pages->setCurrentIndex(std::clamp(s.tab(), 0, pages->count() - 1));
  }

  void PageControlListaChange(int index) {
    schowek->setEnabled(true);
    if (model().composite && index == kTabWymiarowanie) pages->setCurrentIndex(kTabGeometria);
  }

  // ---- printing and the clipboard -------------------------------------------------------

  DrukSesja& druk() {
    if (s.ctx.druk) return *s.ctx.druk;
    if (!ownDruk) ownDruk = std::make_unique<DrukSesja>();
    return *ownDruk;
  }

  // the section with the report of a tab as this window shows it, for a page of n or the
  // clipboard
  paint::Rysunek Rysunek(int tab, int n, bool schowek = false) {
    ZrodloRaportu z;
    z.laczniki = s.ctx.laczniki;
    z.schowek = schowek;
    z.jtWgPN = js->isChecked();
    z.allDigits = s.ctx.allDigits;
    z.n = n;
    z.jx = s.L("LabelGJx")->text().toStdString();
    z.jy = s.L("LabelGJy")->text().toStdString();
    z.jxy = s.L("LabelGJxy")->text().toStdString();
    if (!model().composite) {
      z.masa = s.L("LabelMasa")->text().toStdString();
      z.ro = s.L("LabelGamma")->text().toStdString();
    }
    for (const auto& [caption, value] : s.ctx.przewiazki)
      z.przewiazki.emplace_back(caption.toStdString(), value.toStdString());
    paint::Rysunek r;
    r.model = &model();
    r.sketch = s.sketch;
    r.lines = RaportZakladki(model(), static_cast<Zakladka>(std::clamp(tab, 0, 2)), z);
    r.szkic = std::min(paintBox->width(), paintBox->height());
    return r;
  }

  // the whole report of the tab shown (no page to share), until the next tab change
  void SpeedButtonSchowekClick() {
    DoSchowka(Rysunek(pages->currentIndex(), 2, true));
    schowek->setEnabled(false);
  }

  void LabelDrukujClick() {
    DrukSesja& d = druk();
    DrukPytanie q;
    q.n = d.strona.n;
    q.p = d.strona.p;
    q.zakladka = pages->currentIndex();
    q.gorny = d.ustawienia.gorny;
    q.lewy = d.ustawienia.lewy;
    q.doPliku = d.doPliku;
    q.konfiguracja = [this, &d] { return d.Konfiguracja(w); };
    const DrukWybor a = TFormDruk::Zapytaj(q, w);
    if (a.ok) {
      d.doPliku = a.doPliku;
      d.strona.n = a.n;
      d.strona.p = a.p;
      d.strona.niekompletna = a.niekompletna;
      d.ustawienia.gorny = a.gorny;
      d.ustawienia.lewy = a.lewy;
      pages->setCurrentIndex(a.zakladka);  // a composite moves on from "Wymiarowanie"
      QString error;
      if (!d.Drukuj(w, Rysunek(pages->currentIndex(), a.n), error) && !error.isEmpty())
        PokazKomunikat(w, Blad(error.toStdString()), s.colour());
    }
    paintBox->update();
  }

  // ---- leaving ------------------------------------------------------------------------

  void LabelZapiszClick() {
    if (s.ctx.save) s.ctx.save();
    Dopasuj();
  }

  void ButtonListaZamkClick() {
    const QString text = statyka->opis().left(kNameChars);
    r().setName(text.toStdString());
    if (s.nameChanged && s.ctx.renamed) s.ctx.renamed(text);
    s.tab() = pages->currentIndex();
    w->accept();
  }

  void RestoreMainView() {
    if (activated && !restored) mainMapping = savedMain;
    restored = true;
  }
};

TFormLista::TFormLista(SectionModel& model, SketchMapping& mainMapping, const ListaContext& context,
                       QWidget* parent)
    : QDialog(parent), d_(new Impl(this, model, mainMapping, context)) {
  d_->Build();
}

TFormLista::~TFormLista() { delete d_; }

void TFormLista::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!d_->activated) d_->FormActivate();
}

const ResultsSketchOptions& TFormLista::opcjeSzkicu() const { return d_->s.sketch; }

void TFormLista::done(int result) {
  d_->RestoreMainView();
  QDialog::done(result);
}

}  // namespace tarvik::ui
