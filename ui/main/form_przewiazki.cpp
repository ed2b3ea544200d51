#include "ui/main/form_przewiazki.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "engine/numbers.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {
namespace {

const char* const kLetters[] = {"a", "b", "c", "d"};
const char* const kHints[] = {"Przewiązki", "Skratowanie pojedyncze",
                              "Skratowanie pojedyncze, krzyżulce naprzemienne",
                              "Skratowanie podwójne"};

}  // namespace

struct Pole {
  const char* caption;
  const char* unit;
  double step;
};

namespace {
// the fields of battens and of lacing; lacing has no third field
constexpr Pole kBattens[] = {{"L1 - osiowy rozstaw przewiązek", " m", 0.1},
                             {"b - szerokość", " mm", 1},
                             {"Grubość", " mm", 1}};
constexpr Pole kLacing[] = {{"a - kąt między osiami krzyżulca i gałęzi", "°", 1},
                            {"Pole przekroju krzyżulca (AD)", " cm^2", 1}};
constexpr const char* kDoubleLacingArea = "Pole przekroju krzyżulców (AD)";

bool Battens(int typ) { return typ == Przewiazki::kA; }

// a value as the fields show it: at most four decimals, then the unit
QString Tekst(double value, const char* unit) {
  return QString::fromStdString(FormatLiczby(4, unit, value));
}

}  // namespace

std::vector<std::pair<QString, QString>> RaportPrzewiazek(const Przewiazki& p) {
  const QString heading =
      QString("Przewiązki typ %1 (PN,rys.8)").arg(kLetters[std::clamp(p.typ, 0, 3)]);
  if (Battens(p.typ)) return {{heading, {}}, {"  L1/b/t: ", p.l1 + "/" + p.b + "/" + p.t}};
  return {{heading, {}}, {"  a/A: ", p.kat + "/" + p.pole}};
}

TFormPrzewiazki::TFormPrzewiazki(const Przewiazki& values, QWidget* parent)
    : QDialog(parent), values_(values) {
  setObjectName("TFormPrzewiazki");
  setWindowTitle("Przewiązki");
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour

  auto* typeRow = new QHBoxLayout;
  auto* exclusive = new QButtonGroup(this);
  for (int t = 0; t < 4; ++t) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString("SpeedButton%1").arg(t + 1));
    b->setText(QString("Typ ") + kLetters[t]);
    b->setToolTip(kHints[t]);
    b->setAccessibleName(QString("Typ ") + kLetters[t] + ": " + kHints[t]);
    b->setCheckable(true);
    b->setMinimumWidth(56);
    exclusive->addButton(b, t);
    typeRow->addWidget(b);
    types_[t] = b;
    connect(b, &QToolButton::clicked, this, [this, t] { SpeedButtonClick(t); });
  }
  typeRow->addStretch(1);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("ButtonOK");
  ok_->setDefault(true);
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("ButtonAnuluj");
  cancel->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addLayout(typeRow, 0, 0, 1, 2);
  for (int i = 0; i < kPola; ++i) {
    const QString n = QString::number(i + 1);
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName("Label" + n);
    edits_[i] = new DimensionEdit(n, this);
    edits_[i]->setFixedWidth(110);
    labels_[i]->setBuddy(edits_[i]->edit());
    grid->addWidget(labels_[i], i + 1, 0);
    grid->addWidget(edits_[i], i + 1, 1);
    // Enter and the arrows leave at most four decimals and the unit (the edits' own
    // normalising keeps three significant figures): Enter is taken here, before the edit
    // sees it, and a step is made again from the text before it
    edits_[i]->edit()->installEventFilter(this);
    for (const auto& [button, direction] :
         {std::pair{edits_[i]->up(), 1}, std::pair{edits_[i]->down(), -1}})
      connect(button, &QToolButton::pressed, this, [this, i, d = direction] {
        before_ = {edits_[i]->text(), d};
      });
    connect(edits_[i], &DimensionEdit::stepped, this, [this, i] {
      const double v = CzytajLiczbe(before_.first.toStdString()) + before_.second * Rule(i).step;
      edits_[i]->setText(Tekst(std::max(v, 0.0), Rule(i).unit));
    });
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch(1);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, kPola + 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  types_[std::clamp(values_.typ, 0, 3)]->setChecked(true);
  SpeedButtonClick(std::clamp(values_.typ, 0, 3));
}

const Pole& TFormPrzewiazki::Rule(int field) const {
  return Battens(shown_) ? kBattens[field] : kLacing[field];
}

bool TFormPrzewiazki::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (int i = 0; i < kPola; ++i)
      if (watched == edits_[i]->edit() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        edits_[i]->setText(Tekst(edits_[i]->value(), Rule(i).unit));
        ok_->setFocus();  // a second Enter closes the dialog
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormPrzewiazki::Zapamietaj() {
  if (shown_ < 0) return;
  if (Battens(shown_)) {
    values_.l1 = edits_[0]->text();
    values_.b = edits_[1]->text();
    values_.t = edits_[2]->text();
  } else {
    values_.kat = edits_[0]->text();
    values_.pole = edits_[1]->text();
  }
}

void TFormPrzewiazki::SpeedButtonClick(int typ) {
  Zapamietaj();
  shown_ = typ;
  values_.typ = typ;
  const bool battens = Battens(typ);
  const QString texts[kPola] = {battens ? values_.l1 : values_.kat,
                                battens ? values_.b : values_.pole, values_.t};
  for (int i = 0; i < kPola; ++i) {
    const bool shown = battens || i < 2;
    labels_[i]->setVisible(shown);
    edits_[i]->setVisible(shown);
    if (!shown) continue;
    const Pole& p = battens ? kBattens[i] : kLacing[i];
    labels_[i]->setText(QString::fromUtf8(p.caption));
    // lengths, an angle and an area: never negative
    edits_[i]->setRule({.unit = p.unit, .step = p.step, .minimum = 0});
    edits_[i]->setText(texts[i]);
  }
  if (typ == Przewiazki::kD) labels_[1]->setText(QString::fromUtf8(kDoubleLacingArea));
}

Przewiazki TFormPrzewiazki::values() const {
  // a number typed without Enter counts as confirmed: it is kept as Enter would show it
  auto field = [this](int i) { return Tekst(edits_[i]->value(), Rule(i).unit); };
  Przewiazki v = values_;
  if (Battens(shown_)) {
    v.l1 = field(0);
    v.b = field(1);
    v.t = field(2);
  } else {
    v.kat = field(0);
    v.pole = field(1);
  }
  return v;
}

std::optional<Przewiazki> TFormPrzewiazki::Wybierz(const Przewiazki& values, QPoint* pos,
                                                   QWidget* parent) {
  TFormPrzewiazki dialog(values, parent);
  if (pos && !pos->isNull()) dialog.move(*pos);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (pos) *pos = dialog.pos();
  return dialog.values();
}

}  // namespace tarvik::ui
