// The "Spawane" page alone: its lists against the database the build makes and against a
// database holding welded series, and the choices a section file keeps.
#include "ui/main/tab_spawane.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include "generators/dispatch.h"
#include "generators/welded.h"
#include "io/tab_fields.h"
#include "ui_test_main.h"

using namespace tarvik;
using tarvik::ui::TabSpawane;

namespace {

QRadioButton* Item(TabSpawane& tab, const QString& group, int item) {
  return tab.findChild<QRadioButton*>(group + "_" + QString::number(item));
}
void Click(TabSpawane& tab, const QString& group, int item) { Item(tab, group, item)->click(); }
QComboBox* List(TabSpawane& tab, int n) {
  return tab.findChild<QComboBox*>(n == 1 ? "ComboBoxSpaw" : "ComboBoxSpaw" + QString::number(n));
}
Selection Chosen(TabSpawane& tab) {
  Selection s;
  tab.FillSelection(s);
  return s;
}
// the section the page's choice builds, and what the user was told
struct Outcome {
  std::string name;
  std::vector<Komunikat> messages;
};
Outcome Build(TabSpawane& tab, ProfileDatabase& db) {
  SectionModel model;
  SketchMapping mapping;
  RecordingSink sink;
  GeneratorSettings settings;
  settings.database = &db;
  Selection s = Chosen(tab);
  Dispatcher().BudujPrzekroj(model, s, settings, sink, mapping, 400, 400);
  return {model.section.name(), sink.messages()};
}

CatalogueRecord Plates(const char* family, const char* designation, double h, double b, double tw,
                       double tf) {
  using F = CatalogueRecord::Field;
  CatalogueRecord rec{family, designation, {}};
  rec.values[F::h] = h, rec.values[F::b] = b, rec.values[F::tw] = tw, rec.values[F::tf] = tf;
  return rec;
}

}  // namespace

class TabSpawaneTest : public QObject {
  Q_OBJECT

  ProfileDatabase db_{TARVIK_PROFILE_DATABASE};

 private slots:
  // every corrugated-web girder and every castellated girder the lists offer is built from
  // the database the build makes, without a message; the series it holds nothing of cannot
  // be chosen and say why
  void buildsEveryGirderItsListsOffer() {
    TabSpawane tab;
    tab.setDatabase(&db_);
    tab.Show();
    for (int sub : {kWeldedIPBS, kWeldedHKS, kWeldedIKS, kWeldedIKSH}) {
      QVERIFY(!Item(tab, "RadioGroupSpaw", sub)->isEnabled());
      QCOMPARE(Item(tab, "RadioGroupSpaw", sub)->toolTip(),
               QString("Baza danych nie zawiera tych profili"));
    }
    QCOMPARE(Chosen(tab).sub, kWeldedWT);  // the first series that can be chosen
    int built = 0;
    for (int i = 0; i < List(tab, 1)->count(); ++i) {
      List(tab, 1)->setCurrentIndex(i);
      for (int j = 0; j < List(tab, 2)->count(); ++j) {
        List(tab, 2)->setCurrentIndex(j);
        for (int k = 0; k < List(tab, 3)->count(); ++k) {
          List(tab, 3)->setCurrentIndex(k);
          const Outcome o = Build(tab, db_);
          QVERIFY2(o.messages.empty() && !o.name.empty(), o.messages.empty() ? "" : o.messages[0].text.c_str());
          ++built;
        }
      }
    }
    QCOMPARE(built, 2 * (12 + 12) + 3 * (16 + 16) + 2 * (19 + 19));
    Click(tab, "RadioGroupSpaw", kWeldedCastellated);
    for (int parent = 0; parent < kParents; ++parent)
      for (int high = 0; high < 2; ++high) {
        Click(tab, "RadioGroupAzur", parent);
        Click(tab, "RadioGroupAzur1", high);
        QVERIFY(List(tab, 1)->count() > 15);
        for (int i = 0; i < List(tab, 1)->count(); ++i) {
          List(tab, 1)->setCurrentIndex(i);
          const Outcome o = Build(tab, db_);
          QVERIFY2(o.messages.empty(), qPrintable(List(tab, 1)->currentText()));
          QVERIFY(o.name.starts_with(high ? "AW " : "A "));
        }
      }
  }

  // a database that holds welded series enables them, and its designations are found
  void seriesOfTheDatabaseEnableThemselves() {
    QTemporaryDir folder;
    ProfileDatabase db((folder.path() + "/PROFILE.DAT").toStdString());
    QVERIFY(WriteDatabase(db.path(), {Plates("IKS", "1000-7", 1000, 300, 12, 20),
                                      Plates("IPBS", "450p", 450, 300, 10, 16)}));
    TabSpawane tab;
    tab.setDatabase(&db);
    tab.Show();
    const bool enabled[] = {true, false, true, false, false, false, true};
    for (int sub = 0; sub < kWeldedSubs; ++sub) QCOMPARE(Item(tab, "RadioGroupSpaw", sub)->isEnabled(), enabled[sub]);
    Click(tab, "RadioGroupSpaw", kWeldedIKS);
    List(tab, 1)->setCurrentIndex(4);  // 1000
    QCOMPARE(List(tab, 2)->count(), 16);
    List(tab, 2)->setCurrentIndex(6);
    QCOMPARE(Build(tab, db).name, std::string("IKS1000-7"));
  }

  // "Pocieniony" belongs to the "Normalny" parent: chosen there, it is not written for IPE
  void thinOptionOnlyWhileItsGroupShowsAndCanBeChosen() {
    QTemporaryDir folder;
    ProfileDatabase db((folder.path() + "/PROFILE.DAT").toStdString());
    QVERIFY(WriteDatabase(db.path(), {Plates("2TPN", "200", 200, 90, 7.5, 11.3),
                                      Plates("2TPN", "200p", 200, 90, 6, 11.3),
                                      Plates("IPE", "200", 200, 100, 5.6, 8.5)}));
    TabSpawane tab;
    tab.setDatabase(&db);
    tab.Show();
    Click(tab, "RadioGroupSpaw", kWeldedCastellated);
    QVERIFY(Item(tab, "RadioGroupCienkiSp", 1)->isEnabled());
    Click(tab, "RadioGroupCienkiSp", 1);
    QCOMPARE(Chosen(tab).option, 1);
    QCOMPARE(WeldedKeyOf(Chosen(tab)).designation, std::string("200p"));
    Click(tab, "RadioGroupAzur", kParentIPE);
    QCOMPARE(Chosen(tab).option, 0);
    QVERIFY(!Item(tab, "RadioGroupAzur", kParentHEB)->isEnabled());

    TabSpawane real;
    real.setDatabase(&db_);
    Click(real, "RadioGroupSpaw", kWeldedCastellated);
    QVERIFY(!Item(real, "RadioGroupCienkiSp", 1)->isEnabled());
  }

  // each series' choice goes into a header and comes back onto a fresh page the same
  void headerKeepsTheChoiceOfEverySeries() {
    QTemporaryDir folder;
    ProfileDatabase db((folder.path() + "/PROFILE.DAT").toStdString());
    std::vector<CatalogueRecord> records = {Plates("IPBS", "450p", 450, 300, 10, 16),
                                            Plates("IKS", "1000-7", 1000, 300, 12, 20),
                                            Plates("HKS", "450-5", 450, 300, 10, 20),
                                            Plates("IKSH", "1900-12", 1900, 500, 16, 40),
                                            Plates("IPE", "300", 300, 150, 7.1, 10.7),
                                            Plates("WT", "1250-19", 1310, 450, 2.5, 30)};
    QVERIFY(WriteDatabase(db.path(), records));
    struct Case {
      int sub, parent, high, size, second, third;
    };
    const Case cases[] = {{kWeldedIPBS, 0, 0, 5, 0, 0},         {kWeldedIKS, 0, 0, 4, 6, 0},
                          {kWeldedHKS, 0, 0, 4, 4, 0},          {kWeldedIKSH, 0, 0, 13, 11, 0},
                          {kWeldedWT, 0, 0, 4, 18, 1},          {kWeldedCastellated, 1, 1, 0, 0, 0},
                          {kWeldedPipe, 0, 0, 48, 9, 0}};
    for (const Case& c : cases) {
      TabSpawane tab;
      tab.setDatabase(&db);
      Click(tab, "RadioGroupSpaw", c.sub);
      if (c.sub == kWeldedCastellated) {
        Click(tab, "RadioGroupAzur", c.parent);
        Click(tab, "RadioGroupAzur1", c.high);
      }
      List(tab, 1)->setCurrentIndex(c.size);
      if (List(tab, 2)->count()) List(tab, 2)->setCurrentIndex(c.second);
      if (List(tab, 3)->count()) List(tab, 3)->setCurrentIndex(c.third);
      TabChoice choice;
      QVERIFY(tab.Choice(choice));
      TabFields fields;
      std::string why;
      QVERIFY2(HeaderFields(choice, &db, fields, why), why.c_str());
      FigureRecord header;
      header.selection[0] = kSpawane;
      std::copy(fields.integers.begin(), fields.integers.end() - 1, header.selection.begin() + 1);
      header.extraChoice = fields.integers.back();
      TabChoice read;
      QVERIFY2(ChoiceFromHeader(header, &db, read, why), why.c_str());
      TabSpawane fresh;
      fresh.setDatabase(&db);
      fresh.SetChoice(read);
      TabChoice again;
      fresh.Choice(again);
      QCOMPARE(again.selection, choice.selection);
    }
  }
};

TARVIK_UI_TEST_MAIN(TabSpawaneTest)
#include "tab_spawane_test.moc"
