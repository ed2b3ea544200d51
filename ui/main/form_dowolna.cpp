#include "ui/main/form_dowolna.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvik::ui {

TFormDowolna::TFormDowolna(const DowolnaPytanie& question, QWidget* parent)
    : QDialog(parent), question_(question) {
  setObjectName("TFormDowolna");
  setWindowTitle("Nowa figura");
  setAttribute(Qt::WA_WindowPropagation);

  auto* kind = new QGroupBox(" Figura ", this);
  kind->setObjectName("GroupBoxRodzaj");
  zew_ = new QRadioButton("Zewnętrzna", kind);
  zew_->setObjectName("RadioButtonZew");
  wew_ = new QRadioButton("Wewnętrzna", kind);
  wew_->setObjectName("RadioButtonWew");
  // the first figure is solid
  wew_->setEnabled(question.figury > 0);
  (question.figury > 0 && !question.zewnetrzna ? wew_ : zew_)->setChecked(true);
  auto* kinds = new QHBoxLayout(kind);
  kinds->addWidget(zew_);
  kinds->addWidget(wew_);

  auto* shapes = new QGroupBox(" Kształt ", this);
  shapes->setObjectName("GroupBoxKsztalt");
  auto* grid = new QGridLayout(shapes);
  struct Item {
    const char* name;
    const char* text;
    int choice;
  };
  const Item items[] = {{"SpeedButtonSzesc", "Sześciokąt", 0},
                        {"SpeedButtonProstokat", "Prostokąt", 1},
                        {"SpeedButtonTrojkat", "Trójkąt", 2},
                        {"SpeedButtonKolo", "Koło", 3},
                        {"SpeedButtonPolkole", "Półkole", 4},
                        {"SpeedButtonWycinek", "Wycinek koła", 5},
                        {"SpeedButtonOdcinek", "Odcinek koła", 6},
                        {"SpeedButtonWielokat", "Wielokąt", DowolnaOdpowiedz::kWielokat}};
  // shapes and files only while no underlay is shown: over one, the figure is drawn
  const bool free = !question.podklad;
  int at = 0;
  for (const Item& item : items) {
    auto* b = new QPushButton(item.text, shapes);
    b->setObjectName(item.name);
    b->setAutoDefault(false);
    b->setEnabled(free);
    grid->addWidget(b, at / 2, at % 2);
    ++at;
    const int choice = item.choice;
    connect(b, &QPushButton::clicked, this, [this, choice] { Koniec(choice); });
  }
  auto* dxf = new QPushButton("Plik .DXF", shapes);
  dxf->setObjectName("SpeedButtonDXF");
  dxf->setToolTip("Podkład z rysunku CAD: figury rysuje się po jego liniach");
  auto* txt = new QPushButton("Plik .TXT", shapes);
  txt->setObjectName("SpeedButtonTXT");
  txt->setToolTip("Kontur z pliku punktów");
  for (QPushButton* b : {dxf, txt}) {
    b->setAutoDefault(false);
    b->setEnabled(free);
  }
  grid->addWidget(dxf, 4, 0);
  grid->addWidget(txt, 4, 1);
  connect(dxf, &QPushButton::clicked, this,
          [this] { Plik(DowolnaOdpowiedz::kDxf, "Podkład CAD", "Pliki *.DXF (*.dxf *.DXF)"); });
  connect(txt, &QPushButton::clicked, this,
          [this] { Plik(DowolnaOdpowiedz::kTxt, "Kontur z pliku", "Pliki *.TXT (*.txt *.TXT)"); });

  siatka_ = new QCheckBox("Siatka", this);
  siatka_->setObjectName("CheckBoxSiatka");
  siatka_->setChecked(question.siatka);
  siatka_->setVisible(false);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ButtonOK");
  ok->setVisible(question.podklad);  // over an underlay OK starts the drawing
  ok->setDefault(question.podklad);
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("ButtonAnuluj");
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] { Koniec(DowolnaOdpowiedz::kOK); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(siatka_);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* page = new QVBoxLayout(this);
  page->addWidget(kind);
  page->addWidget(shapes);
  page->addLayout(buttons);
}

void TFormDowolna::Koniec(int wybor) {
  answer_.wybor = wybor;
  answer_.zewnetrzna = zew_->isChecked();
  answer_.siatka = siatka_->isChecked();
  accept();
}

void TFormDowolna::Plik(int wybor, const QString& caption, const QString& filter) {
  const QString path = question_.plik ? question_.plik(caption, filter)
                                      : QFileDialog::getOpenFileName(this, caption, {}, filter);
  if (path.isEmpty()) return;  // the file dialog cancelled: the choice goes on
  answer_.plik = path;
  Koniec(wybor);
}

DowolnaOdpowiedz TFormDowolna::Wybierz(const DowolnaPytanie& question, QWidget* parent) {
  TFormDowolna form(question, parent);
  if (question.pos) form.move(*question.pos);
  const bool ok = form.exec() == QDialog::Accepted;
  DowolnaOdpowiedz answer = form.odpowiedz();
  if (!ok) answer.wybor = DowolnaOdpowiedz::kBrak;
  answer.pos = form.pos();
  return answer;
}

}  // namespace tarvik::ui
