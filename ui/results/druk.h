// Printing and the clipboard of the results window. The printer document outlives the
// window: a page begun by one section is continued by the next printout, from any section,
// until its last place is used or an incomplete page is asked for.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "engine/print_page.h"
#include "paint/page_painter.h"

class QPainter;
class QPrinter;
class QWidget;

namespace tarvik::ui {

class DrukSesja {
 public:
  DrukSesja();
  // a page still open at the end is printed as it is: nothing drawn is lost
  ~DrukSesja();
  DrukSesja(const DrukSesja&) = delete;
  DrukSesja& operator=(const DrukSesja&) = delete;

  StronaWydruku strona;
  UstawieniaDruku ustawienia;
  bool doPliku = false;  // the document goes to a PDF file

  // "Konfiguracja": the printer's dialog; its print-to-file state, or nothing when cancelled
  std::optional<bool> Konfiguracja(QWidget* parent);
  // draws r at the page's place p, starting the document (asking the PDF's file name, or the
  // printer when none is chosen) when needed, then moves on or ends the page; false with the
  // reason when nothing was printed (error empty: the user cancelled)
  bool Drukuj(QWidget* parent, const paint::Rysunek& r, QString& error);
  // the document is open (a page is waiting for its next drawing)
  bool Otwarty() const;

 private:
  bool Rozpocznij(QWidget* parent, QString& error);
  void Zakoncz();

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  bool nowaStrona_ = false;  // the page of a job kept open ended: the next drawing turns it
};

// "Do schowka": the picture and, as plain text, the section's name and the report
void DoSchowka(const paint::Rysunek& r);

}  // namespace tarvik::ui
