#include "ui/main/form_zmiana.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvik::ui {

TFormZmiana::TFormZmiana(const QColor& windowColour, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormZmiana");
  setWindowTitle("Zmiana");
  QPalette window = palette();
  window.setColor(QPalette::Window, windowColour);
  setPalette(window);
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < 3; ++i) {
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName(QString("Label%1").arg(i + 1));
    edits_[i] = new QLineEdit(this);
    edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    edits_[i]->setMinimumWidth(180);
    labels_[i]->setBuddy(edits_[i]);
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(edits_[i], i, 1);
    connect(edits_[i], &QLineEdit::returnPressed, this, [this, i] { EnterIn(i + 1); });
  }
  hint_ = new QLabel("W nazwie musi zostać \"Zespolony\"", this);
  hint_->setObjectName("Label4");
  hint_->hide();
  grid->addWidget(hint_, 3, 0, 1, 2);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ButtonOK");
  auto* cancel = new QPushButton("Anuluj", this);
  cancel->setObjectName("SpeedButtonAnuluj");
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(ok, 4, 0);
  grid->addWidget(cancel, 4, 1, Qt::AlignRight);
}

void TFormZmiana::showRows(std::initializer_list<int> rows) {
  for (int i = 0; i < 3; ++i) {
    const bool shown = std::find(rows.begin(), rows.end(), i + 1) != rows.end();
    labels_[i]->setVisible(shown);
    edits_[i]->setVisible(shown);
  }
}

void TFormZmiana::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  (edits_[0]->isVisibleTo(this) ? edits_[0] : edits_[1])->setFocus();
}

// Enter moves to the next shown row, or closes with OK after the last one
void TFormZmiana::EnterIn(int row) {
  for (int next = row; next < 3; ++next)
    if (edits_[next]->isVisibleTo(this)) {
      edits_[next]->setFocus();
      return;
    }
  accept();
}

}  // namespace tarvik::ui
