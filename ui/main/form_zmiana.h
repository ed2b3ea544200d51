// TFormZmiana: the small input dialog of up to three captioned rows (the material density,
// the section's name, ...). Callers say what to ask and get back what was entered.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;

namespace tarvik::ui {

// one row of the dialog; a row not shown is left out. A shown row without a caption has its
// field over the dialog's whole width.
struct ZmianaWiersz {
  bool shown = false;
  QString caption;
  QString text;       // the field's initial text
  int maxLength = 0;  // 0: no limit of its own
};

// a shown row
inline ZmianaWiersz Pokazany(const QString& caption, const QString& text, int maxLength = 0) {
  return ZmianaWiersz{true, caption, text, maxLength};
}

// what to ask
struct ZmianaPytanie {
  QString title;
  std::array<ZmianaWiersz, 3> rows;
  bool hint = false;  // "W nazwie musi zostać "Zespolony""
  QPoint pos;         // where the dialog opens
};

// what was entered: ok when closed with OK; the texts of the shown rows (others empty) and
// where the dialog was when closed
struct ZmianaOdpowiedz {
  bool ok = false;
  std::array<QString, 3> texts;
  QPoint pos;
};

class TFormZmiana : public QDialog {
  Q_OBJECT

 public:
  TFormZmiana(const ZmianaPytanie& question, const QColor& windowColour, QWidget* parent = nullptr);

  // shows the dialog modally and returns what was entered
  static ZmianaOdpowiedz Zapytaj(const ZmianaPytanie& question, const QColor& windowColour,
                                 QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void EnterIn(int row);

  QLabel* labels_[3];
  QLineEdit* edits_[3];
  QLabel* hint_;
};

}  // namespace tarvik::ui
