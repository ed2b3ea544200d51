#include "ui/main/form_klasa_dr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "generators/timber.h"

namespace tarvik::ui {

TFormKlasaDr::TFormKlasaDr(const KlasaPytanie& question, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormKlasaDr");
  setWindowTitle("Klasa drewna");
  // the window colour of the main window, which the tab carries
  setAttribute(Qt::WA_WindowPropagation);

  auto* group = new QGroupBox(" Drewno ", this);
  group->setObjectName("GroupBoxDrewno");
  lite_ = new QRadioButton("Lite", group);
  lite_->setObjectName("RadioButtonLite");
  klejone_ = new QRadioButton("Klejone", group);
  klejone_->setObjectName("RadioButtonKlejone");
  auto* kinds = new QHBoxLayout(group);
  kinds->addWidget(lite_);
  kinds->addWidget(klejone_);
  kinds->addStretch(1);

  caption_ =
      new QLabel(question.member.isEmpty() ? QString("Klasa") : "Klasa " + question.member, this);
  caption_->setObjectName("LabelKlasa");
  lista_ = new QListWidget(this);
  lista_->setObjectName("ListBoxKlasa");
  caption_->setBuddy(lista_);
  // the longer kind's 18 classes without a scroll bar would make a tall dialog: ten rows
  lista_->setMinimumHeight(lista_->fontMetrics().height() * 10);
  lista_->setMinimumWidth(180);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ButtonOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("SpeedButtonAnuluj");
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(lista_, &QListWidget::itemActivated, this, &QDialog::accept);
  connect(lite_, &QRadioButton::clicked, this, &TFormKlasaDr::RadioButtonClick);
  connect(klejone_, &QRadioButton::clicked, this, &TFormKlasaDr::RadioButtonClick);

  auto* grid = new QGridLayout(this);
  grid->addWidget(group, 0, 0, 1, 2);
  grid->addWidget(caption_, 1, 0, 1, 2);
  grid->addWidget(lista_, 2, 0, 1, 2);
  grid->addWidget(ok, 3, 0);
  grid->addWidget(cancel, 3, 1, Qt::AlignRight);

  // opens on the current class, in its kind's list
  const int current = KlasaDrewna(question.klasa.toStdString());
  (current >= kFirstGluedClass ? klejone_ : lite_)->setChecked(true);
  RadioButtonClick();
  const QList<QListWidgetItem*> found =
      lista_->findItems(QString::fromUtf8(TimberClassOf(current).name), Qt::MatchExactly);
  if (!found.isEmpty()) lista_->setCurrentItem(found.front());
  lista_->setFocus();
  if (question.pos) move(*question.pos);
}

void TFormKlasaDr::RadioButtonClick() {
  const QString picked = klasa();
  const bool glued = klejone_->isChecked();
  lista_->clear();
  for (int n = 1; n <= kTimberClasses; ++n)
    if ((n >= kFirstGluedClass) == glued) lista_->addItem(QString::fromUtf8(TimberClassOf(n).name));
  const QList<QListWidgetItem*> kept = lista_->findItems(picked, Qt::MatchExactly);
  lista_->setCurrentRow(kept.isEmpty() ? 0 : lista_->row(kept.front()));
}

QString TFormKlasaDr::klasa() const {
  const QListWidgetItem* item = lista_->currentItem();
  return item ? item->text() : QString();
}

KlasaOdpowiedz TFormKlasaDr::Wybierz(const KlasaPytanie& question, QWidget* parent) {
  TFormKlasaDr dialog(question, parent);
  KlasaOdpowiedz answer;
  answer.ok = dialog.exec() == QDialog::Accepted && !dialog.klasa().isEmpty();
  answer.klasa = dialog.klasa();
  answer.pos = dialog.pos();
  return answer;
}

}  // namespace tarvik::ui
