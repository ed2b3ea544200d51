#include "ui/main/dialog_buttons.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace tarvik::ui {

OkAnuluj PrzyciskiOkAnuluj(QDialog* dialog) {
  OkAnuluj b;
  b.ok = new QPushButton("OK", dialog);
  b.ok->setObjectName("ButtonOK");
  b.cancel = new QPushButton("Anuluj", dialog);
  b.cancel->setObjectName("SpeedButtonAnuluj");
  b.ok->setAutoDefault(false);
  b.cancel->setAutoDefault(false);
  QObject::connect(b.ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return b;
}

void OdlaczEdycje(QDialog* dialog) {
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) edit->disconnect(dialog);
}

}  // namespace tarvik::ui
