#include "ui/results/form_lista.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <tuple>
#include <vector>

#include "engine/derived.h"
#include "engine/numbers.h"
#include "ui/main/form_blad.h"
#include "ui/main/form_zmiana.h"
#include "ui/main/value_label.h"
#include "ui/results/results_sketch.h"

namespace tarvik::ui {
namespace {

constexpr int kNameChars = 20;
constexpr int kTabWymiarowanie = 1;
constexpr int kTabGeometria = 2;
const QString kPolowa = "Połowa";
const QString kCaly = "Cały";
const QString kPolowaHint = "Dla belki w płaszczyźnie symetrii";
const QColor kLink(0, 0, 255);

QString Dwie(double value, const char* suffix) {
  return QString::fromStdString(FormatLiczby(2, suffix, value));
}

void SetColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  w->setPalette(p);
}

// a click, Enter or the space bar on a widget runs an action
class Klik : public QObject {
 public:
  Klik(QWidget* target, std::function<void()> action)
      : QObject(target), action_(std::move(action)) {
    target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    bool run = false;
    if (event->type() == QEvent::MouseButtonRelease)
      run = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      run = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    if (run) action_();
    return run;
  }

 private:
  std::function<void()> action_;
};

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

// a value label that shows one slot of the properties record
struct Cell {
  int slot = 0;
  double divisor = 1;  // shown = stored / divisor (mm shown in cm: 10)
  const char* suffix = "";
};

// a row of a value dialog: its caption and the value label it is prefilled from and stored
// through; no label hides the row
struct Wiersz {
  QString caption;
  QLabel* label = nullptr;
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
  SectionModel& model;
  SketchMapping& mainMapping;
  ListaContext ctx;
  SketchMapping mapping;    // the results sketch in PaintBox1
  SketchMapping savedMain;  // the main sketch's view while this window is open
  bool activated = false;
  bool restored = false;
  bool nameChanged = false;
  int ownTab = 0;  // stand-ins when the context keeps no state
  QPoint ownPosition;
  ResultsSketchOptions sketch;

  QTabWidget* pages = nullptr;
  PaintBox* paintBox = nullptr;
  QLineEdit* editOpis = nullptr;
  QToolButton* pol = nullptr;
  QCheckBox* js = nullptr;
  QPushButton* zamknij = nullptr;
  QToolButton* zapisz = nullptr;
  QLabel* inny = nullptr;
  QHash<QString, QLabel*> named;
  QHash<QLabel*, Cell> cells;
  QList<QWidget*> massRows;

  Impl(TFormLista* window, SectionModel& m, SketchMapping& main, const ListaContext& c)
      : w(window), model(m), mainMapping(main), ctx(c) {}

  PropertiesRecord& r() { return model.section; }
  // a value as shown, every digit when the main window's "Pokaż wszystkie cyfry" is set
  QString Liczba(double value, const char* suffix) const {
    return QString::fromStdString(FormatLiczby(-1, suffix, value, ctx.allDigits));
  }
  int& tab() { return ctx.rememberedTab ? *ctx.rememberedTab : ownTab; }
  QPoint& position() { return ctx.pozycjaDialogu ? *ctx.pozycjaDialogu : ownPosition; }
  QColor colour() const {
    return ctx.windowColour.isValid() ? ctx.windowColour : w->palette().color(QPalette::Window);
  }
  QLabel* L(const char* name) const { return named.value(name); }
  QString name() const { return QString::fromStdString(model.section.name()); }
  void changed() {
    if (ctx.valuesChanged) ctx.valuesChanged();
  }

  // ---- building -------------------------------------------------------------------------

  QLabel* Label(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    named.insert(objectName, label);
    return label;
  }

  // a caption and its value label in a grid row from column col; the caption is named
  // captionName, or after its value label ("LabelStA" -> "CaptionStA")
  QLabel* Row(QGridLayout* grid, int row, int col, const char* captionName, const QString& caption,
              const char* valueName, int captionSpan = 1) {
    QWidget* page = grid->parentWidget();
    const QString valueObject = valueName;
    const QString captionObject =
        captionName ? QString(captionName) : "Caption" + valueObject.mid(5);
    QLabel* c = Label(page, captionObject, caption);
    auto* v = new ValueLabel(c, page);  // read with its caption
    v->setObjectName(valueObject);
    named.insert(valueObject, v);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (col > 0) c->setContentsMargins(12, 0, 0, 0);  // the second pair of a row
    grid->addWidget(c, row, col, 1, captionSpan);
    grid->addWidget(v, row, col + captionSpan);
    return v;
  }

  void Clickable(QLabel* label, std::function<void()> action) {
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setToolTip("Kliknij, aby poprawić wartości");
    label->setStyleSheet("QLabel:focus { text-decoration: underline; }");
    new Klik(label, std::move(action));
  }

  QGridLayout* Page(const char* objectName, const QString& title, const QString& heading,
                    int columns) {
    auto* page = new QWidget;
    page->setObjectName(objectName);
    pages->addTab(page, title);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(3);
    QLabel* h = Label(page, QString(objectName) + "Naglowek", heading);
    QFont bold = h->font();
    bold.setBold(true);
    h->setFont(bold);
    grid->addWidget(h, 0, 0, 1, columns);
    return grid;
  }

  void BuildStatyka() {
    QGridLayout* g = Page("TabSheetStatyka", "Statyka", "Parametry do obliczeń statycznych", 2);
    QLabel* opis = Label(g->parentWidget(), "LabelOpis", "Opis");
    editOpis = new QLineEdit(g->parentWidget());
    editOpis->setObjectName("EditOpis");
    editOpis->setReadOnly(true);
    editOpis->setCursor(Qt::PointingHandCursor);
    editOpis->setToolTip("Kliknij, aby zmienić opis przekroju");
    opis->setBuddy(editOpis);
    new Klik(editOpis, [this] { EditOpisClick(); });
    auto* opisRow = new QHBoxLayout;
    opisRow->setSpacing(8);
    opisRow->addWidget(opis);
    opisRow->addWidget(editOpis, 1);
    g->addLayout(opisRow, 1, 0, 1, 2);

    struct R {
      const char* caption;
      const char* value;
    };
    const R rows[] = {{"Pole przekroju poprzecznego A:   ", "LabelA"},
                      {"Pole na ścinanie Ay:  ", "LabelAvy"},
                      {"Pole na ścinanie Az:  ", "LabelAvx"},
                      {"Moment odporności na skręcanie Jt:  ", "LabelJt"},
                      {"Główny centralny moment bezwład. Jy: ", "LabelJy"},
                      {"Główny centralny moment bezwład. Jz:  ", "LabelJx"},
                      {"Wskaźnik na skręcanie Wt: ", "LabelWt"},
                      {"Wskaźnik na zginanie Wy: ", "LabelWy"},
                      {"Wskaźnik na zginanie Wz: ", "LabelWx"},
                      {"Obwód zewnętrzny: ", "LabelObz"},
                      {"wewnętrzny: ", "LabelObw"}};
    int row = 2;
    for (const R& x : rows) Row(g, row++, 0, nullptr, x.caption, x.value);
    named.value("CaptionObw")->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->setColumnStretch(0, 1);

    cells[L("LabelA")] = {slot::A, 1, " cm^2"};
    cells[L("LabelAvy")] = {slot::Avy, 1, " cm^2"};
    cells[L("LabelAvx")] = {slot::Avx, 1, " cm^2"};
    cells[L("LabelJy")] = {slot::J2, 1, " cm^4"};
    cells[L("LabelJx")] = {slot::J1, 1, " cm^4"};
    cells[L("LabelWy")] = {slot::Wcy, 1, " cm^3"};
    cells[L("LabelWx")] = {slot::Wcx, 1, " cm^3"};
    cells[L("LabelObz")] = {slot::Oz, 10, " cm"};
    cells[L("LabelObw")] = {slot::Ow, 10, " cm"};

    for (const char* n : {"LabelA", "LabelAvx", "LabelAvy"})
      Clickable(L(n), [this] { GroupBoxPolaClick(); });
    for (const char* n : {"LabelJt", "LabelJx", "LabelJy"})
      Clickable(L(n), [this] { GroupBoxMomentyClick(); });
    for (const char* n : {"LabelWt", "LabelWy", "LabelWx"})
      Clickable(L(n), [this] { GroupBoxWskazClick(); });
    for (const char* n : {"LabelObz", "LabelObw"})
      Clickable(L(n), [this] { GroupBoxObwodyClick(); });

    pol = new QToolButton(g->parentWidget());
    pol->setObjectName("SpeedButtonPol");
    pol->setText(kPolowa);
    pol->setToolTip(kPolowaHint);
    pol->setAutoRaise(true);
    SetColour(pol, kLink);
    connect(pol, &QToolButton::clicked, w, [this] { SpeedButtonPolClick(); });
    g->addWidget(pol, row++, 0, 1, 2, Qt::AlignLeft);
    g->setRowStretch(row, 1);
  }

  void BuildWymiarowanie() {
    QGridLayout* g = Page("TabSheetWymiarowanie", "Wymiarowanie", "Parametry do wymiarowania", 4);
    Row(g, 1, 0, nullptr, "Pole przekroju A: ", "LabelStA");
    Row(g, 1, 2, nullptr, "alfa: ", "LabelStAlfa");
    Row(g, 2, 0, "Label46", "xS/pl:", "LabelStxS");
    Row(g, 2, 2, "Label49", "yS/pl:", "LabelStyS");
    Row(g, 3, 0, "Label18", "na ścinanie Avx:", "LabelStAvx");
    Row(g, 3, 2, "Label21", "Avy:", "LabelStAvy");
    Row(g, 4, 0, "Label14", "Ivy: ", "LabelStIvy");
    Row(g, 4, 2, "Label15", "Ivx: ", "LabelStIvx");
    Row(g, 5, 0, "Label19", "Wskaźnik  Wcx: ", "LabelStWcx");
    Row(g, 5, 2, "Label22", "Wcy: ", "LabelStWcy");
    Row(g, 6, 0, "Label20", "Wskaźnik  Wtx: ", "LabelStWtx");
    Row(g, 6, 2, "Label23", "Wty: ", "LabelStWty");
    Row(g, 7, 0, "Label12", "Wskaźnik Wplx: ", "LabelStWplx");
    Row(g, 7, 2, "Label13", "Wply: ", "LabelStWply");
    Row(g, 8, 0, "Label24", "Moment Jx: ", "LabelStJx");
    Row(g, 8, 2, "Label25", "Jy: ", "LabelStJy");
    Row(g, 9, 0, "Label26", "Promień ix:", "LabelStix");
    Row(g, 9, 2, "Label27", "iy: ", "LabelStiy");
    Row(g, 10, 0, "Label31", "Środek xT: ", "LabelStxT");
    Row(g, 10, 2, "Label32", "yT: ", "LabelStyT");
    Row(g, 11, 0, nullptr, "Pole wycinkowe w1: ", "LabelStw1");
    Row(g, 11, 2, nullptr, "w2: ", "LabelStw2");
    Row(g, 12, 0, nullptr, "Wycinkowy moment bezwładności Jw: ", "LabelStJw", 3);
    g->setRowStretch(13, 1);
    for (int col : {0, 2}) g->setColumnStretch(col, 1);

    const struct {
      const char* name;
      Cell cell;
    } values[] = {
        {"LabelStA", {slot::A, 1, " cm^2"}},       {"LabelStAvx", {slot::Avx, 1, " cm^2"}},
        {"LabelStAvy", {slot::Avy, 1, " cm^2"}},   {"LabelStIvy", {slot::Ivy, 1, " cm^4"}},
        {"LabelStIvx", {slot::Ivx, 1, " cm^4"}},   {"LabelStWcx", {slot::Wcx, 1, " cm^3"}},
        {"LabelStWcy", {slot::Wcy, 1, " cm^3"}},   {"LabelStWtx", {slot::Wtx, 1, " cm^3"}},
        {"LabelStWty", {slot::Wty, 1, " cm^3"}},   {"LabelStWplx", {slot::Wplx, 1, " cm^3"}},
        {"LabelStWply", {slot::Wply, 1, " cm^3"}}, {"LabelStJx", {slot::J1, 1, " cm^4"}},
        {"LabelStJy", {slot::J2, 1, " cm^4"}},     {"LabelStxT", {slot::xT, 10, " cm"}},
        {"LabelStyT", {slot::yT, 10, " cm"}},      {"LabelStw1", {slot::w1, 1, " cm^2"}},
        {"LabelStw2", {slot::w2, 1, " cm^2"}},     {"LabelStJw", {slot::Jw, 1, " cm^6"}}};
    for (const auto& v : values) cells[L(v.name)] = v.cell;

    for (const char* n : {"LabelStA", "LabelStAvx", "LabelStAvy"})
      Clickable(L(n), [this] { GroupBoxPolaClick(); });
    for (const char* n : {"LabelStw1", "LabelStw2", "LabelStJw"})
      Clickable(L(n), [this] { GroupBoxJwClick(); });
    auto pair = [this](const char* a, const char* b, const QString& title, const char* ca,
                       const char* cb) {
      for (const char* n : {a, b})
        Clickable(L(n), [=, this] { Popraw(title, {{ca, L(a)}, {cb, L(b)}}); });
    };
    pair("LabelStWcx", "LabelStWtx", "Wskaźniki przekroju", "Wcx", "Wtx");
    pair("LabelStWcy", "LabelStWty", "Wskaźniki przekroju", "Wcy", "Wty");
    pair("LabelStWplx", "LabelStWply", "Wskaźniki przekroju", "Wplx", "Wply");
    pair("LabelStJx", "LabelStJy", "Momenty bezwładności", "Jx", "Jy");
    pair("LabelStIvx", "LabelStIvy", "Parametry na ścinanie", "Ivx", "Ivy");
  }

  void BuildGeometria() {
    QGridLayout* g =
        Page("TabSheetGeometria", "Parametry geometryczne", "Parametry geometryczne przekroju", 4);
    Row(g, 1, 0, nullptr, "Pole A: ", "LabelGA", 3);
    Row(g, 2, 0, "Label44", "XS: ", "LabelGxS");
    Row(g, 2, 2, "Label47", "YS: ", "LabelGyS");
    Row(g, 3, 0, nullptr, "alfa: ", "LabelGAlfa", 3);
    Row(g, 4, 0, "Label37", "Moment statyczny SX: ", "LabelGSx", 3);
    Row(g, 5, 0, "Label38", "Moment statyczny SY: ", "LabelGSy", 3);
    Row(g, 6, 0, "Label39", "Moment główny centralny Jx: ", "LabelGJ1", 3);
    Row(g, 7, 0, "Label40", "Moment główny centralny Jy: ", "LabelGJ2", 3);
    Row(g, 8, 0, "Label41", "Moment bezwł.centralny Jx0: ", "LabelGJx", 3);
    Row(g, 9, 0, "Label42", "Moment bezwł.centralny Jy0: ", "LabelGJy", 3);
    Row(g, 10, 0, "Label43", "Moment dewiacji centr. Jxy0: ", "LabelGJxy", 3);
    inny = Label(g->parentWidget(), "LabelInny", "Inny układ współrzędnych");
    inny->setStyleSheet("QLabel { color: blue; text-decoration: underline; }");
    inny->setCursor(Qt::PointingHandCursor);
    inny->setFocusPolicy(Qt::StrongFocus);
    inny->setToolTip("Momenty względem własnego układu współrzędnych");
    new Klik(inny, [this] { LabelInnyClick(); });
    g->addWidget(inny, 11, 0, 1, 4);
    QLabel* masa = Row(g, 12, 0, nullptr, "Masa: ", "LabelMasa", 3);
    QLabel* gamma = Row(g, 13, 0, nullptr, "Masa właściwa", "LabelGamma", 3);
    massRows = {masa, L("CaptionMasa"), gamma, L("CaptionGamma")};
    g->setRowStretch(14, 1);
    for (int col : {0, 2}) g->setColumnStretch(col, 1);

    cells[L("LabelGA")] = {slot::A, 1, " cm^2"};
    cells[L("LabelGxS")] = {slot::xS, 10, " cm"};
    cells[L("LabelGyS")] = {slot::yS, 10, " cm"};
    cells[L("LabelGJ1")] = {slot::J1, 1, " cm^4"};
    cells[L("LabelGJ2")] = {slot::J2, 1, " cm^4"};
  }

  void Build() {
    w->setObjectName("TFormLista");
    QPalette window = w->palette();
    if (ctx.windowColour.isValid()) window.setColor(QPalette::Window, ctx.windowColour);
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
      RysujSzkicWynikow(p, model, mapping, paintBox->size(), sketch);
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
    BuildStatyka();
    BuildWymiarowanie();
    BuildGeometria();
    connect(pages, &QTabWidget::currentChanged, w, [this](int i) { PageControlListaChange(i); });

    zapisz = new QToolButton(w);
    zapisz->setObjectName("SpeedButtonZapisz");
    zapisz->setText("Do pliku");
    zapisz->setToolTip("Zapis przekroju do pliku");
    zapisz->setAutoRaise(true);
    SetColour(zapisz, kLink);
    zapisz->setVisible(static_cast<bool>(ctx.save));
    connect(zapisz, &QToolButton::clicked, w, [this] { LabelZapiszClick(); });
    js = new QCheckBox("Jt wg PN", w);
    js->setObjectName("CheckBoxJs");
    js->setChecked(true);
    connect(js, &QCheckBox::clicked, w, [this] { CheckBoxJsClick(); });
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
    bottom->addStretch(1);
    bottom->addWidget(js);
    bottom->addSpacing(12);
    bottom->addWidget(zamknij);
    auto* layout = new QVBoxLayout(w);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    // FormCreate: a weighted composite has no coordinate-system tool
    inny->setVisible(!model.composite);
    pages->setTabEnabled(kTabWymiarowanie, !model.composite);
  }

  // ---- showing values ------------------------------------------------------------------

  QString JtText() {
    if (model.flags[1]) return "-";
    return js->isChecked() ? Liczba(r()[slot::Jt], " cm^4") + " (PN)"
                           : Liczba(r()[slot::Js], " cm^4");
  }
  QString WtText() {
    if (model.flags[1]) return "-";
    return Liczba(r()[js->isChecked() ? slot::Wt : slot::Ws], " cm^3");
  }
  int JtSlot() const { return js->isChecked() ? slot::Jt : slot::Js; }
  int WtSlot() const { return js->isChecked() ? slot::Wt : slot::Ws; }

  void Odswiez(QLabel* label) {
    const Cell c = cells.value(label);
    label->setText(Liczba(r()[c.slot] / c.divisor, c.suffix));
  }
  void Odswiez(std::initializer_list<const char*> names) {
    for (const char* n : names) Odswiez(L(n));
  }

  void Caption() { w->setWindowTitle((" " + name()).left(kNameChars + 1)); }

  void WypelnijStatyke() {
    editOpis->setText(name());
    // the smaller modulus of each principal axis, the first on a tie
    const int wx = MniejszyWskaznik(r(), slot::Wcx, slot::Wtx);
    const int wy = MniejszyWskaznik(r(), slot::Wcy, slot::Wty);
    // with the axes named y, z the rows of the two axes change places
    cells[L("LabelJx")].slot = ctx.osieYZ ? slot::J2 : slot::J1;
    cells[L("LabelJy")].slot = ctx.osieYZ ? slot::J1 : slot::J2;
    cells[L("LabelWx")].slot = ctx.osieYZ ? wy : wx;
    cells[L("LabelWy")].slot = ctx.osieYZ ? wx : wy;
    Odswiez({"LabelA", "LabelAvy", "LabelAvx", "LabelJy", "LabelJx", "LabelWy", "LabelWx",
             "LabelObz", "LabelObw"});
    L("LabelJt")->setText(JtText());
    L("LabelWt")->setText(WtText());
    // a section without a hole has no inner perimeter to show
    for (const char* n : {"CaptionObw", "LabelObw"}) L(n)->setVisible(!model.flags[7]);
    if (ctx.osieYZ)
      for (const Nazwa& n : kOsieYZ) L(n.name)->setText(n.text);
  }

  void WypelnijWymiarowanie() {
    const PropertiesRecord& p = r();
    Odswiez({"LabelStA", "LabelStAvx", "LabelStAvy", "LabelStIvy", "LabelStIvx", "LabelStWcx",
             "LabelStWcy", "LabelStWtx", "LabelStWty", "LabelStWplx", "LabelStWply", "LabelStJx",
             "LabelStJy", "LabelStxT", "LabelStyT", "LabelStw1", "LabelStw2", "LabelStJw"});
    const Point plastic = PunktPlastyczny(p);
    L("LabelStxS")->setText(Dwie(p[slot::xS] / 10, "") + "/" + Dwie(plastic.x / 10, " cm"));
    L("LabelStyS")->setText(Dwie(p[slot::yS] / 10, "") + "/" + Dwie(plastic.y / 10, " cm"));
    L("LabelStAlfa")->setText(Liczba(p[slot::al] * 180 / std::numbers::pi, "°"));
    L("LabelStix")->setText(Liczba(PromienBezwladnosci(p[slot::J1], p[slot::A]), " cm"));
    L("LabelStiy")->setText(Liczba(PromienBezwladnosci(p[slot::J2], p[slot::A]), " cm"));
  }

  void WypelnijGeometrie() {
    const PropertiesRecord& p = r();
    Odswiez({"LabelGA", "LabelGxS", "LabelGyS", "LabelGJ1", "LabelGJ2"});
    L("LabelGAlfa")->setText(Liczba(p[slot::al] * 180 / std::numbers::pi, "°"));
    const MomentyStatyczne st = MomentyStatyczneWzgledemPoczatku(p);
    L("LabelGSx")->setText(Liczba(st.sx, " cm^3"));
    L("LabelGSy")->setText(Liczba(st.sy, " cm^3"));
    const MomentyOsi central = MomentyCentralne(p);
    L("LabelGJx")->setText(Liczba(central.jx, " cm^4"));
    L("LabelGJy")->setText(Liczba(central.jy, " cm^4"));
    L("LabelGJxy")->setText(Liczba(central.jxy, " cm^4"));
    L("LabelMasa")->setText(ctx.massText);
    L("LabelGamma")->setText(ctx.materialText);
    for (QWidget* row : massRows) row->setVisible(!model.composite);
  }

  // ---- activation and the sketch ---------------------------------------------------------

  // the results sketch fitted to PaintBox1 and, for the sections dimensioned overall, the
  // dimension list made anew; the imported outline keeps the main sketch's pixels
  void Dopasuj() {
    std::vector<std::pair<int32_t, int32_t>> pixels;
    for (const ImportedPoint& q : model.imported) pixels.emplace_back(q.px, q.py);
    SkalujSzkic(model, mapping, paintBox->width(), paintBox->height(), 0, r()[slot::xS],
                r()[slot::yS]);
    for (size_t i = 0; i < pixels.size(); ++i)
      std::tie(model.imported[i].px, model.imported[i].py) = pixels[i];
    if (WymiaryCalkowite(model.kind)) ZastapWymiaryCalkowitymi(model, mapping);
    paintBox->update();
  }

  void FormActivate() {
    activated = true;
    position() = w->pos() + QPoint(20, 20);
    savedMain = mainMapping;
    mainMapping.zoom = 1.0;
    mainMapping.panX = mainMapping.panY = 0;
    mapping = SketchMapping{};
    Dopasuj();
    sketch = ResultsSketchOptions{};
    sketch.osieYZ = ctx.osieYZ;
    Caption();
    js->setEnabled(r()[slot::Js] != 0 && model.kind != kUzebrowanie);
    WypelnijStatyke();
    WypelnijWymiarowanie();
    WypelnijGeometrie();
    pages->setCurrentIndex(std::clamp(tab(), 0, pages->count() - 1));
  }

  void PageControlListaChange(int index) {
    if (model.composite && index == kTabWymiarowanie) pages->setCurrentIndex(kTabGeometria);
  }

  // ---- value dialogs --------------------------------------------------------------------

  // a number typed into a value dialog: one number, signed, with the unit at most; anything
  // else is refused with a message
  std::optional<double> Wpisana(const QString& text, const char* unit) {
    const std::string s = text.toStdString();
    if (!CalaLiczba(s, unit, true)) {
      PokazKomunikat(w, Blad("Niewłaściwa liczba", "(" + s + ")"), colour());
      return std::nullopt;
    }
    return CzytajLiczbe(s);
  }

  // the value dialog over the given rows: on OK each shown row is read, stored into the slot
  // its label shows (in the record's unit) and true is returned; the caller refreshes
  bool Popraw(const QString& title, std::vector<Wiersz> rows) {
    rows.resize(3);
    ZmianaPytanie question;
    question.title = title;
    question.pos = position();
    // each row prefilled with the value its label shows, as a number alone (the torsion
    // constant without its "(PN)")
    for (int i = 0; i < 3; ++i)
      if (rows[i].label) {
        const Cell c = cells.value(rows[i].label);
        question.rows[i] = Pokazany(rows[i].caption, Liczba(r()[c.slot] / c.divisor, c.suffix));
      }
    const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, colour(), w);
    if (!answer.ok) return false;
    position() = answer.pos;
    double typed[3] = {};
    for (int i = 0; i < 3; ++i) {
      if (!rows[i].label) continue;
      const std::optional<double> value =
          Wpisana(answer.texts[i], cells.value(rows[i].label).suffix);
      if (!value) return false;
      typed[i] = *value;
    }
    for (int i = 0; i < 3; ++i) {
      QLabel* label = rows[i].label;
      if (!label) continue;
      const Cell c = cells.value(label);
      r()[c.slot] = typed[i] * c.divisor;
      // the row shows what was stored, without the "(PN)" of the torsion constant
      label->setText(Liczba(r()[c.slot] / c.divisor, c.suffix));
    }
    changed();
    return true;
  }

  void GroupBoxPolaClick() {
    if (Popraw("Pola przekroju", {{"poprzeczne A", L("LabelA")},
                                  {"na ścinanie Ay", L("LabelAvy")},
                                  {"na ścinanie Az", L("LabelAvx")}}))
      Odswiez({"LabelStA", "LabelStAvx", "LabelStAvy", "LabelGA"});
  }

  void GroupBoxMomentyClick() {
    QLabel* jt = L("LabelJt");
    cells[jt] = {JtSlot(), 1, " cm^4"};
    Popraw("Momenty bezwładności",
           {{"na skręcanie Jt", jt}, {"główny Jy", L("LabelJy")}, {"główny Jz", L("LabelJx")}});
  }

  void GroupBoxWskazClick() {
    QLabel* wt = L("LabelWt");
    cells[wt] = {WtSlot(), 1, " cm^3"};
    Popraw("Wskaźniki przekroju", {{"na skręcanie Wt", wt},
                                   {"na zginanie Wy", L("LabelWy")},
                                   {"na zginanie Wz", L("LabelWx")}});
  }

  void GroupBoxObwodyClick() {
    Popraw("Obwody", {{"Zewnętrzny", L("LabelObz")},
                      {"Wewnętrzny", model.flags[7] ? nullptr : L("LabelObw")}});
  }

  void GroupBoxJwClick() {
    Popraw("Parametry wycinkowe", {{"Pole - w1", L("LabelStw1")},
                                   {"Pole - w2", L("LabelStw2")},
                                   {"Moment - Jw", L("LabelStJw")}});
  }

  void EditOpisClick() {
    // the name alone, over the dialog's width
    ZmianaPytanie question;
    question.title = "Opis przekroju";
    question.pos = position();
    question.rows[1] = Pokazany(QString(), name(), kNameChars);
    const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, colour(), w);
    if (!answer.ok) return;
    position() = answer.pos;
    nameChanged = true;
    const QString text = answer.texts[1].left(kNameChars);
    r().setName(text.toStdString());
    Caption();
    editOpis->setText(text);
  }

  void SpeedButtonPolClick() {
    const bool halve = pol->text() == kPolowa;
    QString text = name();
    text = halve ? ("1/2" + text).left(kNameChars) : text.mid(3);
    r().setName(text.toStdString());
    PolowaPrzekroju(r(), halve);
    pol->setText(halve ? kCaly : kPolowa);
    pol->setToolTip(halve ? QString() : kPolowaHint);
    editOpis->setText(name());
    Odswiez({"LabelA", "LabelAvx", "LabelAvy", "LabelJx", "LabelJy"});
    L("LabelJt")->setText(JtText());
    changed();
  }

  void CheckBoxJsClick() {
    L("LabelJt")->setText(JtText());
    L("LabelWt")->setText(WtText());
  }

  void LabelInnyClick() {
    ZmianaPytanie question;
    question.title = "Nowy układ współrzędnych";
    question.pos = position();
    question.rows[0] =
        Pokazany(ctx.osieYZ ? "początek Y0" : "początek X0", Dwie(sketch.userX0, " mm"));
    question.rows[1] =
        Pokazany(ctx.osieYZ ? "początek Z0" : "początek Y0", Dwie(sketch.userY0, " mm"));
    question.rows[2] =
        Pokazany("kąt obrotu", QString::fromStdString(FormatLiczby(1, "°", sketch.userAngle)));
    const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, colour(), w);
    if (!answer.ok) return;
    position() = answer.pos;
    const std::optional<double> x0 = Wpisana(answer.texts[0], " mm");
    if (!x0) return;
    const std::optional<double> y0 = Wpisana(answer.texts[1], " mm");
    if (!y0) return;
    const std::optional<double> angle = Wpisana(answer.texts[2], "°");
    if (!angle) return;
    sketch.userX0 = *x0;
    sketch.userY0 = *y0;
    sketch.userAngle = *angle;

    const MomentyUzytkownika u =
        MomentyWUkladzie(r(), sketch.userX0, sketch.userY0, sketch.userAngle);
    L("LabelGJx")->setText(Liczba(u.j.jx, " cm^4"));
    L("LabelGJy")->setText(Liczba(u.j.jy, " cm^4"));
    L("LabelGJxy")->setText(Liczba(u.j.jxy, " cm^4"));
    L("LabelGSx")->setText(Liczba(u.sx, " cm^3"));
    L("LabelGSy")->setText(Liczba(u.sy, " cm^3"));
    L("Label41")->setText(ctx.osieYZ ? "Moment bezwładności Jy: " : "Moment bezwładności Jx: ");
    L("Label42")->setText(ctx.osieYZ ? "Moment bezwładności Jz: " : "Moment bezwładności Jy: ");
    L("Label43")->setText(ctx.osieYZ ? "Moment dewiacji Jyz: " : "Moment dewiacji Jxy: ");
    for (const char* n : {"Label37", "Label38", "Label41", "Label42", "Label43"})
      SetColour(L(n), kLink);
    sketch.userSystem = true;
    paintBox->update();
  }

  // ---- leaving ------------------------------------------------------------------------

  void LabelZapiszClick() {
    if (ctx.save) ctx.save();
    Dopasuj();
  }

  void ButtonListaZamkClick() {
    const QString text = editOpis->text().left(kNameChars);
    r().setName(text.toStdString());
    if (nameChanged && ctx.renamed) ctx.renamed(text);
    tab() = pages->currentIndex();
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
