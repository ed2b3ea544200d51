#include "ui/main/settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QPalette>

namespace tarvik::ui {
namespace {

QString Path(const QString& key, const QString& name) {
  return key.isEmpty() ? name : key + "/" + name;
}

bool HoldsDatabase(const QString& folder) {
  return !folder.isEmpty() && QFileInfo::exists(folder + "/PROFILE.DAT");
}

}  // namespace

Ustawienia::Ustawienia() {
  const QByteArray file = qgetenv("TARVIK_SETTINGS");
  if (!file.isEmpty())
    store_ = std::make_unique<QSettings>(QString::fromLocal8Bit(file), QSettings::IniFormat);
  else
    store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Tarvik",
                                         "Tarvik");
}

bool Ustawienia::HasKey(const QString& key) const {
  if (key.isEmpty()) return true;  // the root always exists
  const QString prefix = key + "/";
  for (const QString& k : store_->allKeys())
    if (k.startsWith(prefix, Qt::CaseInsensitive)) return true;
  return false;
}

bool Ustawienia::CzytajRejestr(const QString& key, const QString& name, QString& value) const {
  if (!HasKey(key)) return false;
  value = store_->value(Path(key, name)).toString();
  return true;
}

bool Ustawienia::CzytajRejestrBool(const QString& key, const QString& name, bool& value) const {
  if (!HasKey(key)) return false;
  const QString text = store_->value(Path(key, name)).toString().trimmed().toLower();
  value = text == "1" || text == "true";
  return true;
}

bool Ustawienia::ZapiszRejestr(const QString& key, const QString& name, const QString& value) {
  store_->setValue(Path(key, name), value);
  store_->sync();
  return store_->status() == QSettings::NoError && store_->isWritable();
}

QColor Ustawienia::KolorOkna() const {
  QString kind;
  if (CzytajRejestr(kKluczTarv, "Kolor", kind) && kind.trimmed() == "2") {
    auto component = [&](const char* name) {
      QString text;
      CzytajRejestr(kKluczTarv, name, text);
      bool ok = false;
      const int v = text.trimmed().toInt(&ok);
      return ok ? (v & 0xFF) : 250;
    };
    return QColor(component("Red"), component("Green"), component("Blue"));
  }
  return QApplication::palette().color(QPalette::Button);
}

UstawieniaDruku Ustawienia::CzytajDruk() const {
  UstawieniaDruku u;
  auto number = [this](const char* key, const char* name, int& value) {
    QString text;
    if (!CzytajRejestr(key, name, text)) return;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok) value = v;
  };
  number("TARVIK", "Gorny", u.gorny);
  number("TARVIK", "Lewy", u.lewy);
  number("PRINTER", "Gorny", u.drukarkaGorny);
  number("PRINTER", "Lewy", u.drukarkaLewy);
  number("PRINTER", "PrintSkala", u.szerokosc);
  // a printable width of nothing would put every drawing at infinity
  if (u.szerokosc <= 0) u.szerokosc = UstawieniaDruku{}.szerokosc;
  CzytajRejestrBool("PRINTER", "HP4L", u.hp4l);
  return u;
}

Foldery ZnajdzFoldery(const Ustawienia& s, const QString& programFolder,
                      const QString& dataFolder, const QString& currentFolder) {
  Foldery found;
  bool accepted = false;
  // the sibling programs first: one that has no working folder lets the next one replace both
  for (const char* sibling : {"ORVA", "KELTI", "MURSA", "DENTO"}) {
    if (accepted) break;
    const QString key = QString("SOFTWARE/RL6/Setup/") + sibling;
    QString place;
    s.CzytajRejestr(key, "Miejsce", place);
    if (!HoldsDatabase(place)) continue;
    found.instalacji = place;
    QString working;
    if (s.CzytajRejestr(key, "Roboczy", working)) {
      found.roboczy = working;
      accepted = !working.isEmpty();
    }
  }
  // the program's own places: its key, then its folder and the installed data folder; the
  // working folder is the one stored at the last exit
  auto own = [&](const QString& place) {
    if (accepted || !HoldsDatabase(place)) return;
    accepted = true;
    found.instalacji = place;
    QString working;
    if (s.CzytajRejestr("TARVIK", "Roboczy", working) || s.CzytajRejestr("", "Roboczy", working))
      found.roboczy = working;
  };
  QString ownPlace;
  s.CzytajRejestr(kKluczTarv, "Miejsce", ownPlace);
  own(ownPlace);
  // no key named a folder with the database: the program's folder, then the data folder; a
  // working folder never stored is the current one
  if (found.instalacji.isEmpty()) {
    own(programFolder);
    own(dataFolder);
    if (accepted && found.roboczy.isEmpty()) found.roboczy = currentFolder;
  }
  if (found.instalacji.isEmpty()) {
    found.instalacji = currentFolder;
    found.roboczy = currentFolder;
  }
  return found;
}

}  // namespace tarvik::ui
