// The settings store: QSettings in INI form, the user's file over the system's, or the one
// file that TARVIK_SETTINGS names. Keys keep the program's registry paths with '/' for '\'
// ("SOFTWARE/RL6/Setup/TARV"; "TARVIK" and "PRINTER" at the root).
#pragma once

#include <QColor>
#include <QSettings>
#include <QString>
#include <memory>

#include "engine/print_page.h"

namespace tarvik::ui {

class Ustawienia {
 public:
  Ustawienia();

  // false when the key does not exist (value left as it was); a missing value reads as ""
  bool CzytajRejestr(const QString& key, const QString& name, QString& value) const;
  bool CzytajRejestrBool(const QString& key, const QString& name, bool& value) const;
  // creates the key when needed; false when the store cannot be written
  bool ZapiszRejestr(const QString& key, const QString& name, const QString& value);
  // "Kolor" of the program's key: "2" = the colour of "Red", "Green", "Blue" (250 each when
  // missing), anything else the system's button face
  QColor KolorOkna() const;
  // the page's margins ("TARVIK/Gorny", "TARVIK/Lewy") and the printer's offsets, printable
  // width and job switch ("PRINTER/Gorny", "PRINTER/Lewy", "PRINTER/PrintSkala",
  // "PRINTER/HP4L"); a value missing or not a whole number keeps its default
  UstawieniaDruku CzytajDruk() const;

  QSettings& store() { return *store_; }

 private:
  bool HasKey(const QString& key) const;
  std::unique_ptr<QSettings> store_;
};

inline const QString kKluczTarv = "SOFTWARE/RL6/Setup/TARV";

struct Foldery {
  QString instalacji;  // holds PROFILE.DAT
  QString roboczy;     // where the open and save dialogs start
};

// The installation and working folders: the four sibling programs' keys and the program's
// own, then (where no Linux user has those keys) the program's folder and the installed data
// folder, then the current directory.
Foldery ZnajdzFoldery(const Ustawienia& settings, const QString& programFolder,
                      const QString& dataFolder, const QString& currentFolder);

}  // namespace tarvik::ui
