#include "ui/main/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvik::ui {

QTranslator* ZaladujTlumaczenieQt(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // the program speaks Polish whatever the user's locale: Qt's texts follow it
  if (!translator->load("qtbase_pl", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace tarvik::ui
