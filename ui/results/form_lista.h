// TFormLista, the results window: the full list of the section's properties on three tabs,
// the value corrections, "Połowa"/"Cały", "Jt wg PN", the user coordinate system, and the
// section drawn with its reference marks and dimension lines.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "engine/model.h"
#include "engine/print_report.h"
#include "engine/sketch.h"
#include "paint/results_options.h"

namespace tarvik::ui {

class DrukSesja;

// what the results window needs from the main window, and the state that outlives it
struct ListaContext {
  bool osieYZ = false;               // axes named y, z
  bool allDigits = false;            // "Pokaż wszystkie cyfry": large values unrounded
  QString massText;                  // the main window's mass label, shown unchanged
  QString materialText;              // the caption of its material button ("dla 7850 kg/m^3")
  QColor windowColour;               // KolorOkna
  int* rememberedTab = nullptr;      // the tab shown when last closed with "Zamknij"
  QPoint* pozycjaDialogu = nullptr;  // where the value dialogs open
  std::function<void()> save;        // "Do pliku": the main window's save procedure
  std::function<void(const QString&)> renamed;  // a new name on closing (NazwaPrzekroju)
  std::function<void()> valuesChanged;          // a correction: refresh the main panel
  // the battens of a set, reported on "Wymiarowanie": heading lines (no value) and value
  // lines, each a caption and its text; empty for any other section
  std::vector<std::pair<QString, QString>> przewiazki;
  // the mechanical fasteners of a timber section, reported after each tab's report
  std::vector<Lacznik> laczniki;
  // the printer document and its page, which outlive the window (none: the window's own)
  DrukSesja* druk = nullptr;
};

class TFormLista : public QDialog {
  Q_OBJECT

 public:
  // model: the section (its properties record is read and corrected in place); mainMapping:
  // the main sketch's view, saved at activation and restored on closing
  TFormLista(SectionModel& model, SketchMapping& mainMapping, const ListaContext& context,
             QWidget* parent = nullptr);
  ~TFormLista() override;

  // what the results sketch and the printed page draw besides the section (the user axes,
  // the "T" of "T wg MES")
  const paint::ResultsSketchOptions& opcjeSzkicu() const;

  // every way of closing gives the main sketch its view back
  void done(int result) override;

 protected:
  // the first showing fills the window (FormActivate)
  void showEvent(QShowEvent* event) override;

 private:
  struct Impl;
  Impl* d_;
};

}  // namespace tarvik::ui
