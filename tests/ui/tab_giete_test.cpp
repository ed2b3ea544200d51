// The " Gięte " page alone: what each item shows and writes into the selection record, the
// own dimensions it keeps, the radius field's texts, and the choice a section file keeps.
#include "ui/main/tab_giete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "generators/cold_formed.h"
#include "io/tab_fields.h"
#include "ui_test_main.h"

using namespace tarvik;
using tarvik::ui::TabGiete;

namespace {

const QString kNotInDatabase = "Baza danych nie zawiera tych profili";

// a database holding one record of each catalogue family but those left out
bool WriteFamilies(const std::string& path, std::initializer_list<int> without = {}) {
  std::vector<CatalogueRecord> records;
  for (int item = 0; item < kColdItems; ++item)
    for (int option : {0, 1}) {
      const std::string code = ColdCode(item, option);
      if (code.empty() || std::find(without.begin(), without.end(), item) != without.end() ||
          (option == 1 && item != kColdLipZ))
        continue;
      records.push_back({code, "1x1", {}});
    }
  return WriteDatabase(path, records);
}

}  // namespace

class TabGieteTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<ProfileDatabase> db_;
  std::unique_ptr<TabGiete> tab_;

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = tab_->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QRadioButton* radio(const QString& group, int item) const {
    return find<QRadioButton>(group + "_" + QString::number(item));
  }
  void choose(int item, int mode) const {
    radio("RadioGroupGiete", item)->click();
    radio("RadioGroupKatalog", mode)->click();
  }
  QLineEdit* edit(int field) const { return find<QLineEdit>("EditG" + QString::number(field)); }
  QComboBox* list(int n) const {
    return find<QComboBox>(n == 1 ? "ComboBoxGiete" : "ComboBoxGiete2");
  }
  bool shown(const QString& name) const { return find(name)->isVisible(); }
  Selection chosen() const {
    Selection s;
    tab_->FillSelection(s);
    return s;
  }
  void enter(int field, const QString& typed) const {
    edit(field)->clear();
    QTest::keyClicks(edit(field), typed);
    QTest::keyClick(edit(field), Qt::Key_Return);
  }
  void newTab(ProfileDatabase* db) {
    tab_ = std::make_unique<TabGiete>();
    tab_->setDatabase(db);
    tab_->resize(560, 420);
    tab_->show();
  }

 private slots:
  void initTestCase() {
    db_ = std::make_unique<ProfileDatabase>((folder_.path() + "/PROFILE.DAT").toStdString());
    QVERIFY(WriteFamilies(db_->path()));
  }
  void init() { newTab(db_.get()); }
  void cleanup() { tab_.reset(); }

  // every item in each mode it offers: the record holds the item, the mode, the option and
  // the texts the user sees; the fields are captioned as the item names them
  void selectionRecordOfEveryItem() {
    for (int item = 0; item < kColdItems; ++item) {
      const QByteArray trace = "item " + QByteArray::number(item);
      if (ColdCatalogueOffered(item)) {
        choose(item, kColdCatalogue);
        if (item == kColdLipZ) radio("RadioGroup4C", 1)->click();
        QVERIFY2(list(1)->count() > 1, trace);
        list(1)->setCurrentIndex(list(1)->count() - 1);
        if (list(2)->count()) list(2)->setCurrentIndex(list(2)->count() - 1);
        const Selection s = chosen();
        QCOMPARE(s.kind, int{kGiete});
        QCOMPARE(s.variant, item);
        QCOMPARE(s.mode, kColdCatalogue);
        QCOMPARE(s.option, item == kColdLipZ ? 1 : 0);
        QCOMPARE(QString::fromStdString(s.texts[0]), list(1)->currentText());
        QCOMPARE(QString::fromStdString(s.texts[1]), list(2)->currentText());
        QCOMPARE(s.size, list(1)->count() - 1);
        QCOMPARE(s.size2, std::max(list(2)->count() - 1, 0));
        QVERIFY2(!shown("GroupBoxGWym"), trace);
      }
      if (!ColdOwnDimensionsOffered(item)) {
        QVERIFY2(!radio("RadioGroupKatalog", kColdOwnDimensions)->isEnabled(), trace);
        continue;
      }
      choose(item, kColdOwnDimensions);
      if (item == kColdLipChannel) radio("RadioGroup4C", 1)->click();
      const std::vector<ColdField> fields = ColdFields(item, item == kColdLipChannel ? 1 : 0);
      for (int f = 1; f <= 7; ++f) {
        const bool used = f <= static_cast<int>(fields.size());
        QCOMPARE(edit(f)->isVisible(), used);
        if (!used) continue;
        auto* label = find<QLabel>("LabelG" + QString::number(f));
        QCOMPARE(label->text(), QString::fromUtf8(fields[f - 1].caption));
        QCOMPARE(label->buddy(), edit(f));
        edit(f)->setText(QString("%1 mm").arg(10 * f + item));
      }
      const Selection s = chosen();
      QCOMPARE(s.variant, item);
      QCOMPARE(s.mode, kColdOwnDimensions);
      QCOMPARE(s.option, item == kColdLipChannel || item == kColdLipZ ? 1 : 0);
      for (int f = 1; f <= 7; ++f)
        QCOMPARE(QString::fromStdString(s.texts[f - 1]),
                 f <= static_cast<int>(fields.size()) ? QString("%1 mm").arg(10 * f + item) : "");
      QVERIFY2(!shown("ComboBoxGiete2") && shown("GroupBoxGWym"), trace);
    }
  }

  // typed dimensions stay through a trip to the catalogue and to another item
  void ownDimensionsSurviveModeAndItemSwitches() {
    choose(kColdChannelA, kColdOwnDimensions);
    enter(1, "123");
    QCOMPARE(edit(1)->text(), "123 mm");
    choose(kColdChannelA, kColdCatalogue);
    choose(kColdChannelA, kColdOwnDimensions);
    QCOMPARE(edit(1)->text(), "123 mm");
    choose(kColdHat, kColdOwnDimensions);
    QCOMPARE(edit(1)->text(), QString::fromUtf8(ColdFields(kColdHat)[0].initial));
    enter(3, "31");
    choose(kColdAngleRB, kColdCatalogue);  // catalogue only
    QVERIFY(radio("RadioGroupKatalog", kColdCatalogue)->isChecked());
    choose(kColdChannelA, kColdOwnDimensions);
    QCOMPARE(chosen().texts[0], "123 mm");
    choose(kColdHat, kColdOwnDimensions);
    QCOMPARE(chosen().texts[2], "31 mm");
  }

  // the size list is the item's, the thickness list the chosen size's, and a thickness still
  // offered stays chosen when the size changes
  void listsFollowTheItemAndTheSize() {
    for (int item :
         {kColdChannelA, kColdAngleRA, kColdAngleNA, kColdLipAngle, kColdSigma, kColdRectTube}) {
      choose(item, kColdCatalogue);
      const auto& sizes = ColdSizes(item);
      QCOMPARE(list(1)->count(), static_cast<int>(sizes.size()));
      for (int i = 0; i < list(1)->count(); ++i) {
        list(1)->setCurrentIndex(i);
        QCOMPARE(list(1)->itemText(i), QString::fromStdString(sizes[i]));
        const auto thicknesses = ColdThicknesses(item, i);
        QCOMPARE(list(2)->count(), static_cast<int>(thicknesses.size()));
        for (int j = 0; j < list(2)->count(); ++j)
          QCOMPARE(list(2)->itemText(j), QString::fromStdString(thicknesses[j]));
        QCOMPARE(shown("ComboBoxGiete2"), !thicknesses.empty());
      }
    }
    choose(kColdAngleRA, kColdCatalogue);
    list(1)->setCurrentIndex(4);  // 50
    list(2)->setCurrentIndex(list(2)->findText("3"));
    list(1)->setCurrentIndex(8);  // 100
    QCOMPARE(list(2)->currentText(), "3");
  }

  // "Pojedynczy"/"Podwójny" belong to the lipped channel and Z, "Walc.na gorąco" to the
  // tubes, whose title then says they are not cold-formed
  void optionsShowWhereTheyBelong() {
    for (int item = 0; item < kColdItems; ++item) {
      radio("RadioGroupGiete", item)->click();
      const bool tube = item == kColdSquareTube || item == kColdRectTube;
      QCOMPARE(shown("RadioGroup4C"), item == kColdLipChannel || item == kColdLipZ);
      QCOMPARE(shown("CheckBoxGG"), tube);
      QCOMPARE(radio("RadioGroupKatalog", 0)->text(),
               item == kColdSigma ? "Katalog Pruszyński" : "Katalog Arkady");
    }
    auto* title = find<QLabel>("LabelGiete");
    auto hot = [this] {
      GeneratorSettings g;
      tab_->FillSettings(g);
      return g.hotRolledPipe;
    };
    QCOMPARE(title->text(), "Przekroje zimnogięte");
    find<QCheckBox>("CheckBoxGG")->click();
    QCOMPARE(title->text(), "Przekroje gięte");
    QVERIFY(hot());
    radio("RadioGroupGiete", kColdHat)->click();
    QCOMPARE(title->text(), "Przekroje zimnogięte");
    QVERIFY(!hot());
  }

  // the lipped channel has no catalogue; an item the database lacks offers its dimensions
  // alone, or nothing; Sigma's catalogue needs no database
  void catalogueOnlyWhereItCanBeHad() {
    choose(kColdChannelA, kColdCatalogue);
    radio("RadioGroupGiete", kColdLipChannel)->click();
    QVERIFY(!radio("RadioGroupKatalog", kColdCatalogue)->isEnabled());
    QCOMPARE(radio("RadioGroupKatalog", kColdCatalogue)->toolTip(),
             QString::fromUtf8(ColdNoCatalogueReason(kColdLipChannel)));
    QCOMPARE(chosen().mode, kColdOwnDimensions);
    radio("RadioGroup4C", 1)->click();
    QCOMPARE(find<QLabel>("LabelG2")->text(), "Szer. B/2");

    QTemporaryDir folder;
    ProfileDatabase some((folder.path() + "/PROFILE.DAT").toStdString());
    QVERIFY(WriteFamilies(some.path(), {kColdChannelB, kColdAngleRA}));
    newTab(&some);
    QVERIFY(!radio("RadioGroupGiete", kColdChannelB)->isEnabled());
    QCOMPARE(radio("RadioGroupGiete", kColdChannelB)->toolTip(), kNotInDatabase);
    choose(kColdAngleRA, kColdCatalogue);
    QCOMPARE(radio("RadioGroupKatalog", kColdCatalogue)->toolTip(), kNotInDatabase);
    QCOMPARE(chosen().mode, kColdOwnDimensions);

    newTab(nullptr);
    QCOMPARE(chosen().variant, int{kColdChannelA});  // the first that can be chosen
    choose(kColdSigma, kColdCatalogue);
    QCOMPARE(chosen().mode, kColdCatalogue);
  }

  // the radius field: a multiple of g, millimetres or the standard's corner; a text that is
  // none of them is refused with a message and the field is back at its text, no recompute
  void radiusField_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("action");  // "up", "down", "enter:<keys>", "hot"
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("signal");
    const auto row = [](const char* name, int item, const char* preset, const char* action,
                        const char* result, const char* signal) {
      QTest::newRow(name) << item << QString(preset) << QString(action) << QString(result)
                          << QString(signal);
    };
    row("multiple typed", 0, "", "enter:2,5xg", "2,5 x g", "entered");
    row("millimetres typed", 0, "", "enter:4", "4 mm", "entered");
    row("standard typed", 0, "4 mm", "enter:wg normy", "wg normy", "entered");
    row("glued numbers refused", 0, "", "enter:12x4", "1,5 x g", "refused");
    row("words refused", 0, "", "enter:duzy", "1,5 x g", "refused");
    row("multiple up by a half", 0, "", "up", "2 x g", "przelicz");
    row("millimetres down by one", 0, "4 mm", "down", "3 mm", "przelicz");
    row("never below zero", 0, "0,5 mm", "down", "0.0 mm", "przelicz");
    // an 8 mm wall: cold-formed corner 2,5·g outside, 12 mm inside; hot-finished 1·g inside
    row("cold corner up", 11, "", "up", "13 mm", "przelicz");
    row("hot corner down", 11, "", "hot", "7 mm", "przelicz");
  }
  void radiusField() {
    QFETCH(int, item);
    QFETCH(QString, preset);
    QFETCH(QString, action);
    QFETCH(QString, result);
    QFETCH(QString, signal);
    choose(item, kColdOwnDimensions);
    const int field = static_cast<int>(ColdFields(item).size());
    if (item == kColdSquareTube) enter(2, "8");
    if (!preset.isEmpty()) enter(field, preset);
    if (action == "hot") find<QCheckBox>("CheckBoxGG")->click();
    QSignalSpy entered(tab_.get(), &TabGiete::entered);
    QSignalSpy recompute(tab_.get(), &TabGiete::przelicz);
    QSignalSpy refused(tab_.get(), &TabGiete::komunikat);
    const QString arrow = "UpDownG" + QString::number(field);
    if (action == "up" || action == "down")
      find<QToolButton>(arrow + (action == "up" ? "Up" : "Down"))->click();
    else if (action == "hot")
      find<QToolButton>(arrow + "Down")->click();
    else
      enter(field, action.mid(6));
    QCOMPARE(edit(field)->text(), result);
    QCOMPARE(entered.count(), signal == "entered" ? 1 : 0);
    QCOMPARE(recompute.count(), signal == "przelicz" ? 1 : 0);
    QCOMPARE(refused.count(), signal == "refused" ? 1 : 0);
  }

  // every item's choice in both modes, and the tubes' "Walc.na gorąco", go into a header and
  // come back onto a fresh page the same
  void headerKeepsTheChoiceOfEveryItem() {
    for (int item = 0; item < kColdItems; ++item)
      for (int mode : {kColdCatalogue, kColdOwnDimensions}) {
        if (mode == kColdCatalogue ? !ColdCatalogueOffered(item) : !ColdOwnDimensionsOffered(item))
          continue;
        newTab(db_.get());
        choose(item, mode);
        if (item == kColdLipChannel || item == kColdLipZ) radio("RadioGroup4C", 1)->click();
        if (item == kColdSquareTube) find<QCheckBox>("CheckBoxGG")->click();
        if (mode == kColdCatalogue) {
          list(1)->setCurrentIndex(list(1)->count() / 2);
          if (list(2)->count()) list(2)->setCurrentIndex(list(2)->count() - 1);
        } else {
          for (size_t f = 1; f < ColdFields(item).size(); ++f)
            edit(static_cast<int>(f))->setText(QString("%1 mm").arg(f * 7 + item));
          enter(static_cast<int>(ColdFields(item).size()), "2xg");
        }
        TabChoice choice;
        QVERIFY(tab_->Choice(choice));
        QCOMPARE(choice.hotFinished, item == kColdSquareTube);
        TabFields fields;
        std::string why;
        QVERIFY2(HeaderFields(choice, db_.get(), fields, why), why.c_str());
        FigureRecord header;
        header.selection[0] = kGiete;
        std::copy(fields.integers.begin(), fields.integers.end() - 1, header.selection.begin() + 1);
        for (int i = 0; i < FigureRecord::kDimTexts; ++i) header.setDim(i, fields.texts[i]);
        TabChoice read;
        QVERIFY2(ChoiceFromHeader(header, db_.get(), read, why), why.c_str());
        QCOMPARE(read.hotFinished, choice.hotFinished);
        newTab(db_.get());
        tab_->SetChoice(read);
        TabChoice again;
        tab_->Choice(again);
        QCOMPARE(again.selection, choice.selection);
        QCOMPARE(again.hotFinished, choice.hotFinished);
      }
  }
};

TARVIK_UI_TEST_MAIN(TabGieteTest)
#include "tab_giete_test.moc"
