// TTarvik's section files: saving and reading a section (its picture and data file), the
// data file of a calling program and the exchange file "TAR" it reads on return.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QSplitter>
#include <QTabWidget>
#include <fstream>

#include "engine/section_kind.h"
#include "generators/true_outline.h"
#include "io/picture.h"
#include "io/section_file.h"
#include "ui/main/tab_page.h"
#include "ui/main/tarvik_window.h"

namespace tarvik::ui {
namespace {

// Qt's own file dialog for section pictures, the same on every desktop, wide enough for its
// folder list and dates; empty when cancelled
QString WybierzPlik(QWidget* parent, const QString& title, const QString& start, bool save) {
  QFileDialog dialog(parent, title, start, "Szkice przekrojów (*.bmp *.BMP)");
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save && !QFileInfo(start).isDir()) dialog.selectFile(start);  // the last name, preset
  dialog.resize(760, 460);
  // the places list wide enough for "Komputer"
  if (auto* splitter = dialog.findChild<QSplitter*>("splitter")) splitter->setSizes({150, 610});
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

// a calling program (installed beside this one) learns from "TAR" in the current folder
// whether the user ended with "Koniec": one 2048-byte record, its first byte 1 or 0
void TTarvik::ZapiszPlikWymiany() {
  if (arguments_.isEmpty() || folderInstalacji_.isEmpty() ||
      !QFileInfo::exists(folderInstalacji_ + "/ZUL6.EXE"))
    return;
  std::fstream file("TAR", std::ios::binary | std::ios::in | std::ios::out);
  if (!file) file.open("TAR", std::ios::binary | std::ios::out | std::ios::trunc);
  std::string record(2048, '\0');
  record[0] = zatwierdzono_ ? 1 : 0;
  file.seekp(0);
  file.write(record.data(), static_cast<std::streamsize>(record.size()));
}

// ---- section files -----------------------------------------------------------------------

// an empty section (a refused or unbuilt choice) is neither saved nor listed
bool TTarvik::JestPrzekroj(const std::string& what) {
  if (SectionBuilt(model_)) return true;
  Komunikat({"INFORMACJA",
             "Nie ma przekroju " + what,
             "OK",
             {},
             "(najpierw wybierz przekrój, który da się zbudować)"});
  return false;
}

void TTarvik::LabelZapiszClick() {
  if (!JestPrzekroj("do zapisania")) return;
  Cofnij11(mapping_);
  Remap();
  for (;;) {
    QString start = folderRoboczy_;
    if (!ostatniaNazwa_.isEmpty()) start += "/" + ostatniaNazwa_ + ".BMP";
    const QString chosen = WybierzPlik(this, "Zapis przekroju", start, true);
    if (chosen.isEmpty()) break;
    if (!folderInstalacji_.isEmpty() && chosen.contains(folderInstalacji_)) {
      Komunikat({"INFORMACJA", "Tutaj nie wolno zapisywać przekrojów", "OK", {}, {}});
      continue;
    }
    ZapiszPrzekroj(chosen);
    break;
  }
  settings_.ZapiszRejestr("TARVIK", "Roboczy", folderRoboczy_);
  PaintBoxSzkicPaint();
}

bool TTarvik::ZapiszPrzekroj(const QString& chosenPath) {
  const QFileInfo info(chosenPath);
  folderRoboczy_ = info.absolutePath();
  QString base = info.fileName();
  // an extension goes: the dot and the three characters after it
  if (const int dot = base.indexOf('.'); dot >= 0) base.remove(dot, 4);
  const QString stem = folderRoboczy_ + "/" + base;
  if (QFileInfo::exists(stem + ".BMP") &&
      Komunikat({"PYTANIE", "Plik już jest.", "Tak", "Nie", "Zastąpić?"}) != 1)
    return false;
  Cofnij11(mapping_);
  TabFields fields;
  PropertiesRecord header;
  if (!DaneDoZapisu(stem + ".PRM", fields, header)) return false;
  const std::string picture = ObrazekBmp(model_);
  if (picture.empty()) {
    Komunikat(Blad("Nie można zapisać szkicu przekroju",
                   "(" + QDir::toNativeSeparators(stem + ".BMP").toStdString() + ")"));
    return false;
  }
  // both files whole or neither: a failure leaves the previous pair as it was
  const WriteResult written = ZapiszPare(stem.toStdString(), picture, model_, header, fields);
  if (!written.ok) {
    Komunikat(Blad(written.error, written.detail));
    return false;
  }
  doZapisu_ = false;
  ostatniaNazwa_ = base;
  if (!zamykanie_) dispatcher_.forget();  // the next cycle regenerates from the controls
  return true;
}

// what the data file's header takes from the tab; false, after saying so, when there is no
// section or the tab's choice cannot be stored
bool TTarvik::DaneDoZapisu(const QString& prmPath, TabFields& fields, PropertiesRecord& header) {
  if (!SectionBuilt(model_)) {
    Komunikat({"INFORMACJA",
               "Nie ma przekroju do zapisania",
               "OK",
               {},
               QDir::toNativeSeparators(prmPath).toStdString()});
    return false;
  }
  TabChoice choice;
  std::string why;
  if (model_.kind >= 0 && model_.kind < 10 && pages_[model_.kind]->Choice(choice) &&
      !HeaderFields(choice, database_.get(), fields, why)) {
    Komunikat(Blad("Nie można zapisać wyboru zakładki", why));
    return false;
  }
  header = HeaderProperties(model_.section, choice);
  return true;
}

bool TTarvik::ZapiszPlikDanych(const QString& prmPath) {
  TabFields fields;
  PropertiesRecord header;
  if (!DaneDoZapisu(prmPath, fields, header)) return false;
  const WriteResult written = ZapiszPlikPrm(prmPath.toStdString(), model_, header, fields);
  if (!written.ok) {
    Komunikat(Blad(written.error, written.detail));
    return false;
  }
  doZapisu_ = false;
  return true;
}

void TTarvik::LabelCzytajClick() {
  const QString chosen = WybierzPlik(this, "Odczyt przekroju", folderRoboczy_, false);
  if (chosen.isEmpty()) return;
  CzytajPrzekroj(chosen);
}

bool TTarvik::CzytajPrzekroj(const QString& bmpPath) {
  const QImage picture(bmpPath);
  if (picture.width() != 100 || picture.height() != 100) {
    Komunikat({"INFORMACJA", "To nie jest opis przekroju", "OK", {}, {}});
    return false;
  }
  const QFileInfo info(bmpPath);
  folderRoboczy_ = info.absolutePath();
  QString base = info.fileName();
  if (const int dot = base.indexOf('.'); dot >= 0) base.remove(dot, 4);
  if (!WczytajPlikDanych(folderRoboczy_ + "/" + base + ".PRM")) return false;
  ostatniaNazwa_ = base;
  return true;
}

bool TTarvik::WczytajPlikDanych(const QString& prmPath) {
  ReadResult read = CzytajPlikPrm(prmPath.toStdString());
  if (!read.ok) {
    Komunikat(
        {"INFORMACJA",
         read.error,
         "OK",
         {},
         read.detail.empty() ? QDir::toNativeSeparators(prmPath).toStdString() : read.detail});
    return false;
  }
  const int kind = read.model.kind;
  // the tab's stored choice must name something the tab offers, before anything is replaced
  TabChoice choice;
  std::string why;
  if (TabKeepsChoice(kind) && !ChoiceFromHeader(read.header, database_.get(), choice, why)) {
    // a rolled section without the catalogue is no fault of the file
    const bool noDatabase = kind < kProste && !database_;
    Komunikat({"INFORMACJA",
               noDatabase ? "Nie ma bazy danych" : "Uszkodzony plik z opisem przekroju",
               "OK",
               {},
               QDir::toNativeSeparators(prmPath).toStdString() + (noDatabase ? "" : " " + why)});
    return false;
  }
  // a rib being defined on its tab is given up: the file brings its own section
  if (zebroWToku_) {
    zebroWToku_ = false;
    groupBoxOK_->hide();
  }
  model_ = std::move(read.model);
  // a single-figure section is rebuilt by its tab in the working figure, not as a component
  if (SingleFigureKind(kind)) model_.currentFigure = 0;
  // the components keep only their drawn outlines: the finite elements mesh the true
  // fillets and curves, which their generators give again
  if (MultiFigureKind(kind)) {
    GeneratorSettings settings;
    for (int tab : {kWalcowane, kSpawane, kGiete, kProste}) pages_[tab]->FillSettings(settings);
    settings.database = database_.get();
    PrzywrocPrawdziweObrysy(model_, settings);
  }
  model_.saved = model_.section;
  wczytany_ = pokazany_ = choice;
  nazwaPrzekroju_ = kind >= kProste ? QString::fromStdString(model_.section.name()) : QString();
  dispatcher_.forget();
  dispatcher_.holds(kind);
  wczytywanie_ = true;
  if (pageControl_->currentIndex() == kind) {
    ShowTab(kind);
  } else {
    const QString name = nazwaPrzekroju_;
    pageControl_->setCurrentIndex(kind);  // its change handler shows the tab
    nazwaPrzekroju_ = name;               // which clears the typed name: the file's stays
    PaintBoxSzkicPaint();
  }
  wczytywanie_ = false;
  return true;
}

}  // namespace tarvik::ui
