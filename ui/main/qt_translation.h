// Qt's own texts in Polish: the file dialogs, the standard buttons of message boxes and the
// context menu of an edit.
#pragma once

class QCoreApplication;
class QTranslator;

namespace tarvik::ui {

// installs the Polish translation of Qt's own texts (qtbase_pl.qm from Qt's translations
// folder, Debian's qt6-translations-l10n); the translator belongs to app, nullptr when the
// file is not there (Qt's texts then stay English)
QTranslator* ZaladujTlumaczenieQt(QCoreApplication& app);

}  // namespace tarvik::ui
