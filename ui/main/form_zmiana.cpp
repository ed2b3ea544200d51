#include "ui/main/form_zmiana.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvik::ui {

TFormZmiana::TFormZmiana(const ZmianaPytanie& question, const QColor& windowColour, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TFormZmiana");
  setWindowTitle(question.title.isEmpty() ? QString("Zmiana") : question.title);
  QPalette window = palette();
  window.setColor(QPalette::Window, windowColour);
  setPalette(window);
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < 3; ++i) {
    const ZmianaWiersz& row = question.rows[i];
    labels_[i] = new QLabel(row.caption, this);
    labels_[i]->setObjectName(QString("Label%1").arg(i + 1));
    edits_[i] = new QLineEdit(this);
    edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    edits_[i]->setMinimumWidth(180);
    if (row.maxLength > 0) edits_[i]->setMaxLength(row.maxLength);
    edits_[i]->setText(row.text);
    labels_[i]->setBuddy(edits_[i]);
    const bool wide = row.shown && row.caption.isEmpty();
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(edits_[i], i, wide ? 0 : 1, 1, wide ? 2 : 1);
    labels_[i]->setVisible(row.shown && !wide);
    edits_[i]->setVisible(row.shown);
    connect(edits_[i], &QLineEdit::returnPressed, this, [this, i] { EnterIn(i + 1); });
  }
  hint_ = new QLabel("W nazwie musi zostać \"Zespolony\"", this);
  hint_->setObjectName("Label4");
  hint_->setVisible(question.hint);
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
  move(question.pos);
}

ZmianaOdpowiedz TFormZmiana::Zapytaj(const ZmianaPytanie& question, const QColor& windowColour,
                                     QWidget* parent) {
  TFormZmiana dialog(question, windowColour, parent);
  ZmianaOdpowiedz answer;
  answer.ok = dialog.exec() == QDialog::Accepted;
  answer.pos = dialog.pos();
  for (int i = 0; i < 3; ++i)
    if (question.rows[i].shown) answer.texts[i] = dialog.edits_[i]->text();
  return answer;
}

void TFormZmiana::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (QLineEdit* edit : edits_)
    if (edit->isVisibleTo(this)) {
      edit->setFocus();
      return;
    }
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
