#include "ui/main/form_profil.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "engine/section_kind.h"

namespace tarvik::ui {

TFormProfil::TFormProfil(const QString& lastName, bool catalogue, const QColor& colour,
                         QWidget* parent)
    : QDialog(parent) {
  setObjectName("TFormProfil");
  setWindowTitle("Profil");
  QPalette window = palette();
  window.setColor(QPalette::Window, colour);
  setPalette(window);
  auto* layout = new QVBoxLayout(this);
  auto add = [&](QPushButton* b) {
    layout->addWidget(b);
    return b;
  };
  for (QPushButton* b : {Family("SpeedButtonWalc", "Walcowany", kWalcowane),
                         Family("SpeedButtonSpaw", "Spawany", kSpawane),
                         Family("SpeedButtonGiety", "Giety", kGiete)}) {
    b->setEnabled(catalogue);
    add(b);
  }
  add(Family("SpeedButtonProsty", "Prosty", kProste));
  QPushButton* same = add(Family("SpeedButtonTenSam", "Ten sam", kZlozone));
  same->setToolTip("Ten sam co ostatnio");
  if (!lastName.isEmpty()) same->setText("Ten sam: " + lastName.trimmed());
  same->setVisible(!lastName.isEmpty());
  auto* cancel = add(new QPushButton("Anuluj", this));
  cancel->setObjectName("SpeedButtonAnuluj");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* TFormProfil::Family(const char* name, const QString& text, int kind) {
  auto* b = new QPushButton(text, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, [this, kind] {
    kind_ = kind;
    accept();
  });
  return b;
}

}  // namespace tarvik::ui
