#include "ui/results/lista_stan.h"

#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>

#include "engine/numbers.h"
#include "ui/main/form_blad.h"
#include "ui/main/form_zmiana.h"
#include "ui/main/value_label.h"

namespace tarvik::ui {

void SetColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  w->setPalette(p);
}

Klik::Klik(QWidget* target, std::function<void()> action)
    : QObject(target), action_(std::move(action)) {
  target->installEventFilter(this);
}

bool Klik::eventFilter(QObject*, QEvent* event) {
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

ListaStan::ListaStan(QDialog* window, SectionModel& m, const ListaContext& context)
    : w(window), model(m), ctx(context) {}

QColor ListaStan::colour() const {
  return ctx.windowColour.isValid() ? ctx.windowColour : w->palette().color(QPalette::Window);
}

void ListaStan::Caption() { w->setWindowTitle((" " + name()).left(kNameChars + 1)); }

QString ListaStan::Liczba(double value, const char* suffix) const {
  return QString::fromStdString(FormatLiczby(-1, suffix, value, ctx.allDigits));
}

QString ListaStan::Dwie(double value, const char* suffix) {
  return QString::fromStdString(FormatLiczby(2, suffix, value));
}

// ---- building -------------------------------------------------------------------------

QLabel* ListaStan::Label(QWidget* parent, const QString& objectName, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  named.insert(objectName, label);
  return label;
}

QLabel* ListaStan::Row(QGridLayout* grid, int row, int col, const char* captionName,
                       const QString& caption, const char* valueName, int captionSpan) {
  QWidget* page = grid->parentWidget();
  const QString valueObject = valueName;
  const QString captionObject = captionName ? QString(captionName) : "Caption" + valueObject.mid(5);
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

void ListaStan::Clickable(QLabel* label, std::function<void()> action) {
  label->setCursor(Qt::PointingHandCursor);
  label->setFocusPolicy(Qt::StrongFocus);
  label->setToolTip("Kliknij, aby poprawić wartości");
  label->setStyleSheet("QLabel:focus { text-decoration: underline; }");
  new Klik(label, std::move(action));
}

QGridLayout* ListaStan::Page(QTabWidget* pages, const char* objectName, const QString& title,
                             const QString& heading, int columns) {
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

// ---- values ---------------------------------------------------------------------------

void ListaStan::Odswiez(QLabel* label) {
  const Cell c = cells.value(label);
  label->setText(Liczba(r()[c.slot] / c.divisor, c.suffix));
}

void ListaStan::Odswiez(std::initializer_list<const char*> names) {
  for (const char* n : names) Odswiez(L(n));
}

std::optional<double> ListaStan::Wpisana(const QString& text, const char* unit) {
  const std::string s = text.toStdString();
  if (!CalaLiczba(s, unit, true)) {
    PokazKomunikat(w, Blad("Niewłaściwa liczba", "(" + s + ")"), colour());
    return std::nullopt;
  }
  return CzytajLiczbe(s);
}

bool ListaStan::Popraw(const QString& title, std::vector<Wiersz> rows) {
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
    const std::optional<double> value = Wpisana(answer.texts[i], cells.value(rows[i].label).suffix);
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

void ListaStan::GroupBoxPolaClick() {
  if (Popraw("Pola przekroju", {{"poprzeczne A", L("LabelA")},
                                {"na ścinanie Ay", L("LabelAvy")},
                                {"na ścinanie Az", L("LabelAvx")}}))
    Odswiez({"LabelStA", "LabelStAvx", "LabelStAvy", "LabelGA"});
}

}  // namespace tarvik::ui
