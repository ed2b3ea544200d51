// TFormKlasaDr: the strength class of one timber member, solid ("Lite") or glued laminated
// ("Klejone"). The caller says which class is current and which member it is for, and gets
// back the class chosen.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <optional>

class QLabel;
class QListWidget;
class QRadioButton;

namespace tarvik::ui {

// what to ask
struct KlasaPytanie {
  QString klasa;              // the member's class now (a name not in the list: "C14")
  QString member;             // what the class is of, for the list's caption ("pasa górnego")
  std::optional<QPoint> pos;  // where the dialog opens; none: over its parent
};

// what was chosen: ok when closed with OK; the class and where the dialog was when closed
struct KlasaOdpowiedz {
  bool ok = false;
  QString klasa;
  QPoint pos;
};

class TFormKlasaDr : public QDialog {
  Q_OBJECT

 public:
  explicit TFormKlasaDr(const KlasaPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns what was chosen
  static KlasaOdpowiedz Wybierz(const KlasaPytanie& question, QWidget* parent = nullptr);

  // the class picked in the list (empty when none is)
  QString klasa() const;

 private:
  // "Lite" or "Klejone": the list offers that kind's classes, the one picked kept when it is
  // among them, else the first
  void RadioButtonClick();

  QRadioButton* lite_;
  QRadioButton* klejone_;
  QLabel* caption_;
  QListWidget* lista_;
};

}  // namespace tarvik::ui
