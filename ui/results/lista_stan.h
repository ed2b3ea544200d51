// What the pages of the results window share: the section, the main window's context, the
// value labels by object name with the record slots they show, how values are formatted,
// and the value dialog that corrects them.
#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "engine/model.h"
#include "ui/results/form_lista.h"
#include "ui/results/results_sketch.h"

class QDialog;
class QGridLayout;
class QLabel;
class QTabWidget;
class QWidget;

namespace tarvik::ui {

constexpr int kNameChars = 20;
inline const QColor kLink(0, 0, 255);

// the text and button colour of a widget
void SetColour(QWidget* w, const QColor& colour);

// a click, Enter or the space bar on a widget runs an action
class Klik : public QObject {
 public:
  Klik(QWidget* target, std::function<void()> action);

 protected:
  bool eventFilter(QObject*, QEvent* event) override;

 private:
  std::function<void()> action_;
};

// a value label that shows one slot of the properties record
struct Cell {
  int slot = 0;
  double divisor = 1;  // shown = stored / divisor (mm shown in cm: 10)
  const char* suffix = "";
};

// a row of a value dialog: its caption and the value label it is prefilled from and stored
// through; no label hides the row
struct Wiersz {
  QString caption;
  QLabel* label = nullptr;
};

class ListaStan {
 public:
  ListaStan(QDialog* window, SectionModel& model, const ListaContext& context);

  QDialog* const w;
  SectionModel& model;
  const ListaContext ctx;
  QHash<QString, QLabel*> named;
  QHash<QLabel*, Cell> cells;
  ResultsSketchOptions sketch;
  bool nameChanged = false;
  bool polowa = false;  // "Połowa" pressed: the record holds the halved values
  // after "Połowa"/"Cały": the rows outside the first page that follow it at once
  std::function<void()> polowaZmieniona;

  PropertiesRecord& r() { return model.section; }
  int& tab() { return ctx.rememberedTab ? *ctx.rememberedTab : ownTab_; }
  QPoint& position() { return ctx.pozycjaDialogu ? *ctx.pozycjaDialogu : ownPosition_; }
  QColor colour() const;
  QLabel* L(const char* name) const { return named.value(name); }
  QString name() const { return QString::fromStdString(model.section.name()); }
  void changed() {
    if (ctx.valuesChanged) ctx.valuesChanged();
  }
  // the window's caption: the section's name
  void Caption();

  // a value as shown, every digit when the main window's "Pokaż wszystkie cyfry" is set
  QString Liczba(double value, const char* suffix) const;
  // a value with two decimals
  static QString Dwie(double value, const char* suffix);

  // ---- building ----
  QLabel* Label(QWidget* parent, const QString& objectName, const QString& text);
  // a caption and its value label in a grid row from column col; the caption is named
  // captionName, or after its value label ("LabelStA" -> "CaptionStA")
  QLabel* Row(QGridLayout* grid, int row, int col, const char* captionName, const QString& caption,
              const char* valueName, int captionSpan = 1);
  void Clickable(QLabel* label, std::function<void()> action);
  // a page of pages with its bold heading over the given number of columns
  QGridLayout* Page(QTabWidget* pages, const char* objectName, const QString& title,
                    const QString& heading, int columns);

  // ---- values ----
  void Odswiez(QLabel* label);
  void Odswiez(std::initializer_list<const char*> names);

  // a number typed into a value dialog: one number, signed, with the unit at most; anything
  // else is refused with a message
  std::optional<double> Wpisana(const QString& text, const char* unit);
  // the value dialog over the given rows: on OK each shown row is read, stored into the slot
  // its label shows (in the record's unit) and true is returned; the caller refreshes
  bool Popraw(const QString& title, std::vector<Wiersz> rows);
  // "Pola przekroju", from the first two pages alike
  void GroupBoxPolaClick();

 private:
  int ownTab_ = 0;  // stand-ins when the context keeps no state
  QPoint ownPosition_;
};

}  // namespace tarvik::ui
