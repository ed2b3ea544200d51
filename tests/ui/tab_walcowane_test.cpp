// The "Walcowane" page alone: its lists against the database the build makes, and the
// selection record they lead to.
#include "ui/main/tab_walcowane.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "ui_test_main.h"

using namespace tarvik;
using tarvik::ui::TabWalcowane;

namespace {

void Click(TabWalcowane& tab, const QString& group, int item) {
  if (auto* b = tab.findChild<QRadioButton*>(group + "_" + QString::number(item))) b->click();
}
QComboBox* List(TabWalcowane& tab, int n) {
  return tab.findChild<QComboBox*>(n == 1 ? "ComboBoxWalc" : "ComboBoxWalc2");
}
bool Shown(TabWalcowane& tab, const char* name) {
  auto* w = tab.findChild<QWidget*>(name);
  return w && w->isVisibleTo(&tab);
}
Selection Chosen(TabWalcowane& tab) {
  Selection s;
  tab.FillSelection(s);
  return s;
}

}  // namespace

class TabWalcowaneTest : public QObject {
  Q_OBJECT

  ProfileDatabase db_{TARVIK_PROFILE_DATABASE};

 private slots:
  // every item of both lists of every series names a profile the database holds, and every
  // rolled profile the database holds is offered
  void offersExactlyWhatTheDatabaseHolds() {
    TabWalcowane tab;
    tab.setDatabase(&db_);
    std::map<std::string, std::set<std::string>> offered;
    RecordingSink sink;
    for (int sub = 0; sub < 8; ++sub) {
      const int series = sub == 0 || sub == 6 ? 14 : sub == 1 ? 5 : 1;
      for (int v = 0; v < series * 2; ++v) {  // each series with both options
        Click(tab, "RadioGroupWalc", sub);
        Click(tab, "RadioGroupTypWalc", v / 2);
        const char* options = sub == 7 ? "RadioGroupWalcZet" : "RadioGroupCienki";
        auto* option = tab.findChild<QRadioButton*>(options + QString("_%1").arg(v % 2));
        if (!option->isEnabled()) continue;
        option->click();
        for (int i = 0; i < List(tab, 1)->count(); ++i) {
          List(tab, 1)->setCurrentIndex(i);
          for (int j = 0; j < std::max(List(tab, 2)->count(), 1); ++j) {
            List(tab, 2)->setCurrentIndex(j);
            const CatalogueKey key = KeyOf(Chosen(tab));
            CatalogueRecord record;
            PropertiesRecord props;
            QVERIFY2(db_.SzukajProfilu(key.code, key.designation, sink, record, props) ==
                         LookupResult::kFound,
                     (key.code + " " + key.designation).c_str());
            offered[key.code].insert(key.designation);
          }
        }
      }
    }
    for (const std::string& code : db_.Families())
      for (const std::string& d : db_.Designations(code)) {
        Selection s;
        if (SelectionFor(code, d, false, s))
          QVERIFY2(offered[code].count(d), (code + " " + d + " not offered").c_str());
      }
  }

  void designationOfTheChosenTexts_data() {
    for (const char* column : {"sub", "series", "option"}) QTest::addColumn<int>(column);
    for (const char* column : {"size", "second", "code", "designation"})
      QTest::addColumn<QString>(column);  // second: "" when the second list is hidden
    // clang-format off
    QTest::newRow("IPE 200") << 0 << 1 << 0 << " 200" << "" << "IPE" << "200";
    QTest::newRow("IPEa 200") << 0 << 10 << 0 << " 200" << "" << "IPE" << "200a";
    QTest::newRow("IPE 750x147") << 0 << 12 << 0 << " 750" << "147" << "IPE" << "750x147";
    QTest::newRow("HD 260x54,1") << 0 << 7 << 0 << "  260" << "54,1" << "HD" << "260x54,1";
    QTest::newRow("HL 1100R") << 0 << 8 << 0 << "1100R" << "" << "HL" << "1100R";
    QTest::newRow("half HEB 300") << 6 << 4 << 0 << "  300" << "" << "HEB" << "300";
    QTest::newRow("C GOST 16a") << 1 << 4 << 0 << "16a" << "" << "CGO" << "16a";
    QTest::newRow("L 100x65x9") << 3 << 0 << 0 << "100x65" << "9" << "KWN" << "100x65x9";
    QTest::newRow("T 60x60x7") << 4 << 0 << 0 << " 60x60x7" << "" << "TW" << "60x60x7";
    // clang-format on
  }
  void designationOfTheChosenTexts() {
    QFETCH(int, sub);
    QFETCH(int, series);
    QFETCH(int, option);
    QFETCH(QString, size);
    QFETCH(QString, second);
    QFETCH(QString, code);
    QFETCH(QString, designation);
    TabWalcowane tab;
    tab.setDatabase(&db_);
    Click(tab, "RadioGroupWalc", sub);
    Click(tab, "RadioGroupTypWalc", series);
    Click(tab, "RadioGroupWalcZet", option);
    QVERIFY(List(tab, 1)->findText(size) >= 0);
    List(tab, 1)->setCurrentIndex(List(tab, 1)->findText(size));
    QCOMPARE(Shown(tab, "ComboBoxWalc2"), !second.isEmpty());
    List(tab, 2)->setCurrentIndex(List(tab, 2)->findText(second));
    const Selection s = Chosen(tab);
    QCOMPARE(QString::fromStdString(s.texts[1]), second);
    QCOMPARE(QString::fromStdString(KeyOf(s).code), code);
    QCOMPARE(QString::fromStdString(KeyOf(s).designation), designation);
  }

  // a family or series the database holds no row of cannot be chosen, and says why; a
  // choice of one never reaches the generator (which would answer with an error and an
  // empty panel)
  void familiesWithoutRowsAreDisabled() {
    TabWalcowane tab;
    tab.setDatabase(&db_);
    QSignalSpy recompute(&tab, &TabWalcowane::przelicz);
    // the database has no low tees, no Z sections and no "Ekonomiczny" channels
    for (const char* name : {"RadioGroupWalc_5", "RadioGroupWalc_7"}) {
      auto* b = tab.findChild<QRadioButton*>(name);
      QVERIFY(b && !b->isEnabled());
      QCOMPARE(b->toolTip(), "Baza danych nie zawiera tych profili");
      b->click();
      QVERIFY(!b->isChecked());
    }
    Click(tab, "RadioGroupWalc", 1);
    auto* economic = tab.findChild<QRadioButton*>("RadioGroupTypWalc_1");
    QVERIFY(economic && !economic->isEnabled());
    QCOMPARE(economic->toolTip(), "Baza danych nie zawiera tych profili");
    QVERIFY(tab.findChild<QRadioButton*>("RadioGroupTypWalc_0")->isEnabled());
    QVERIFY(List(tab, 1)->count() > 0);
    QCOMPARE(recompute.count(), 1);  // the channel only
  }
  // the groups a sub-kind shows
  void groupsAndNote_data() {
    for (const char* column : {"sub", "series"}) QTest::addColumn<int>(column);
    QTest::addColumn<QString>("shown");
    QTest::newRow("I Normalny") << 0 << 0 << "RadioGroupTypWalc RadioGroupCienki";
    QTest::newRow("I HEB") << 0 << 4 << "RadioGroupTypWalc";
    QTest::newRow("tube") << 8 << 0 << "LabelRura";
  }
  void groupsAndNote() {
    QFETCH(int, sub);
    QFETCH(int, series);
    QFETCH(QString, shown);
    TabWalcowane tab;
    tab.setDatabase(&db_);
    Click(tab, "RadioGroupWalc", sub);
    Click(tab, "RadioGroupTypWalc", series);
    for (const char* name : {"RadioGroupTypWalc", "RadioGroupCienki", "RadioGroupWalcZet",
                             "LabelRura", "LabelBrakWBazie"})
      QVERIFY2(Shown(tab, name) == shown.contains(name), name);
  }

  // "Pocieniony" is offered only by a database that holds thin sizes
  void thinOptionFollowsTheDatabase() {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/PROFILE.DAT").toStdString();
    std::vector<CatalogueRecord> records(3, CatalogueRecord{"2TPN", "", {}});
    records[0].designation = "200", records[1].designation = "200p", records[2].designation = "220";
    QVERIFY(WriteDatabase(path, records));
    ProfileDatabase thin(path);
    TabWalcowane tab;
    tab.setDatabase(&thin);
    QCOMPARE(List(tab, 1)->count(), 2);
    Click(tab, "RadioGroupCienki", 1);
    QCOMPARE(List(tab, 1)->count(), 1);
    QCOMPARE(KeyOf(Chosen(tab)).designation, std::string("200p"));
    tab.setDatabase(&db_);
    QVERIFY(!tab.findChild<QRadioButton*>("RadioGroupCienki_1")->isEnabled());
    QCOMPARE(Chosen(tab).option, 0);
  }

  // no database: empty lists and a note, except for the tube, which needs none
  void withoutDatabaseOnlyTheTube() {
    TabWalcowane tab;
    for (int sub = 0; sub < 8; ++sub) {
      Click(tab, "RadioGroupWalc", sub);
      QVERIFY(List(tab, 1)->count() == 0 && Shown(tab, "LabelBrakWBazie"));
      QVERIFY(Chosen(tab).texts[0].empty());
    }
    Click(tab, "RadioGroupWalc", 8);
    QCOMPARE(List(tab, 2)->count(), 6);
    QCOMPARE(List(tab, 2)->itemText(5), "4,0");
    List(tab, 2)->setCurrentIndex(3);
    List(tab, 1)->setCurrentIndex(1);  // 21,3 has the same walls: 3,2 stays
    QCOMPARE(List(tab, 2)->currentText(), "3,2");
    List(tab, 1)->setCurrentIndex(38);
    const Selection s = Chosen(tab);
    QCOMPARE(s.texts[0] + " " + s.texts[1], std::string("508,0 11,0"));
  }

  // a choice recomputes once; refilling the lists does not; an I and its half share series
  // and size
  void choicesRecomputeOnce() {
    TabWalcowane tab;
    QSignalSpy przelicz(&tab, &TabWalcowane::przelicz);
    tab.setDatabase(&db_);
    tab.Show();
    Click(tab, "RadioGroupTypWalc", 7);
    List(tab, 1)->setCurrentIndex(3);
    List(tab, 2)->setCurrentIndex(2);
    Click(tab, "RadioGroupWalc", 6);
    QCOMPARE(przelicz.count(), 4);
    QCOMPARE(KeyOf(Chosen(tab)).designation, std::string("400x237"));
    tab.Show();
    QCOMPARE(przelicz.count(), 4);
    QCOMPARE(KeyOf(Chosen(tab)).name, std::string("1/2I400x237"));
  }
};

TARVIK_UI_TEST_MAIN(TabWalcowaneTest)
#include "tab_walcowane_test.moc"
