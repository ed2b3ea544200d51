#include "ui/results/strona_statyka.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include "engine/derived.h"
#include "ui/main/form_zmiana.h"
#include "ui/results/lista_stan.h"

namespace tarvik::ui {
namespace {

const QString kPolowa = "Połowa";
const QString kCaly = "Cały";
const QString kPolowaHint = "Dla belki w płaszczyźnie symetrii";

}  // namespace

StronaStatyka::StronaStatyka(ListaStan& s, QTabWidget* pages) : s_(s) {
  QGridLayout* g =
      s.Page(pages, "TabSheetStatyka", "Statyka", "Parametry do obliczeń statycznych", 2);
  QLabel* opis = s.Label(g->parentWidget(), "LabelOpis", "Opis");
  editOpis_ = new QLineEdit(g->parentWidget());
  editOpis_->setObjectName("EditOpis");
  editOpis_->setReadOnly(true);
  editOpis_->setCursor(Qt::PointingHandCursor);
  editOpis_->setToolTip("Kliknij, aby zmienić opis przekroju");
  opis->setBuddy(editOpis_);
  new Klik(editOpis_, [this] { EditOpisClick(); });
  auto* opisRow = new QHBoxLayout;
  opisRow->setSpacing(8);
  opisRow->addWidget(opis);
  opisRow->addWidget(editOpis_, 1);
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
  for (const R& x : rows) s.Row(g, row++, 0, nullptr, x.caption, x.value);
  s.named.value("CaptionObw")->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  g->setColumnStretch(0, 1);

  s.cells[s.L("LabelA")] = {slot::A, 1, " cm^2"};
  s.cells[s.L("LabelAvy")] = {slot::Avy, 1, " cm^2"};
  s.cells[s.L("LabelAvx")] = {slot::Avx, 1, " cm^2"};
  s.cells[s.L("LabelJy")] = {slot::J2, 1, " cm^4"};
  s.cells[s.L("LabelJx")] = {slot::J1, 1, " cm^4"};
  s.cells[s.L("LabelWy")] = {slot::Wcy, 1, " cm^3"};
  s.cells[s.L("LabelWx")] = {slot::Wcx, 1, " cm^3"};
  s.cells[s.L("LabelObz")] = {slot::Oz, 10, " cm"};
  s.cells[s.L("LabelObw")] = {slot::Ow, 10, " cm"};

  for (const char* n : {"LabelA", "LabelAvx", "LabelAvy"})
    s.Clickable(s.L(n), [this] { s_.GroupBoxPolaClick(); });
  for (const char* n : {"LabelJt", "LabelJx", "LabelJy"})
    s.Clickable(s.L(n), [this] { GroupBoxMomentyClick(); });
  for (const char* n : {"LabelWt", "LabelWy", "LabelWx"})
    s.Clickable(s.L(n), [this] { GroupBoxWskazClick(); });
  for (const char* n : {"LabelObz", "LabelObw"})
    s.Clickable(s.L(n), [this] { GroupBoxObwodyClick(); });

  pol_ = new QToolButton(g->parentWidget());
  pol_->setObjectName("SpeedButtonPol");
  pol_->setText(kPolowa);
  pol_->setToolTip(kPolowaHint);
  pol_->setAutoRaise(true);
  SetColour(pol_, kLink);
  QObject::connect(pol_, &QToolButton::clicked, s.w, [this] { SpeedButtonPolClick(); });
  g->addWidget(pol_, row++, 0, 1, 2, Qt::AlignLeft);
  g->setRowStretch(row, 1);
}

void StronaStatyka::UzyjJs(QCheckBox* js) {
  js_ = js;
  QObject::connect(js_, &QCheckBox::clicked, s_.w, [this] { CheckBoxJsClick(); });
}

QString StronaStatyka::opis() const { return editOpis_->text(); }

QString StronaStatyka::JtText() {
  if (s_.model.flags[1]) return "-";
  return js_->isChecked() ? s_.Liczba(s_.r()[slot::Jt], " cm^4") + " (PN)"
                          : s_.Liczba(s_.r()[slot::Js], " cm^4");
}

QString StronaStatyka::WtText() {
  if (s_.model.flags[1]) return "-";
  return s_.Liczba(s_.r()[js_->isChecked() ? slot::Wt : slot::Ws], " cm^3");
}

int StronaStatyka::JtSlot() const { return js_->isChecked() ? slot::Jt : slot::Js; }
int StronaStatyka::WtSlot() const { return js_->isChecked() ? slot::Wt : slot::Ws; }

void StronaStatyka::Wypelnij() {
  editOpis_->setText(s_.name());
  const bool osieYZ = s_.ctx.osieYZ;
  // the smaller modulus of each principal axis, the first on a tie
  const int wx = MniejszyWskaznik(s_.r(), slot::Wcx, slot::Wtx);
  const int wy = MniejszyWskaznik(s_.r(), slot::Wcy, slot::Wty);
  // with the axes named y, z the rows of the two axes change places
  s_.cells[s_.L("LabelJx")].slot = osieYZ ? slot::J2 : slot::J1;
  s_.cells[s_.L("LabelJy")].slot = osieYZ ? slot::J1 : slot::J2;
  s_.cells[s_.L("LabelWx")].slot = osieYZ ? wy : wx;
  s_.cells[s_.L("LabelWy")].slot = osieYZ ? wx : wy;
  s_.Odswiez({"LabelA", "LabelAvy", "LabelAvx", "LabelJy", "LabelJx", "LabelWy", "LabelWx",
              "LabelObz", "LabelObw"});
  s_.L("LabelJt")->setText(JtText());
  s_.L("LabelWt")->setText(WtText());
  // a section without a hole has no inner perimeter to show
  for (const char* n : {"CaptionObw", "LabelObw"}) s_.L(n)->setVisible(!s_.model.flags[7]);
}

void StronaStatyka::GroupBoxMomentyClick() {
  QLabel* jt = s_.L("LabelJt");
  s_.cells[jt] = {JtSlot(), 1, " cm^4"};
  s_.Popraw(
      "Momenty bezwładności",
      {{"na skręcanie Jt", jt}, {"główny Jy", s_.L("LabelJy")}, {"główny Jz", s_.L("LabelJx")}});
}

void StronaStatyka::GroupBoxWskazClick() {
  QLabel* wt = s_.L("LabelWt");
  s_.cells[wt] = {WtSlot(), 1, " cm^3"};
  s_.Popraw("Wskaźniki przekroju", {{"na skręcanie Wt", wt},
                                    {"na zginanie Wy", s_.L("LabelWy")},
                                    {"na zginanie Wz", s_.L("LabelWx")}});
}

void StronaStatyka::GroupBoxObwodyClick() {
  s_.Popraw("Obwody", {{"Zewnętrzny", s_.L("LabelObz")},
                       {"Wewnętrzny", s_.model.flags[7] ? nullptr : s_.L("LabelObw")}});
}

void StronaStatyka::EditOpisClick() {
  // the name alone, over the dialog's width
  ZmianaPytanie question;
  question.title = "Opis przekroju";
  question.pos = s_.position();
  question.rows[1] = Pokazany(QString(), s_.name(), kNameChars);
  const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, s_.colour(), s_.w);
  if (!answer.ok) return;
  s_.position() = answer.pos;
  s_.nameChanged = true;
  const QString text = answer.texts[1].left(kNameChars);
  s_.r().setName(text.toStdString());
  s_.Caption();
  editOpis_->setText(text);
}

void StronaStatyka::SpeedButtonPolClick() {
  const bool halve = pol_->text() == kPolowa;
  QString text = s_.name();
  text = halve ? ("1/2" + text).left(kNameChars) : text.mid(3);
  s_.r().setName(text.toStdString());
  PolowaPrzekroju(s_.r(), halve);
  s_.polowa = halve;
  if (s_.polowaZmieniona) s_.polowaZmieniona();
  pol_->setText(halve ? kCaly : kPolowa);
  pol_->setToolTip(halve ? QString() : kPolowaHint);
  editOpis_->setText(s_.name());
  s_.Odswiez({"LabelA", "LabelAvx", "LabelAvy", "LabelJx", "LabelJy"});
  s_.L("LabelJt")->setText(JtText());
  s_.changed();
}

void StronaStatyka::CheckBoxJsClick() {
  s_.L("LabelJt")->setText(JtText());
  s_.L("LabelWt")->setText(WtText());
}

}  // namespace tarvik::ui
