#include "ui/results/form_lista.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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
#include "ui/main/form_blad.h"
#include "ui/results/druk.h"
#include "ui/results/form_druk.h"
#include "ui/results/lista_stan.h"
#include "ui/results/results_sketch.h"
#include "ui/results/strona_geometria.h"
#include "ui/results/strona_statyka.h"
#include "ui/results/strona_wymiarowanie.h"

namespace tarvik::ui {
namespace {

constexpr int kTabWymiarowanie = 1;
constexpr int kTabGeometria = 2;

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

 protected:
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
    paintBox->paint = [this](QPainter& p) {
      RysujSzkicWynikow(p, model(), mapping, paintBox->size(), s.sketch);
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
    wymiarowanie = std::make_unique<StronaWymiarowanie>(s, pages);
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
    schowek = Link("SpeedButtonSchowek", "Do schowka", "Zapis przekroju do schowka");
    connect(schowek, &QToolButton::clicked, w, [this] { SpeedButtonSchowekClick(); });
    drukuj = Link("SpeedButtonDrukuj", "Drukuj", "Drukowanie przekroju");
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
    if (WymiaryCalkowite(m.kind)) ZastapWymiaryCalkowitymi(m, mapping);
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
    s.sketch = ResultsSketchOptions{};
    s.sketch.osieYZ = s.ctx.osieYZ;
    s.Caption();
    js->setEnabled(r()[slot::Js] != 0 && model().kind != kUzebrowanie);
    statyka->Wypelnij();
    // with the axes named y, z the captions of every page say so
    if (s.ctx.osieYZ)
      for (const Nazwa& n : kOsieYZ) s.L(n.name)->setText(n.text);
    wymiarowanie->Wypelnij();
    geometria->Wypelnij();
    pages->setCurrentIndex(std::clamp(s.tab(), 0, pages->count() - 1));
  }

  void PageControlListaChange(int index) {
    schowek->setEnabled(true);
    if (model().composite && index == kTabWymiarowanie) pages->setCurrentIndex(kTabGeometria);
  }

  // ---- printing and the clipboard -------------------------------------------------------

  QToolButton* Link(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(w);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    SetColour(b, kLink);
    return b;
  }

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

void TFormLista::done(int result) {
  d_->RestoreMainView();
  QDialog::done(result);
}

}  // namespace tarvik::ui
