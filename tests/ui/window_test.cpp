// The main window driven by its controls' object names, as a tester outside the code would.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"
#include "generators/cold_formed.h"
#include "generators/welded.h"
#include "io/section_file.h"
#include "tests/support/cli_families.h"
#include "ui/main/form_blad.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"
#include "ui/main/qt_translation.h"
#include "ui/main/radio_group.h"
#include "ui/main/settings.h"
#include "ui/main/single_instance.h"
#include "ui/main/tarvik_window.h"
#include "test_window.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

const QString kDatabaseFolder = QFileInfo(TARVIK_PROFILE_DATABASE).absolutePath();

// the window with the helpers of these tests
struct Window : uitest::TestWindow {
  using TestWindow::TestWindow;
  QString text(const char* label) const { return find<QLabel>(label)->text(); }
  void proste(int family) const {  // a family of the "Proste" tab
    tab(4);
    choose("RadioGroupProste", family);
  }
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void RolledTabShowsTheCataloguesIPE200() {
    Window app;
    QCOMPARE(app.find<QTabWidget>("PageControl1")->currentIndex(), 0);
    app.choose("RadioGroupTypWalc", 1);  // "IPE"
    QComboBox* sizes = app.find<QComboBox>("ComboBoxWalc");
    int item = -1;
    for (int i = 0; i < sizes->count(); ++i)
      if (sizes->itemText(i).trimmed() == "200") item = i;
    QVERIFY(item >= 0);
    sizes->setCurrentIndex(item);
    QCOMPARE(app.text("LabelNazwa"), QString("IPE200"));
    QCOMPARE(app.text("LabelWF"), QString("28,5 cm^2"));
    QCOMPARE(app.text("LabelWJx"), QString("1943 cm^4"));
    QCOMPARE(app.text("LabelWWx"), QString("194,3 cm^3"));
    QVERIFY(app.sink.messages().empty());
  }

  void EnterInAnEditRecomputesAndMovesTheFocus() {
    Window app;
    app.proste(0);  // "Prostokąt" 100 mm x 10 mm
    QCOMPARE(app.text("LabelWF"), QString("10 cm^2"));
    app.enter("EditH", "250");
    QCOMPARE(app.find<QLineEdit>("EditH")->text(), QString("250 mm"));
    QCOMPARE(app.text("LabelWF"), QString("25 cm^2"));
    QVERIFY(app.find<QPushButton>("ButtonKoniec")->hasFocus());
  }

  // a paste goes in whole or not at all, never character by character as the key filter
  // would take it ("12x4" read as 124 mm), nor behind a unit ("200 mm" + "250")
  void PastedTextIsTakenOnlyWhenItIsANumber() {
    const struct {
      bool signedMode, atEnd;  // atEnd: the cursor after the text, else all of it selected
      const char* pasted;
      const char* after;  // the edit's text afterwards, "100 mm" before
    } cases[] = {{false, false, "12x4", "100 mm"},   {false, false, "12,5", "12,5"},
                 {false, false, "250 mm", "250 mm"}, {false, false, " 7.5mm ", " 7.5mm "},
                 {false, false, "-5", "100 mm"},     {true, false, "-5", "-5"},
                 {false, false, "25 cm", "100 mm"},  {false, false, "1,2,3", "100 mm"},
                 {false, false, "mm", "100 mm"},     {false, true, "250", "100 mm"}};
    for (const auto& c : cases) {
      DimensionEdit dimension("H");
      dimension.setRule({.signedMode = c.signedMode});
      dimension.show();
      QLineEdit* edit = dimension.edit();
      edit->setText("100 mm");
      c.atEnd ? edit->end(false) : edit->selectAll();
      QGuiApplication::clipboard()->setText(c.pasted);
      // Ctrl+V as the X server types it: the control character 0x16
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
      QVERIFY2(edit->text() == c.after, c.pasted);
    }
    // the context menu's "Wklej" follows the same rule
    DimensionEdit dimension("H");
    dimension.show();
    dimension.edit()->setText("200 mm");
    QGuiApplication::clipboard()->setText("12x4");
    dimension.edit()->selectAll();
    bool pasted = false;
    QTimer::singleShot(0, [&pasted] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* a : menu->actions())
        if (a->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"))) {
          a->trigger();
          pasted = true;
        }
      menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5),
                           dimension.edit()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(dimension.edit(), &menu);
    QTRY_VERIFY(pasted);
    QCOMPARE(dimension.edit()->text(), QString("200 mm"));
  }

  void MaterialMenuGivesTheMassPerMetre() {
    Window app;
    app.proste(0);
    app.enter("EditH", "100");
    app.enter("EditT", "100");  // 100 x 100 mm: A = 100 cm^2
    QCOMPARE(app.text("LabelWF"), QString("100 cm^2"));
    QCOMPARE(app.text("LabelWG"), QString("78,5 kg/mb"));  // steel: 0.01 m^2 x 7850 kg/m^3
    app.w->findChild<QAction*>("Beton")->trigger();
    QCOMPARE(app.text("LabelWG"), QString("25 kg/m"));
    QCOMPARE(app.find<QToolButton>("SpeedButtonMat")->text(), QString("(dla 2500 kg/m^3)"));
    app.w->PaintBoxSzkicPaint();
    QCOMPARE(app.text("LabelWG"), QString("25 kg/mb"));  // the density stays
  }

  void MissingDatabaseFallsBackToTheParametricTab() {
    QTemporaryDir empty;
    const QString current = QDir::currentPath();
    QDir::setCurrent(empty.path());  // the current folder is the last place looked at
    Window app(empty.path());
    QDir::setCurrent(current);
    QTRY_COMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].title, std::string("UWAGA"));
    QCOMPARE(app.sink.messages()[0].text, std::string("Nie ma bazy danych"));
    QVERIFY(QString::fromStdString(app.sink.messages()[0].detail).endsWith("PROFILE.DAT"));
    QTabWidget* tabs = app.find<QTabWidget>("PageControl1");
    QCOMPARE(tabs->currentIndex(), 4);
    for (int catalogue : {0, 1, 2, 3}) {
      tabs->setCurrentIndex(catalogue);
      QCOMPARE(tabs->currentIndex(), 4);
    }
    QCOMPARE(app.sink.messages().size(), size_t{1});  // the later switches are silent
  }

  void KoniecAsksToSaveOnlyWhereSomethingWasMade() {
    Window rolled;
    QTest::mouseClick(rolled.find<QPushButton>("ButtonKoniec"), Qt::LeftButton);
    QVERIFY(rolled.sink.messages().empty());
    QVERIFY(rolled.w->zatwierdzono() && !rolled.w->isVisible());

    Window parametric(kDatabaseFolder, 2);  // answers "Nie"
    parametric.proste(4);                   // "Dwuteownik": worth saving
    QVERIFY(parametric.w->doZapisu());
    QTest::mouseClick(parametric.find<QPushButton>("ButtonKoniec"), Qt::LeftButton);
    QCOMPARE(parametric.sink.messages().size(), size_t{1});
    QCOMPARE(parametric.sink.messages()[0].text, std::string("Zapisać przekroj?"));
    QVERIFY(parametric.w->zatwierdzono());

    Window escaped;
    QTest::keyClick(escaped.find<QPushButton>("ButtonKoniec"), Qt::Key_Escape);
    QVERIFY(!escaped.w->isVisible() && !escaped.w->zatwierdzono());
  }

  void WorkingFolderIsStoredAtExitAndFoundAgain() {
    QTemporaryDir install, work;
    QFile::copy(TARVIK_PROFILE_DATABASE, install.path() + "/PROFILE.DAT");
    {
      Window app(install.path());
      QVERIFY(app.w->ZapiszPrzekroj(work.path() + "/belka"));  // the folder a user worked in
      app.w->close();
    }
    QCOMPARE(Window(install.path()).w->folderRoboczy(), work.path());
    Ustawienia settings;

    // the sibling programs' keys: one without a working folder gives way to the next
    settings.ZapiszRejestr("SOFTWARE/RL6/Setup/ORVA", "Miejsce", install.path());
    settings.ZapiszRejestr("SOFTWARE/RL6/Setup/ORVA", "Roboczy", "");
    settings.ZapiszRejestr("SOFTWARE/RL6/Setup/KELTI", "Miejsce", kDatabaseFolder);
    settings.ZapiszRejestr("SOFTWARE/RL6/Setup/KELTI", "Roboczy", work.path());
    Foldery f = ZnajdzFoldery(settings, "", "", "/tmp");
    QCOMPARE(f.instalacji, kDatabaseFolder);
    QCOMPARE(f.roboczy, work.path());
    settings.ZapiszRejestr("SOFTWARE/RL6/Setup/ORVA", "Roboczy", "/orva");
    f = ZnajdzFoldery(settings, "", "", "/tmp");
    QCOMPARE(f.instalacji, install.path());
    QCOMPARE(f.roboczy, QString("/orva"));
    settings.store().clear();

    // the colour "2" with a component missing: 250
    settings.ZapiszRejestr(kKluczTarv, "Kolor", "2");
    settings.ZapiszRejestr(kKluczTarv, "Red", "10");
    settings.ZapiszRejestr(kKluczTarv, "Blue", "300");
    QCOMPARE(settings.KolorOkna(), QColor(10, 250, 300 & 0xFF));
    settings.store().clear();
  }

  void CommandLineOptionsNameTheAxesAndPickTheTab() {
    struct Case {
      QStringList arguments;
      int tab;
      QString jx;
      bool anuluj;
    };
    const Case cases[] = {{{}, 0, "Jx =", false},
                          {{"EN"}, 0, "Jx =", true},  // a first argument, no options
                          {{"brak.prm", "EN"}, 0, "Jy =", true},
                          {{"brak.prm", "Beton"}, 9, "Jx =", true},
                          {{"brak.prm", "Drewno EN"}, 8, "Jy =", true},
                          {{"brak.prm", "Obiekt"}, 7, "Jx =", true}};
    for (const Case& c : cases) {
      Window app(kDatabaseFolder, 1, c.arguments);
      QCOMPARE(app.find<QTabWidget>("PageControl1")->currentIndex(), c.tab);
      QCOMPARE(app.text("LabelJx"), c.jx);
      QCOMPARE(app.find<QPushButton>("SpeedButtonAnuluj")->isVisible(), c.anuluj);
    }
  }

  void RenamingAndAnotherMaterialGoThroughTheSmallDialog() {
    Window app;
    auto answer = [](const QString& text) {
      QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>("Edit2");
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);  // Enter in the only row closes with OK
      });
    };
    answer("Belka B-1");
    QTest::keyClick(app.find<QLabel>("LabelNazwa"), Qt::Key_Space);
    QCOMPARE(app.text("LabelNazwa").trimmed(), QString("Belka B-1"));
    QCOMPARE(app.w->model().section.name(), std::string("Belka B-1"));
    app.w->PaintBoxSzkicPaint();  // the typed name stays over the generated one
    QCOMPARE(app.text("LabelNazwa"), QString("Belka B-1"));

    answer("1000");
    app.w->findChild<QAction*>("InnyMat")->trigger();
    QCOMPARE(app.find<QToolButton>("SpeedButtonMat")->text(), QString("(dla 1000 kg/m^3)"));
  }

  // a file the command line saved opens in the window as the section the command line
  // built: the tab shows the stored choice and rebuilds it to the same properties; saved
  // again from the window, it still rebuilds to them
  void FilesWrittenByTheCommandLineOpenAsTheSameSection() {
    QTemporaryDir folder;
    Window app;
    int n = 0;
    for (std::vector<std::string> args : test::EveryFamily(TARVIK_PROFILE_DATABASE)) {
      const std::string base = (folder.path() + QString("/f%1").arg(++n)).toStdString();
      args.insert(args.end(), {"--json", "--save", base});
      std::ostringstream out, err;
      QCOMPARE(cli::Run(args, out, err), cli::kOk);
      const auto cli = nlohmann::json::parse(out.str());
      QVERIFY2(app.w->CzytajPrzekroj(QString::fromStdString(base + ".BMP")), args[3].c_str());
      // nothing said: the build renders the sets' layout pictures beside PROFILE.DAT
      for (const Komunikat& m : app.sink.messages()) QFAIL((m.text + " " + m.detail).c_str());
      app.sink = RecordingSink(1);
      const PropertiesRecord& shown = app.w->model().section;
      QCOMPARE(app.w->model().kind, cli["kind"].get<int>());
      for (const SlotInfo& slot : SlotTable()) {
        const double expected = cli["properties"][slot.symbol].get<double>();
        if (std::abs(shown[slot.slot] - expected) > 1e-9 * (1 + std::abs(expected)))
          QFAIL(qPrintable(QString("%1: %2 %3 instead of %4")
                               .arg(QString::fromStdString(out.str()).section('\n', 2, 2))
                               .arg(slot.symbol)
                               .arg(shown[slot.slot])
                               .arg(expected)));
      }
      // saved again by the window, the file's stored choice rebuilds the same section
      const std::string again = base + "w.PRM";
      QVERIFY(app.w->ZapiszPlikDanych(QString::fromStdString(again)));
      std::ostringstream rebuilt;
      const int code = cli::Run({"open", "--rebuild", "--profiles", TARVIK_PROFILE_DATABASE, again},
                                rebuilt, rebuilt);
      QVERIFY2(code == cli::kOk, rebuilt.str().c_str());
    }
  }

  // a welded series the database holds enables itself; a size it lacks is reported, and the
  // section on screen stays with its choice back on the page
  void MissingWeldedRecordKeepsTheSection() {
    QTemporaryDir install;
    CatalogueRecord iks{"IKS", "1000-7", {}};
    iks.values[CatalogueRecord::h] = 1000, iks.values[CatalogueRecord::b] = 300;
    iks.values[CatalogueRecord::tw] = 12, iks.values[CatalogueRecord::tf] = 20;
    QVERIFY(WriteDatabase((install.path() + "/PROFILE.DAT").toStdString(), {iks}));
    Window app(install.path());
    app.tab(1);
    QCOMPARE(app.find<RadioGroup>("RadioGroupSpaw")->itemIndex(), int{kWeldedIKS});
    auto* sizes = app.find<QComboBox>("ComboBoxSpaw");
    auto* variants = app.find<QComboBox>("ComboBoxSpaw2");
    sizes->setCurrentIndex(sizes->findText(" 1000"));
    variants->setCurrentIndex(variants->findText("  7"));
    QCOMPARE(app.text("LabelNazwa"), QString("IKS1000-7"));
    const PropertiesRecord built = app.w->model().section;
    app.sink = RecordingSink(1);
    variants->setCurrentIndex(variants->findText("  6"));
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].text, std::string("Nie ma opisu takiego przekroju"));
    QCOMPARE(app.w->model().section, built);
    QCOMPARE(variants->currentText(), QString("  7"));

    // a saved girder whose record has gone from the database opens as saved, its choice on
    // the page, after the message
    const QString prm = install.path() + "/iks.PRM";
    QVERIFY(app.w->ZapiszPlikDanych(prm));
    iks.designation = "1000-6";
    QVERIFY(WriteDatabase((install.path() + "/PROFILE.DAT").toStdString(), {iks}));
    variants->setCurrentIndex(variants->findText("  6"));
    QCOMPARE(app.text("LabelNazwa"), QString("IKS1000-6"));
    app.sink = RecordingSink(1);
    QVERIFY(app.w->WczytajPlikDanych(prm));
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].text, std::string("Nie ma opisu takiego przekroju"));
    QCOMPARE(app.w->model().section, built);
    QCOMPARE(variants->currentText(), QString("  7"));
  }

  // what cannot be built says so, and the section on screen stays with its choice on the
  // page (a refused dimension); an empty section is neither saved nor
  // listed; a file whose choice the tab cannot offer is refused before anything is replaced
  void WhatCannotBeBuiltSaysSoAndIsNeverSaved() {
    QTemporaryDir folder;
    Window app;
    app.proste(2);  // "Rura ", round
    const PropertiesRecord pipe = app.w->model().section;
    const QString thickness = app.find<QLineEdit>("EditT")->text();

    app.enter("EditT", "60");  // thicker than half the diameter: refused
    QCOMPARE(app.sink.messages().back().text, std::string("Za duża grubość"));
    QCOMPARE(app.w->model().section, pipe);
    QCOMPARE(app.find<QLineEdit>("EditT")->text(), thickness);

    // a composite without components is empty
    app.find<QTabWidget>("PageControl1")->setCurrentIndex(5);
    QVERIFY(!SectionBuilt(app.w->model()));
    app.sink = RecordingSink(1);
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonZapisz"), Qt::LeftButton);
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonLista"), Qt::LeftButton);
    QVERIFY(!app.w->ZapiszPlikDanych(folder.path() + "/pusty.PRM"));
    QCOMPARE(app.sink.messages().size(), size_t{3});
    QCOMPARE(app.sink.messages()[0].text, std::string("Nie ma przekroju do zapisania"));
    QCOMPARE(app.sink.messages()[1].text, std::string("Nie ma przekroju do pokazania"));
    QVERIFY(!QFileInfo::exists(folder.path() + "/pusty.PRM"));

    // an IPE file whose size position lies beyond the list
    app.proste(2);
    const PropertiesRecord good = app.w->model().section;
    std::ostringstream out, err;
    const std::string base = (folder.path() + "/ipe").toStdString();
    QCOMPARE(cli::Run({"profile", "--profiles", TARVIK_PROFILE_DATABASE, "--save", base, "IPE",
                       "200"}, out, err), cli::kOk);
    ReadResult read = CzytajPlikPrm(base + ".PRM");
    QVERIFY(read.ok);
    read.model.figures[0] = read.model.figures[1];
    read.model.figures.resize(1);
    TabFields fields = StoredTabFields(read.header);
    fields.integers[5] = 99;
    QVERIFY(ZapiszPlikPrm(base + ".PRM", read.model, read.model.section, fields).ok);
    app.sink = RecordingSink(1);
    QVERIFY(!app.w->CzytajPrzekroj(QString::fromStdString(base + ".BMP")));
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].text, std::string("Uszkodzony plik z opisem przekroju"));
    QCOMPARE(app.w->model().section, good);
    QCOMPARE(app.find<QTabWidget>("PageControl1")->currentIndex(), 4);
  }

  // haunches stacked higher than the section are refused and the I on screen stays: its
  // values, its outline, its name and its texts on the page; every shape fits the page at the
  // window's size
  void ConcreteTabKeepsItsSectionWhenAHaunchIsTooTall() {
    Window app;
    app.tab(kZelbetowe);
    QCOMPARE(app.text("LabelNazwa"), QString("Żelb.40x30"));
    QCOMPARE(app.text("LabelWF"), QString("1200 cm^2"));
    app.choose("RadioGroupZelbet", 6);  // "Dwuteowy 2": 80 cm high, flanges 20 cm, haunches 10
    QCOMPARE(app.text("LabelNazwa"), QString("Żelb.2T-B"));
    QVERIFY(app.sink.messages().empty());
    const SectionModel built = app.w->model();
    const QString area = app.text("LabelWF");
    app.enter("EditSgz", "31");
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].text, std::string("Półki i skosy wyższe niż przekrój"));
    QCOMPARE(app.sink.messages()[0].detail, std::string("(20 cm + 31 cm + 20 cm + 10 cm > 80 cm)"));
    QCOMPARE(app.w->model().section, built.section);
    QCOMPARE(app.w->model().working(), built.working());
    QCOMPARE(app.text("LabelWF"), area);
    QCOMPARE(app.text("LabelNazwa"), QString("Żelb.2T-B"));
    QCOMPARE(app.find<QLineEdit>("EditSgz")->text(), QString("10 cm"));  // its choice back
    app.enter("EditSgz", "30");  // exactly to the height: built
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QVERIFY(app.w->model().section[slot::A] > built.section[slot::A]);

    QWidget* page = app.find<QWidget>("TabSheetZelbet");
    QTest::mouseClick(app.find<QCheckBox>("CheckBoxZmiennyZelb"), Qt::LeftButton, {}, QPoint(7, 7));
    for (int shape = 0; shape < 7; ++shape) {
      app.choose("RadioGroupZelbet", shape);
      const QSize least = page->minimumSizeHint(), room = page->size();
      QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
               qPrintable(QString("%1: %2 x %3 in %4 x %5")
                              .arg(shape)
                              .arg(least.width())
                              .arg(least.height())
                              .arg(room.width())
                              .arg(room.height())));
    }
  }

  // a concrete file the command line saved opens on the tab as the section it built, the
  // shape chosen on the page; saved again from the window, its choice rebuilds the same
  void ConcreteFilesOfTheCommandLineOpenOnTheTab() {
    QTemporaryDir folder;
    Window app;
    const std::vector<std::vector<std::string>> shapes = {
        {"--sub", "0", "--t1", "45 cm", "--t2", "25 cm"},
        {"--sub", "1", "--t1", "35 cm", "--gradient", "5"},
        {"--sub", "2", "--t1", "50 cm"},
        {"--sub", "3", "--t1", "70 cm", "--t2", "25 cm", "--t5", "90 cm", "--t7", "12 cm"},
        {"--sub", "4", "--t1", "60 cm", "--t2", "20 cm", "--t6", "0 cm", "--t8", "15 cm",
         "--gradient", "2,5"},
        {"--sub", "5", "--t1", "90 cm", "--t2", "30 cm", "--t5", "70 cm", "--t6", "50 cm", "--t7",
         "18 cm", "--t8", "22 cm"},
        {"--sub", "6", "--t1", "80 cm", "--t2", "20 cm", "--t3", "10 cm", "--t4", "5 cm", "--t5",
         "80 cm", "--t6", "40 cm", "--t7", "15 cm", "--t8", "20 cm"}};
    for (const std::vector<std::string>& shape : shapes) {
      const std::string base = (folder.path() + "/z" + shape[1].c_str()).toStdString();
      std::vector<std::string> args = {"compute", "--kind", "9"};
      args.insert(args.end(), shape.begin(), shape.end());
      args.insert(args.end(), {"--json", "--save", base});
      std::ostringstream out, err;
      QCOMPARE(cli::Run(args, out, err), cli::kOk);
      const auto cli = nlohmann::json::parse(out.str());
      QVERIFY2(app.w->CzytajPrzekroj(QString::fromStdString(base + ".BMP")), shape[1].c_str());
      QVERIFY(app.sink.messages().empty());
      QCOMPARE(app.w->model().kind, int{kZelbetowe});
      QCOMPARE(app.find<RadioGroup>("RadioGroupZelbet")->itemIndex(), std::stoi(shape[1]));
      for (const SlotInfo& slot : SlotTable()) {
        const double expected = cli["properties"][slot.symbol].get<double>();
        QVERIFY2(std::abs(app.w->model().section[slot.slot] - expected) <=
                     1e-9 * (1 + std::abs(expected)),
                 (shape[1] + " " + slot.symbol).c_str());
      }
      const std::string again = base + "w.PRM";
      QVERIFY(app.w->ZapiszPlikDanych(QString::fromStdString(again)));
      std::ostringstream rebuilt;
      QVERIFY2(cli::Run({"open", "--rebuild", again}, rebuilt, rebuilt) == cli::kOk,
               rebuilt.str().c_str());
    }
  }

  // the cold-formed tab builds what it shows: a radius text that is no radius leaves the
  // section as it was, and "Walc.na gorąco" reaches the tube's generator
  void ColdFormedTabKeepsItsSectionAndPassesItsSetting() {
    Window app;
    app.tab(2);
    app.choose("RadioGroupGiete", kColdChannelA);
    app.choose("RadioGroupKatalog", kColdOwnDimensions);
    QVERIFY(app.sink.messages().empty());
    const PropertiesRecord channel = app.w->model().section;
    QVERIFY(channel[slot::A] > 0);
    app.enter("EditG4", "12x4");
    QCOMPARE(app.sink.messages().size(), size_t{1});
    QCOMPARE(app.sink.messages()[0].text, std::string("Niewłaściwy promień gięcia"));
    QCOMPARE(app.w->model().section, channel);
    QCOMPARE(app.find<QLineEdit>("EditG4")->text(), QString("1,5 x g"));

    app.choose("RadioGroupGiete", kColdSquareTube);
    app.enter("EditG2", "8");  // over 6 mm the cold-formed corner is wider than the hot one
    const double cold = app.w->model().section[slot::A];
    QTest::mouseClick(app.find<QCheckBox>("CheckBoxGG"), Qt::LeftButton, {}, QPoint(7, 7));
    const double hot = app.w->model().section[slot::A];
    QCOMPARE(app.text("LabelGiete"), QString("Przekroje gięte"));
    QVERIFY2(hot > cold, qPrintable(QString("%1 %2").arg(hot).arg(cold)));  // tighter corners
    QCOMPARE(app.sink.messages().size(), size_t{1});
  }

  // any three-letter extension gives way to .BMP and .PRM; what is not a saved section is
  // refused and nothing changes
  void SaveAndOpenThroughTheFileDialogs() {
    QTemporaryDir folder;
    Window app;
    app.proste(9);  // "Kątownik"
    const PropertiesRecord angle = app.w->model().section;
    // answers the next file dialog with a path
    auto answer = [](const QString& path) {
      QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");  // as the "Save" or "Open" button does
      });
    };
    answer(folder.path() + "/katownik.xyz");
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonZapisz"), Qt::LeftButton);
    QCOMPARE(QImage(folder.path() + "/katownik.BMP").size(), QSize(100, 100));
    QVERIFY(QFileInfo::exists(folder.path() + "/katownik.PRM"));
    QCOMPARE(app.w->folderRoboczy(), folder.path());
    QVERIFY(!app.w->doZapisu());

    app.tab(0);
    answer(folder.path() + "/katownik.BMP");
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonCzytaj"), Qt::LeftButton);
    QCOMPARE(app.w->model().section, angle);
    QVERIFY(app.find<QWidget>("RadioGroupProste_9")->property("checked").toBool());
    QVERIFY(app.sink.messages().empty());

    QImage(50, 50, QImage::Format_RGB32).save(folder.path() + "/maly.bmp");
    QVERIFY(!app.w->CzytajPrzekroj(folder.path() + "/maly.bmp"));
    QFile::copy(folder.path() + "/katownik.BMP", folder.path() + "/sam.BMP");
    QVERIFY(!app.w->CzytajPrzekroj(folder.path() + "/sam.BMP"));
    QCOMPARE(app.sink.messages().size(), size_t{2});
    QCOMPARE(app.sink.messages()[0].text, std::string("To nie jest opis przekroju"));
    QCOMPARE(app.sink.messages()[1].text, std::string("Nie ma pliku z opisem przekroju"));
    QCOMPARE(app.w->model().section, angle);
  }

  // a save the folder refuses says which file and why, keeps the section marked unsaved and
  // leaves no temporary: a folder where the picture goes (its rename fails, nothing is
  // replaced), one where the data file goes (the picture is already new, and it says so)
  void AFailedSaveSaysSoAndLeavesNoTemporary() {
    struct Case {
      const char* in;
      std::string text;
    };
    const Case cases[] = {{"szkic.BMP", "Nie można zapisać szkicu przekroju"},
                          {"szkic.PRM", "Zapisano szkic przekroju, ale nie plik z opisem przekroju"}};
    for (const Case& c : cases) {
      QTemporaryDir folder;
      QDir(folder.path()).mkpath(QString(c.in) + "/zajety");
      Window app;  // answers "Tak" to "Plik już jest."
      app.proste(4);
      QVERIFY(!app.w->ZapiszPrzekroj(folder.path() + "/szkic"));
      QVERIFY(!app.sink.messages().empty());
      const auto& said = app.sink.messages().back();
      QCOMPARE(said.text, c.text);
      QVERIFY2(QString::fromStdString(said.detail).contains(folder.path() + "/" + c.in), said.detail.c_str());
      QVERIFY(app.w->doZapisu());
      QCOMPARE(QDir(folder.path()).entryList({"*.tmp"}, QDir::Files), QStringList{});
    }
  }

  void CommandLineFileIsReadOnceAndWrittenBackAtKoniec() {
    QTemporaryDir install, work;
    QFile::copy(TARVIK_PROFILE_DATABASE, install.path() + "/PROFILE.DAT");
    QFile(install.path() + "/ZUL6.EXE").open(QIODevice::WriteOnly);  // a calling program
    const QString file = work.path() + "/belka.prm";
    {
      Window first(install.path());
      first.proste(0);
      first.enter("EditH", "300");
      QVERIFY(first.w->ZapiszPlikDanych(file));
    }
    const QString current = QDir::currentPath();
    QDir::setCurrent(work.path());  // the exchange file goes to the current folder
    {
      Window called(install.path(), 1, {file, "EN"});
      QCOMPARE(called.find<QTabWidget>("PageControl1")->currentIndex(), 4);
      QCOMPARE(called.find<QLineEdit>("EditH")->text(), QString("300 mm"));
      called.enter("EditH", "320");
      QTest::mouseClick(called.find<QPushButton>("ButtonKoniec"), Qt::LeftButton);
      QVERIFY(called.sink.messages().empty());  // no question: the file is written back
    }
    QDir::setCurrent(current);
    const ReadResult back = CzytajPlikPrm(file.toStdString());
    QVERIFY(back.ok);
    QCOMPARE(back.header.dims[0], std::string("320 mm"));
    QFile tar(work.path() + "/TAR");
    QVERIFY(tar.open(QIODevice::ReadOnly));
    const QByteArray record = tar.readAll();
    QCOMPARE(record.size(), 2048);
    QCOMPARE(int(record[0]), 1);  // ended with "Koniec"
  }

  void PelnaListaShowsTheSameSectionAndGivesBackTheSketch() {
    Window app;  // I 80 of the rolled tab
    QString caption, area;
    QTimer::singleShot(0, [&] {
      QWidget* lista = QApplication::activeModalWidget();
      QVERIFY(lista);
      caption = lista->windowTitle();
      area = lista->findChild<QLabel*>("LabelA")->text();
      QTest::mouseClick(lista->findChild<QPushButton*>("ButtonListaZamk"), Qt::LeftButton);
    });
    const QImage before = app.find<QWidget>("PaintBoxSzkic")->grab().toImage();
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonLista"), Qt::LeftButton);
    QCOMPARE(caption, " " + app.text("LabelNazwa"));
    QCOMPARE(area, app.text("LabelWF"));
    QCOMPARE(app.find<QWidget>("PaintBoxSzkic")->grab().toImage(), before);
  }

  // what a screen reader reads: every value with its caption, following each recompute, the
  // section's name, and the text of a message besides its title
  void ScreenReaderReadsValuesWithTheirCaptionsAndMessagesWhole() {
    auto name = [](QWidget* w) {
      return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    Window app;
    app.proste(0);  // 100 x 10 mm
    QCOMPARE(name(app.find<QLabel>("LabelWF")), QString("A = 10 cm^2"));
    app.enter("EditH", "200");  // 200 x 10 mm: b h^3 / 12, b h^2 / 6, 7850 kg/m^3
    const struct {
      const char* label;
      const char* read;
    } panel[] = {{"LabelWF", "A = 20 cm^2"},      {"LabelWJx", "Jx = 666,7 cm^4"},
                 {"LabelWJy", "Jy = 1,667 cm^4"}, {"LabelWWx", "Wx = 66,67 cm^3"},
                 {"LabelWWy", "Wy = 3,333 cm^3"}, {"LabelWG", "m = 15,7 kg/mb"}};
    for (const auto& p : panel) QCOMPARE(name(app.find<QLabel>(p.label)), QString(p.read));
    QVERIFY(name(app.find<QLabel>("LabelNazwa")).contains("200x10"));

    TFormBlad message({"BŁĄD", "Niewłaściwa gęstość masy", "OK", {}, "(abc)"}, Qt::white);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&message);
    QCOMPARE(window->text(QAccessible::Name), QString("BŁĄD"));
    QVERIFY(window->text(QAccessible::Description).contains("Niewłaściwa gęstość masy"));
    QVERIFY(window->text(QAccessible::Description).contains("(abc)"));
    QCOMPARE(name(message.findChild<QLabel*>("PanelOpis")), QString("Niewłaściwa gęstość masy"));
  }

  // the timber tab builds what it shows: the rectangle at its start, the tee when "Teowy" is
  // chosen; a class chosen in the dialog rebuilds it, and the classes, not the material menu,
  // give the mass
  void TimberTabBuildsTheTeeAndTakesTheClassChosen() {
    Window app;
    app.tab(8);
    QVERIFY(app.sink.messages().empty());
    QCOMPARE(app.text("LabelNazwa"), QString("15x15"));
    app.choose("RadioGroupDrewno", 2);  // "Teowy"
    QVERIFY(app.sink.messages().empty());
    QVERIFY2(app.text("LabelNazwa").startsWith("T"), qPrintable(app.text("LabelNazwa")));
    QCOMPARE(app.w->model().kind, 8);
    QVERIFY(app.w->model().figureCount >= 2);  // the web and the flange
    QVERIFY(!app.find<QToolButton>("SpeedButtonMat")->isVisible());
    app.enter("EditH2", "30");  // the web under a 5 cm flange
    QCOMPARE(app.find<QLineEdit>("EditH2")->text(), QString("30 cm"));
    QVERIFY2(app.text("LabelNazwa").startsWith("T35"), qPrintable(app.text("LabelNazwa")));
    QVERIFY(app.find<QPushButton>("ButtonKoniec")->hasFocus());
    const QString mass = app.text("LabelWG");

    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString("Klasa drewna"));
      dialog->findChild<QRadioButton*>("RadioButtonKlejone")->click();
      auto* list = dialog->findChild<QListWidget*>("ListBoxKlasa");
      list->setCurrentItem(list->findItems("GL32h", Qt::MatchExactly).front());
      QTest::keyClick(list, Qt::Key_Return);
    });
    app.find<QPushButton>("SpeedButtonKlasaDr")->click();
    QCOMPARE(app.find<QPushButton>("SpeedButtonKlasaDr")->text(), QString("GL32h"));
    QVERIFY2(app.text("LabelWG") != mass, qPrintable(mass));  // a heavier web
    QVERIFY(app.sink.messages().empty());
  }

  // a larger window gives its room to the sketch and the results; the tabs keep their size
  void GrowingWindowEnlargesTheSketchNotTheTabs() {
    Window app;
    QWidget* sketch = app.find<QWidget>("PaintBoxSzkic");
    QWidget* tabs = app.find<QWidget>("PageControl1");
    QWidget* results = app.find<QWidget>("PanelWynikow");
    const QSize window = app.w->size(), sketch0 = sketch->size(), tabs0 = tabs->size(),
                results0 = results->size();
    app.w->resize(1280, 860);
    QCoreApplication::processEvents();
    const QSize grown = app.w->size() - window;
    QVERIFY(grown.width() > 200 && grown.height() > 200);
    // nearly all of it: the frames and spacing take a few pixels
    QCOMPARE_GE(sketch->width() - sketch0.width(), grown.width() - 10);
    QCOMPARE_GE(sketch->height() - sketch0.height(), grown.height() - 10);
    QCOMPARE_GT(results->width(), results0.width());
    QCOMPARE(tabs->size(), tabs0);
  }

  // Qt's own dialogs speak Polish after the start-up's translation
  void QtDialogsSpeakPolish() {
    QTranslator* polish = ZaladujTlumaczenieQt(*QCoreApplication::instance());
    QVERIFY(polish);
    QFileDialog dialog(nullptr, "Zapis przekroju");
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QString("Anuluj"));
    for (QAbstractButton* b : buttons->buttons())
      QVERIFY2(!QStringList({"&Save", "Save", "Cancel"}).contains(b->text()),
               qPrintable(b->text()));
    delete polish;  // the other tests see Qt's texts as they were
  }

  void SecondInstanceRaisesTheFirst() {
    const QString name = NazwaInstancji() + "-test";
    SingleInstance first(name);
    QVERIFY(!first.anotherIsRunning());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    SingleInstance second(name);
    QVERIFY(second.anotherIsRunning());
    QVERIFY(raised.wait(2000));
  }

  // a set of two channels flanges to flanges: built, a spacing below the flanges' 2b raised
  // to it and shown so, and its battens listed with the results
  void SetOfChannelsBuildsAndShowsARaisedSpacing() {
    Window app;
    app.tab(3);
    app.choose("RadioGroupUklad", 1);       // "Ceowniki"
    app.choose("RadioGroupUkladWybor", 0);  // "Walcowane"
    app.choose("RadioGroupUkladTyp", 0);    // "Normalne"
    QComboBox* sizes = app.find<QComboBox>("ComboBoxUklad");
    sizes->setCurrentIndex(sizes->findText("100"));
    QTest::mouseClick(app.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
    QCOMPARE(app.text("LabelNazwa"), QString("2xC100/200"));
    const QString twoMembers = app.text("LabelWF");
    // C100's flanges are 50 mm wide: the backs stand at least 100 mm apart
    app.enter("EditUkladH", "60");
    QCOMPARE(app.find<QLineEdit>("EditUkladH")->text(), QString("100 mm"));
    QCOMPARE(app.text("LabelWF"), twoMembers);
    QVERIFY(app.text("LabelNazwa").startsWith("2xC100/100"));
    QVERIFY(app.sink.messages().empty());

    QString heading, battens;
    QTimer::singleShot(0, [&] {
      QWidget* lista = QApplication::activeModalWidget();
      QVERIFY(lista);
      heading = lista->findChild<QLabel*>("LabelPrzewiazki1")->text();
      battens = lista->findChild<QLabel*>("LabelStPrzew2")->text();
      QTest::mouseClick(lista->findChild<QPushButton*>("ButtonListaZamk"), Qt::LeftButton);
    });
    QTest::mouseClick(app.find<QPushButton>("SpeedButtonLista"), Qt::LeftButton);
    QCOMPARE(heading, QString("Przewiązki typ a (PN,rys.8)"));
    QCOMPARE(battens, QString("1 m/100 mm/6 mm"));
  }

  void SketchZoomsAndComesBackAtOneToOne() {
    Window app;
    app.proste(0);
    QWidget* sketch = app.find<QWidget>("PaintBoxSzkic");
    // a zoom rectangle over the middle, then "1 : 1" back to the first drawing
    const QImage fitted = sketch->grab().toImage();
    app.find<QToolButton>("SpeedButtonZoom")->setChecked(true);
    const QPoint c = sketch->rect().center();
    QTest::mousePress(sketch, Qt::LeftButton, {}, c - QPoint(10, 10));
    QTest::mouseMove(sketch, c + QPoint(10, 10));
    QTest::mouseRelease(sketch, Qt::LeftButton, {}, c + QPoint(10, 10));
    QVERIFY(sketch->grab().toImage() != fitted);
    QTest::mouseClick(app.find<QToolButton>("SpeedButton1_1"), Qt::LeftButton);
    QCOMPARE(sketch->grab().toImage(), fitted);
  }
};

TARVIK_UI_TEST_MAIN(WindowTest)
#include "window_test.moc"
