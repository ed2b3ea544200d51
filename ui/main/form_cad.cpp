#include "ui/main/form_cad.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/numbers.h"

namespace tarvik::ui {
namespace {

QString Milimetry(double v) { return QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + " mm"; }

// a read-only value with its caption, read together by a screen reader
QLineEdit* Gabaryt(const QString& caption, const QString& name, QGridLayout* grid, int row,
                   QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setAccessibleName(caption);
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  return edit;
}

}  // namespace

TFormCad::TFormCad(Podklad& podklad, int W, int H, std::optional<QPoint> pos, QWidget* parent)
    : QDialog(parent), podklad_(podklad), W_(W), H_(H) {
  setObjectName("TFormCad");
  setWindowTitle("Podkład CAD [mm]");
  setAttribute(Qt::WA_WindowPropagation);

  auto* grid = new QGridLayout(this);
  auto* caption = new QLabel("Skala", this);
  jednostka_ = new QComboBox(this);
  jednostka_->setObjectName("ComboBoxJedn");
  jednostka_->addItems({"1x", "10x", "100x", "1000x"});
  jednostka_->setCurrentIndex(0);
  caption->setBuddy(jednostka_);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(jednostka_, 0, 1);
  editX_ = Gabaryt("Gabaryt X", "EditX", grid, 1, this);
  editY_ = Gabaryt("Gabaryt Y", "EditY", grid, 2, this);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ButtonOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("ButtonAnuluj");
  cancel->setAutoDefault(false);
  grid->addWidget(ok, 3, 0);
  grid->addWidget(cancel, 3, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(jednostka_, &QComboBox::activated, this, &TFormCad::ComboBoxJednChange);

  PokazGabaryty();
  jednostka_->setFocus();
  if (pos) move(*pos);
}

void TFormCad::ComboBoxJednChange(int index) {
  static constexpr double kFactors[] = {1, 10, 100, 1000};
  if (index < 0 || index >= 4) return;
  SkalujPodklad(podklad_, kFactors[index], W_, H_);
  PokazGabaryty();
}

void TFormCad::PokazGabaryty() {
  editX_->setText(Milimetry(podklad_.szerokosc()));
  editY_->setText(Milimetry(podklad_.wysokosc()));
  editX_->setAccessibleDescription(editX_->text());
  editY_->setAccessibleDescription(editY_->text());
}

CadOdpowiedz TFormCad::Pokaz(Podklad& podklad, int W, int H, std::optional<QPoint> pos,
                             QWidget* parent) {
  TFormCad dialog(podklad, W, H, pos, parent);
  CadOdpowiedz answer;
  answer.ok = dialog.exec() == QDialog::Accepted;
  answer.pos = dialog.pos();
  return answer;
}

}  // namespace tarvik::ui
