#include "ui/main/form_blad.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::ui {

std::pair<QColor, QColor> KoloryTytulu(const QString& title) {
  if (title == "BŁĄD") return {QColor(255, 0, 0), QColor(0, 0, 0)};
  if (title == "UWAGA") return {QColor(0, 255, 0), QColor(0, 0, 0)};
  if (title == "PYTANIE") return {QColor(255, 255, 0), QColor(128, 0, 0)};
  return {QColor(0, 255, 255), QColor(0, 0, 128)};
}

TFormBlad::TFormBlad(const Komunikat& m, const QColor& windowColour, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TFormBlad");
  const QString title = QString::fromStdString(m.title);
  setWindowTitle(title);
  QPalette window = palette();
  window.setColor(QPalette::Window, windowColour);
  setPalette(window);

  auto* panel = new QLabel(QString::fromStdString(m.text), this);
  panel->setObjectName("PanelOpis");
  panel->setAlignment(Qt::AlignCenter);
  panel->setWordWrap(true);
  panel->setMinimumSize(300, 60);
  panel->setMargin(10);
  const auto [background, text] = KoloryTytulu(title);
  panel->setStyleSheet(QString("QLabel#PanelOpis { background: %1; color: %2; font-weight: bold; }")
                           .arg(background.name(), text.name()));

  auto* detail = new QLabel(QString::fromStdString(m.detail), this);
  detail->setObjectName("Label1");
  detail->setAlignment(Qt::AlignHCenter);
  detail->setWordWrap(true);
  detail->setVisible(!m.detail.empty());
  // the caption is the title only: a screen reader gets the message from the description
  setAccessibleDescription(m.detail.empty() ? panel->text()
                                            : panel->text() + "\n" + detail->text());

  auto* ok = new QPushButton(QString::fromStdString(m.button1), this);
  ok->setObjectName("ButtonOK");
  ok->setDefault(true);
  auto* second = new QPushButton(QString::fromStdString(m.button2), this);
  second->setObjectName("SpeedButtonTak");
  second->setVisible(!m.button2.empty());
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(second, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(second);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addWidget(detail);
  layout->addLayout(buttons);
  ok->setFocus();
}

bool PokazKomunikat(QWidget* parent, const Komunikat& message, const QColor& windowColour) {
  TFormBlad dialog(message, windowColour, parent);
  return dialog.exec() == QDialog::Accepted;
}

int DialogSink::show(const Komunikat& message) {
  return PokazKomunikat(parent_, message, colour_) ? 1 : 2;
}

}  // namespace tarvik::ui
