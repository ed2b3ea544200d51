#include "ui/results/wiersze_mes.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <new>

#include "ui/results/lista_stan.h"

namespace tarvik::ui {
namespace {

const QString kLicze = "liczę…";
const QString kNiepolaczone = "części niepołączone";
const QString kBrak = "brak";

// runs in the pool: ObliczMES reports its own failures; memory running out on a large mesh
// comes back the same way rather than through the future
fe::WynikPrzekroju Oblicz(const SectionModel& model) {
  try {
    return fe::ObliczMES(model);
  } catch (const std::bad_alloc&) {
    fe::WynikPrzekroju w;
    w.error = "za mało pamięci na siatkę przekroju";
    return w;
  }
}

// a centre on an axis of symmetry comes a rounding error off it: below what four decimals of
// a centimetre show it is 0, shown "0,0" like the formula's centre
double Srodek(double mm) { return std::abs(mm) < 5e-4 ? 0.0 : mm / 10; }

}  // namespace

QThreadPool& PulaMES() {
  // two tasks at a time: a mesh cannot be stopped midway, so a closed window's task runs on
  // (a queued one is cancelled); the second thread lets the next window compute beside one
  // slow leftover. At exit a task still running is given 0,2 s and then left to end with the
  // process rather than hold it open.
  struct Pula {
    QThreadPool* pool = new QThreadPool;
    Pula() { pool->setMaxThreadCount(2); }
    ~Pula() {
      pool->clear();
      if (pool->waitForDone(200)) delete pool;
    }
  };
  static Pula pula;
  return *pula.pool;
}

WierszeMES::WierszeMES(ListaStan& s, QGridLayout* g, int row, std::function<void()> redraw)
    : s_(s), redraw_(std::move(redraw)) {
  const bool yz = s.ctx.osieYZ;
  jt_ = s.Row(g, row, 0, nullptr, "Jt (MES): ", "LabelMesJt", 3);
  jw_ = s.Row(g, row + 1, 0, nullptr, "Jw (MES): ", "LabelMesJw", 3);
  srodek_ = s.Row(g, row + 2, 0, nullptr, yz ? "yT, zT (MES): " : "xT, yT (MES): ", "LabelMesT", 3);
  av_ =
      s.Row(g, row + 3, 0, nullptr, yz ? "Avy, Avz (MES): " : "Avx, Avy (MES): ", "LabelMesAv", 3);
  for (QLabel* v : {jt_, jw_, srodek_, av_}) v->setToolTip("Metodą elementów skończonych");
  blad_ = s.Label(g->parentWidget(), "LabelMesBlad", QString());
  blad_->setWordWrap(true);
  blad_->hide();
  g->addWidget(blad_, row + 4, 0, 1, 4);
  tMes_ = new QCheckBox("T wg MES", g->parentWidget());
  tMes_->setObjectName("CheckBoxTMes");
  tMes_->setToolTip("Znak T szkicu w środku ścinania obliczonym metodą elementów skończonych");
  tMes_->setEnabled(false);
  g->addWidget(tMes_, row + 5, 0, 1, 4);
  QObject::connect(tMes_, &QCheckBox::toggled, s.w, [this] { CheckBoxTMesClick(); });

  busy_.setSingleShot(true);
  busy_.setInterval(100);
  QObject::connect(&busy_, &QTimer::timeout, &busy_, [this] {
    if (!wynik_) Pokaz(kLicze);
  });
  QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_, [this] { Gotowe(); });
}

WierszeMES::~WierszeMES() {
  // a task still queued never starts; a running one cannot be stopped midway, so it finishes
  // in the pool on its own copy and nobody reads its result (the watcher goes with this)
  future_.cancel();
}

void WierszeMES::Licz() {
  wynik_.reset();
  Pokaz(QString());
  busy_.start();
  // a copy of the section for the task: the window corrects and halves the record meanwhile
  future_ = QtConcurrent::run(&PulaMES(), [model = s_.model] { return Oblicz(model); });
  watcher_.setFuture(future_);
}

void WierszeMES::Pokaz(const QString& text) {
  for (QLabel* v : {jt_, jw_, srodek_, av_}) v->setText(text);
}

void WierszeMES::Gotowe() {
  busy_.stop();
  if (future_.isCanceled() || future_.resultCount() == 0) return;
  wynik_ = future_.result();
  Wypelnij();
}

void WierszeMES::Wypelnij() {
  if (!wynik_) return;
  const fe::WynikPrzekroju& w = *wynik_;
  blad_->setVisible(!w.ok);
  if (!w.ok) {
    Pokaz(kBrak);
    blad_->setText("Wartości MES: " + QString::fromStdString(w.error));
    return;
  }
  const fe::WynikMES& v = w.values;
  // "Połowa" halves A, Avx, Avy, J1, J2, Jt and Js in the record (half a beam cut in its plane
  // of symmetry) and leaves Jw and the shear centre: the finite-element values follow suit
  const double k = s_.polowa ? 2 : 1;
  jt_->setText(s_.Liczba(v.J / 1e4 / k, " cm^4"));  // mm^4 -> cm^4
  av_->setText(s_.Liczba(v.Avx / 100 / k, "") + "/" + s_.Liczba(v.Avy / 100 / k, " cm^2"));
  // parts that do not touch have no common warping nor shear centre
  const bool joined =
      v.parts <= 1 && std::isfinite(v.Iw) && std::isfinite(v.xT) && std::isfinite(v.yT);
  jw_->setText(joined ? s_.Liczba(v.Iw / 1e6, " cm^6") : kNiepolaczone);
  srodek_->setText(joined ? s_.Liczba(Srodek(v.xT), "") + "/" + s_.Liczba(Srodek(v.yT), " cm")
                          : kNiepolaczone);
  tMes_->setEnabled(joined);
}

void WierszeMES::CheckBoxTMesClick() {
  s_.sketch.srodekMES.reset();
  if (tMes_->isChecked() && wynik_ && tMes_->isEnabled())
    s_.sketch.srodekMES = Point{wynik_->values.xT, wynik_->values.yT};
  redraw_();
}

}  // namespace tarvik::ui
