#include "ui/main/form_odczyt.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/form_dodaj.h"

namespace tarvik::ui {
namespace {

void Kolor(QPushButton* button, const char* colour) {
  button->setStyleSheet(QString("QPushButton { color: %1; }").arg(colour));
}

}  // namespace

TFormOdczyt::TFormOdczyt(const OdczytPytanie& question, QWidget* parent)
    : QDialog(parent), question_(question) {
  setObjectName("TFormOdczyt");
  setWindowTitle("Zmiana współrzędnych");
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour

  const bool one = question.liczba == 1;
  struct Item {
    const char* name;
    QString text;
    ZmianaPunktow akcja;
  };
  std::vector<Item> items = {
      {"SpeedButtonX", one ? "Nowa wsp.X" : "Wspólna wsp.X", ZmianaPunktow::kUstawX},
      {"SpeedButtonY", one ? "Nowa wsp.Y" : "Wspólna wsp.Y", ZmianaPunktow::kUstawY},
  };
  if (!one) {
    items.push_back({"SpeedButtonDodajX", "Dodaj do X", ZmianaPunktow::kDodajX});
    items.push_back({"SpeedButtonDodajY", "Dodaj do Y", ZmianaPunktow::kDodajY});
  }
  auto* column = new QVBoxLayout(this);
  for (const Item& item : items) {
    auto* button = new QPushButton(item.text, this);
    button->setObjectName(item.name);
    button->setAutoDefault(false);
    Kolor(button, "blue");
    const ZmianaPunktow akcja = item.akcja;
    connect(button, &QPushButton::clicked, this,
            [this, button, akcja] { Przycisk(button, akcja); });
    column->addWidget(button);
  }
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("SpeedButtonAnuluj");
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  column->addSpacing(6);
  column->addWidget(cancel);
  if (question.pos) move(*question.pos);
  setMinimumWidth(220);
}

void TFormOdczyt::Przycisk(QPushButton* button, ZmianaPunktow akcja) {
  const bool add = akcja == ZmianaPunktow::kDodajX || akcja == ZmianaPunktow::kDodajY;
  const bool x = akcja == ZmianaPunktow::kUstawX || akcja == ZmianaPunktow::kDodajX;
  DodajPytanie ask;
  ask.tytul = QString(add ? "Do współrzędnych " : "Nowa współrzędna ") + (x ? "X" : "Y");
  ask.podpis = add ? QString("dodaj") : QString(x ? "X" : "Y");
  ask.wartosc = add ? 10 : x ? question_.sredniaX : question_.sredniaY;
  ask.pos = pos() + QPoint(20, 20);
  Kolor(button, "purple");
  const DodajOdpowiedz typed = TFormDodaj::Wartosc(ask, this);
  Kolor(button, "blue");
  if (!typed.ok) return;
  answer_.akcja = akcja;
  answer_.wartosc = typed.wartosc;
  accept();
}

OdczytOdpowiedz TFormOdczyt::Zmiana(const OdczytPytanie& question, QWidget* parent) {
  TFormOdczyt dialog(question, parent);
  dialog.exec();
  OdczytOdpowiedz answer = dialog.odpowiedz();
  answer.pos = dialog.pos();
  return answer;
}

}  // namespace tarvik::ui
