// The "Zestawy" page alone: what each member type offers and puts into the selection record,
// the layout buttons and their pictures, the spacings handed back by the generator, the
// battens dialog, and the choice a section file keeps.
#include "ui/main/tab_zestawy.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "generators/cold_formed.h"
#include "generators/database.h"
#include "generators/rolled.h"
#include "generators/sets.h"
#include "generators/welded.h"
#include "io/tab_fields.h"
#include "ui/main/form_przewiazki.h"
#include "ui_test_main.h"

using namespace tarvik;
using tarvik::ui::Przewiazki;
using tarvik::ui::TabZestawy;
using tarvik::ui::TFormPrzewiazki;

namespace {

// the picture names of each member type's layouts, in button order
const QStringList kPictures[kSetFamilies] = {
    {"2T1", "2T2", "2T3"},
    {"C1", "C2", "C3"},
    {"KR0", "KR1", "KR2", "KR3", "KR4", "KR5", "KR6"},
    {"KN0", "KN1", "KN2", "KN3", "KN4", "KN5", "KN6", "KN7", "KN8", "KN9", "KN10"},
    {"R1", "R2", "R3", "R4"},
    {"PK1", "PK2"},
    {"PP1", "PP2", "PP3"}};

// runs what to do with the modal dialog once it is open
void WithDialog(std::function<void(QDialog*)> what) {
  QTimer::singleShot(0, [what] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    what(dialog);
    if (dialog->isVisible()) dialog->reject();  // a failed check leaves no dialog behind
  });
}

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i).trimmed();
  return items;
}

QStringList Sizes(const std::vector<CatalogueSize>& sizes) {
  QStringList items;
  for (const CatalogueSize& z : sizes) items << QString::fromStdString(z.size);
  return items;
}

QStringList Texts(const std::vector<std::string>& list) {
  QStringList items;
  for (const std::string& s : list) items << QString::fromStdString(s).trimmed();
  return items;
}

// the profile database with what it lacks: thinned "Normalne" I-sections and one profile of
// each welded series
std::string DatabaseWithExtras(const QString& folder) {
  const QString extras = folder + "/extras.DAT", path = folder + "/PROFILE.DAT";
  std::vector<CatalogueRecord> records = {{"2TPN", "200p", {}}, {"2TPN", "220p", {}}};
  for (const char* code : {"IPBS", "HKS", "IKS", "IKSH", "WT"})
    records.push_back({code, "1000-1", {}});
  if (!WriteDatabase(extras.toStdString(), records)) qFatal("cannot write %s", qPrintable(extras));
  QFile base(TARVIK_PROFILE_DATABASE), more(extras), out(path);
  if (!base.open(QIODevice::ReadOnly) || !more.open(QIODevice::ReadOnly) ||
      !out.open(QIODevice::WriteOnly))
    qFatal("cannot join the databases");
  out.write(base.readAll() + more.readAll());
  return path.toStdString();
}

// a folder with a small picture for every layout of every type
void WritePictures(const QString& folder) {
  QDir(folder).mkpath("BMP");
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(Qt::white);
  for (const QStringList& names : kPictures)
    for (const QString& name : names) picture.save(folder + "/BMP/" + name + ".BMP", "BMP");
}

}  // namespace

class TabZestawyTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  ProfileDatabase db_{DatabaseWithExtras(dir_.path())};
  std::unique_ptr<TabZestawy> tab_;

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = tab_->findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }
  QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
  QLineEdit* edit(const QString& name) const { return find<QLineEdit>("Edit" + name); }
  QToolButton* layoutButton(int k) const {
    return find<QToolButton>(QString("SpeedButton%1").arg(k));
  }
  void choose(const char* group, int item) const {
    find<QRadioButton>(QString("%1_%2").arg(group).arg(item))->click();
  }
  bool enabled(const char* group, int item) const {
    return find<QRadioButton>(QString("%1_%2").arg(group).arg(item))->isEnabled();
  }
  void enter(const QString& name, const QString& typed) const {
    edit(name)->clear();
    QTest::keyClicks(edit(name), typed);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }
  int layoutsShown() const {
    int n = 0;
    for (int k = 1; k <= TabZestawy::kMaxLayouts; ++k) n += layoutButton(k)->isVisible();
    return n;
  }
  Selection selection() const {
    Selection s;
    s.variant = 9;  // whatever another tab left in the record goes
    s.size = 99;
    tab_->FillSelection(s);
    return s;
  }

 private slots:
  void init() {
    tab_ = std::make_unique<TabZestawy>();
    tab_->setDatabase(&db_);
    tab_->resize(690, 420);
    tab_->show();
  }
  void cleanup() { tab_.reset(); }

  // each type offers its makes and series, and its lists come from the member's own source
  // and follow the series, the make and the size chosen
  void membersOfferTheirOwnLists() {
    // I-sections: the rolled series; "IPE" and "HEB" are different lists
    choose("RadioGroupUklad", kSetI);
    QVERIFY(find("RadioGroupUkladWybor")->isVisible());
    QCOMPARE(find<QRadioButton>("RadioGroupUkladWybor_1")->text(), QString("Spawane"));
    choose("RadioGroupUkladTyp", 1);
    QCOMPARE(Items(combo("ComboBoxUklad")), Sizes(RolledSizes(&db_, 0, kSeriesIPE, 0)));
    choose("RadioGroupUkladTyp", 4);
    QCOMPARE(Items(combo("ComboBoxUklad")), Sizes(RolledSizes(&db_, 0, kSeriesHEB, 0)));
    QVERIFY(!find("RadioGroupUkladCienki")->isVisible());
    choose("RadioGroupUkladTyp", 6);  // "wg GOST": the last item is the GOST series
    QCOMPARE(Items(combo("ComboBoxUklad")), Sizes(RolledSizes(&db_, 0, kSeriesGOST, 0)));
    choose("RadioGroupUkladTyp", 0);  // "Normalne": plain and thinned
    QVERIFY(find("RadioGroupUkladCienki")->isVisible());
    choose("RadioGroupUkladCienki", 1);
    QCOMPARE(Items(combo("ComboBoxUklad")), QStringList({"200", "220"}));
    // welded: the welded series, their sizes and numbered variants
    choose("RadioGroupUkladWybor", 1);
    QVERIFY(!find("RadioGroupUkladCienki")->isVisible());
    choose("RadioGroupUkladTyp", kWeldedIKS);
    QCOMPARE(Items(combo("ComboBoxUklad")), Texts(WeldedSizes(kWeldedIKS)));
    combo("ComboBoxUklad")->setCurrentIndex(2);
    QCOMPARE(Items(combo("ComboBoxUklad2")), Texts(WeldedSecond(kWeldedIKS, 2)));

    // channels: rolled series, or the cold-formed catalogue
    choose("RadioGroupUklad", kSetChannels);
    QCOMPARE(find<QRadioButton>("RadioGroupUkladWybor_1")->text(), QString("Gięte"));
    choose("RadioGroupUkladWybor", 0);
    choose("RadioGroupUkladTyp", kChannelUAP);
    QCOMPARE(Items(combo("ComboBoxUklad")), Sizes(RolledSizes(&db_, 1, kChannelUAP, 0)));
    choose("RadioGroupUkladWybor", 1);
    choose("RadioGroupUkladTyp", 0);  // plain: the catalogue
    QCOMPARE(Items(combo("ComboBoxUklad")), Texts(ColdSizes(kColdChannelA)));
    // lipped: no catalogue, the designation typed goes as the size, the option says lipped
    choose("RadioGroupUkladTyp", 1);
    QVERIFY(!combo("ComboBoxUklad")->isVisible());
    QLineEdit* lipped = find<QLineEdit>("EditUkladC4");
    QVERIFY(lipped->isVisible());
    lipped->setText("160x60x15x2");
    QCOMPARE(selection().texts[0], std::string("160x60x15x2"));
    QCOMPARE(selection().option, 1);

    // angles: each size its thicknesses, rolled or cold-formed
    choose("RadioGroupUklad", kSetUnequalAngles);
    choose("RadioGroupUkladWybor", 0);
    const std::vector<CatalogueSize> unequal = RolledSizes(&db_, 3, 0, 0);
    QVERIFY(unequal.size() > 3);
    combo("ComboBoxUklad")->setCurrentIndex(3);
    QCOMPARE(Items(combo("ComboBoxUklad2")), Texts(unequal[3].second));
    choose("RadioGroupUkladWybor", 1);
    QCOMPARE(Items(combo("ComboBoxUklad")), Texts(ColdSizes(kColdAngleNA)));
    combo("ComboBoxUklad")->setCurrentIndex(1);
    QCOMPARE(Items(combo("ComboBoxUklad2")), Texts(ColdThicknesses(kColdAngleNA, 1)));

    // tubes: no make to choose
    choose("RadioGroupUklad", kSetRoundTubes);
    QVERIFY(!find("RadioGroupUkladWybor")->isVisible());
    QVERIFY(!find("RadioGroupUkladTyp")->isVisible());
    QCOMPARE(Items(combo("ComboBoxUklad")), Sizes(RolledSizes(&db_, 8, 0, 0)));
    choose("RadioGroupUklad", kSetRectTubes);
    QCOMPARE(Items(combo("ComboBoxUklad")), Texts(ColdSizes(kColdRectTube)));
  }

  // series and makes the database lacks cannot be chosen, and say why
  void seriesTheDatabaseLacksAreGreyed() {
    QTemporaryDir dir;
    const QString path = dir.filePath("PROFILE.DAT");
    QFile(path).open(QIODevice::WriteOnly);  // a database with no profiles at all
    ProfileDatabase empty(path.toStdString());
    tab_->setDatabase(&empty);
    choose("RadioGroupUklad", kSetRoundTubes);  // the seamless tubes need no database
    QVERIFY(enabled("RadioGroupUklad", kSetRoundTubes));
    for (int t : {kSetI, kSetChannels, kSetEqualAngles, kSetSquareTubes}) {
      QVERIFY(!enabled("RadioGroupUklad", t));
      QCOMPARE(find<QRadioButton>(QString("RadioGroupUklad_%1").arg(t))->toolTip(),
               QString("Baza danych nie zawiera tych profili"));
    }
    tab_->setDatabase(&db_);
    choose("RadioGroupUklad", kSetI);
    for (int i = 0; i < 7; ++i) QVERIFY(enabled("RadioGroupUkladTyp", i));
  }

  // the record of each type and layout: kind, family, layout, the member's own choices and
  // the texts of its lists and spacings
  void recordOfEachTypeAndLayout_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("make");
    QTest::addColumn<int>("series");  // the series item, -1 where none is shown
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("option2");
    QTest::newRow("HEB") << int{kSetI} << 0 << 4 << int{kSeriesHEB} << 0;
    QTest::newRow("wg GOST") << int{kSetI} << 0 << 6 << int{kSeriesGOST} << 0;
    QTest::newRow("welded IKSH") << int{kSetI} << 1 << 3 << int{kWeldedIKSH} << 1;
    QTest::newRow("UAE") << int{kSetChannels} << 0 << 3 << int{kChannelUAE} << 0;
    QTest::newRow("cold channels") << int{kSetChannels} << 1 << 0 << 0 << 1;
    QTest::newRow("equal angles") << int{kSetEqualAngles} << 0 << -1 << 0 << 0;
    QTest::newRow("cold equal angles") << int{kSetEqualAngles} << 1 << -1 << 0 << 1;
    QTest::newRow("unequal angles") << int{kSetUnequalAngles} << 0 << -1 << 0 << 0;
    QTest::newRow("round tubes") << int{kSetRoundTubes} << -1 << -1 << 0 << 0;
    QTest::newRow("square tubes") << int{kSetSquareTubes} << -1 << -1 << 0 << 0;
    QTest::newRow("rectangular tubes") << int{kSetRectTubes} << -1 << -1 << 0 << 0;
  }

  void recordOfEachTypeAndLayout() {
    QFETCH(int, type);
    QFETCH(int, make);
    QFETCH(int, series);
    QFETCH(int, variant);
    QFETCH(int, option2);
    choose("RadioGroupUklad", type);
    if (make >= 0) choose("RadioGroupUkladWybor", make);
    if (series >= 0) choose("RadioGroupUkladTyp", series);
    QCOMPARE(find("RadioGroupUkladTyp")->isVisible(), series >= 0);
    QComboBox* sizes = combo("ComboBoxUklad");
    QVERIFY(sizes->count() > 2);
    sizes->setCurrentIndex(2);
    QComboBox* second = combo("ComboBoxUklad2");
    if (second->count() > 1) second->setCurrentIndex(1);
    // a button for each layout the set's generator builds
    QCOMPARE(layoutsShown(), SetLayouts(type));

    for (int k = 1; k <= layoutsShown(); ++k) {
      enter("UkladH", "150");
      QSignalSpy recompute(tab_.get(), &TabZestawy::przelicz);
      layoutButton(k)->click();
      QCOMPARE(recompute.count(), 1);
      const Selection s = selection();
      QCOMPARE(s.kind, 3);
      QCOMPARE(s.sub, type);
      QCOMPARE(s.mode, k);
      QCOMPARE(s.variant, variant);
      QCOMPARE(s.option, 0);
      QCOMPARE(s.option2, option2);
      QCOMPARE(QString::fromStdString(s.texts[0]), sizes->currentText());
      // the second list goes with the size whenever one is shown
      QCOMPARE(QString::fromStdString(s.texts[1]),
               second->isVisible() ? second->currentText() : QString());
      // a layout pressed starts from the usual spacings
      QCOMPARE(QString::fromStdString(s.texts[2]), QString("200 mm"));
      QCOMPARE(QString::fromStdString(s.texts[3]), QString("200 mm"));
      QCOMPARE(s.size, 2);
      // a spacing edit shows when the layout uses it, with a caption naming it
      for (const char* e : {"UkladH", "UkladV"}) {
        const QLabel* caption = find<QLabel>(QString("Label") + e);
        QCOMPARE(caption->isVisible(), edit(e)->isVisible());
        QCOMPARE(caption->buddy(), edit(e));
        if (caption->isVisible()) QVERIFY(!caption->toolTip().trimmed().isEmpty());
      }
      QVERIFY(!edit("UkladV")->isVisible() || edit("UkladH")->isVisible());
      QVERIFY(find("LabelPrzewiazki")->isVisible());
    }
  }

  // "Pocienione" of the "Normalne" I-sections and channels is the option
  void thinnedNormalSeriesIsTheOption() {
    for (int type : {int{kSetI}, int{kSetChannels}}) {
      choose("RadioGroupUklad", type);
      choose("RadioGroupUkladWybor", 0);
      choose("RadioGroupUkladTyp", 0);
      // the test's database holds thinned I-sections only
      QCOMPARE(enabled("RadioGroupUkladCienki", 1), type == kSetI);
      if (type != kSetI) continue;
      choose("RadioGroupUkladCienki", 1);
      QCOMPARE(selection().option, 1);
      QCOMPARE(selection().variant, 0);
      choose("RadioGroupUkladTyp", 1);  // another series: no thin option any more
      QCOMPARE(selection().option, 0);
    }
  }

  // the generator's spacings come back into the edits: a raised one is shown raised, a
  // spacing the layout has not is left alone
  void spacingsUsedAreShown() {
    choose("RadioGroupUklad", kSetRoundTubes);
    layoutButton(4)->click();
    enter("UkladH", "50");
    enter("UkladV", "300,5");
    tab_->SpacingsUsed(219.1, -1);
    QCOMPARE(edit("UkladH")->text(), QString("219,1 mm"));
    QCOMPARE(edit("UkladV")->text(), QString("300,5 mm"));
    // the record then holds what the set was built with
    QCOMPARE(QString::fromStdString(selection().texts[2]), QString("219,1 mm"));
    tab_->SpacingsUsed(-1, 320);
    QCOMPARE(edit("UkladH")->text(), QString("219,1 mm"));
    QCOMPARE(edit("UkladV")->text(), QString("320 mm"));
  }

  // every layout's picture from the installation's BMP folder; a missing one is reported
  // with its path and the button keeps the picture it had
  void layoutPicturesAndAMissingOne() {
    QTemporaryDir dir;
    WritePictures(dir.path());
    std::vector<Komunikat> messages;
    connect(tab_.get(), &TabZestawy::komunikat, this,
            [&messages](const Komunikat& m) { messages.push_back(m); });
    tab_->setFolderInstalacji(dir.path());
    tab_->Show();
    choose("RadioGroupUklad", kSetUnequalAngles);
    QCOMPARE(messages.size(), size_t{0});
    for (int k = 1; k <= 11; ++k) QVERIFY(!layoutButton(k)->icon().isNull());
    const qint64 before = layoutButton(2)->icon().cacheKey();

    QFile::remove(dir.filePath("BMP/C2.BMP"));
    choose("RadioGroupUklad", kSetChannels);
    QCOMPARE(messages.size(), size_t{1});
    const Komunikat& m = messages.front();
    QCOMPARE(QString::fromStdString(m.title), QString("UWAGA"));
    QCOMPARE(QString::fromStdString(m.text), QString("Nie ma pliku:"));
    QCOMPARE(QString::fromStdString(m.button1), QString("OK"));
    QCOMPARE(QString::fromStdString(m.detail),
             QDir::toNativeSeparators(dir.filePath("BMP/C2.BMP")));
    QCOMPARE(layoutButton(2)->icon().cacheKey(), before);
    // the buttons say which layout they are, picture or none
    QVERIFY(layoutButton(2)->accessibleName().startsWith("Układ 2: "));
  }

  // a type with fewer layouts than the one pressed goes to its first layout; the spacings
  // typed stay
  void fewerLayoutsGoToTheFirst() {
    choose("RadioGroupUklad", kSetUnequalAngles);
    layoutButton(9)->click();
    enter("UkladH", "250");
    choose("RadioGroupUklad", kSetSquareTubes);
    QCOMPARE(selection().mode, 1);
    QVERIFY(layoutButton(1)->isChecked());
    QCOMPARE(edit("UkladH")->text(), QString("250 mm"));
  }

  // the choice a section file keeps gives the same page back, the spacings as stored
  void choiceRoundTrip_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("make");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("layout");
    QTest::newRow("HEA layout 2") << int{kSetI} << 0 << 3 << 2;
    QTest::newRow("welded HKS layout 3") << int{kSetI} << 1 << 1 << 3;
    QTest::newRow("cold channels layout 3") << int{kSetChannels} << 1 << 0 << 3;
    QTest::newRow("lipped channels layout 2") << int{kSetChannels} << 1 << 1 << 2;
    QTest::newRow("WT layout 1") << int{kSetI} << 1 << int{kWeldedWT} << 1;
    QTest::newRow("unequal angles layout 11") << int{kSetUnequalAngles} << 0 << -1 << 11;
    QTest::newRow("rectangular tubes layout 3") << int{kSetRectTubes} << -1 << -1 << 3;
  }

  void choiceRoundTrip() {
    QFETCH(int, type);
    QFETCH(int, make);
    QFETCH(int, series);
    QFETCH(int, layout);
    choose("RadioGroupUklad", type);
    if (make >= 0) choose("RadioGroupUkladWybor", make);
    if (series >= 0) choose("RadioGroupUkladTyp", series);
    combo("ComboBoxUklad")->setCurrentIndex(combo("ComboBoxUklad")->count() - 1);
    QComboBox* second = combo("ComboBoxUklad2");
    if (second->count() > 1) second->setCurrentIndex(second->count() - 1);
    QComboBox* web = combo("ComboBoxUklad3");
    if (web->count() > 1) web->setCurrentIndex(web->count() - 1);
    if (auto* lipped = find<QLineEdit>("EditUkladC4"); lipped->isVisible())
      lipped->setText("160x60x15x2");
    layoutButton(layout)->click();
    enter("UkladH", "333");
    enter("UkladV", "444");
    TabChoice stored;
    QVERIFY(tab_->Choice(stored));

    TabZestawy other;
    other.setDatabase(&db_);
    other.SetChoice(stored);
    TabChoice back;
    QVERIFY(other.Choice(back));
    QVERIFY(back.selection == stored.selection);
    QCOMPARE(QString::fromStdString(back.selection.texts[2]), QString("333 mm"));
    QCOMPARE(back.selection.mode, layout);
    // shown again, the page keeps what the user left
    tab_->Show();
    TabChoice again;
    tab_->Choice(again);
    QVERIFY(again.selection == stored.selection);
  }

  // the battens dialog: each type's fields and units, Enter normalises and hands the focus
  // to OK, OK keeps the values for the next opening and "Anuluj" drops what was typed
  void battensDialog() {
    QCOMPARE(tab_->przewiazki(), Przewiazki{});
    QLabel* link = find<QLabel>("LabelPrzewiazki");
    WithDialog([](QDialog* d) {
      QCOMPARE(d->windowTitle(), QString("Przewiązki"));
      auto* typeB = d->findChild<QToolButton*>("SpeedButton2");
      typeB->click();
      auto* angle = d->findChild<QLineEdit*>("Edit1");
      QCOMPARE(angle->text(), QString("45°"));
      QVERIFY(!d->findChild<QLineEdit*>("Edit3")->isVisible());
      angle->setFocus();
      angle->clear();
      QTest::keyClicks(angle, "60");
      QTest::keyClick(angle, Qt::Key_Return);
      QCOMPARE(angle->text(), QString("60°"));
      QCOMPARE(d->focusWidget(), d->findChild<QPushButton*>("ButtonOK"));
      auto* area = d->findChild<QLineEdit*>("Edit2");
      area->clear();
      QTest::keyClicks(area, "12,345678");
      QTest::keyClick(area, Qt::Key_Return);
      QCOMPARE(area->text(), QString("12,3457 cm^2"));
      d->findChild<QPushButton*>("ButtonOK")->click();
    });
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(tab_->przewiazki().typ, int{Przewiazki::kB});
    QCOMPARE(tab_->przewiazki().kat, QString("60°"));
    QCOMPARE(tab_->przewiazki().pole, QString("12,3457 cm^2"));

    // reopened by the keyboard: the values are there; battens' own fields, then "Anuluj"
    WithDialog([](QDialog* d) {
      QVERIFY(d->findChild<QToolButton*>("SpeedButton2")->isChecked());
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("60°"));
      d->findChild<QToolButton*>("SpeedButton1")->click();
      const struct {
        const char* edit;
        const char* typed;
        const char* shown;
      } fields[] = {{"Edit1", "1,5", "1,5 m"}, {"Edit2", "120", "120 mm"}, {"Edit3", "8", "8 mm"}};
      for (const auto& f : fields) {
        auto* e = d->findChild<QLineEdit*>(f.edit);
        QVERIFY(e->isVisible());
        e->clear();
        QTest::keyClicks(e, f.typed);
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(e->text(), QString(f.shown));
      }
      d->findChild<QPushButton*>("ButtonAnuluj")->click();
    });
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(tab_->przewiazki().typ, int{Przewiazki::kB});
    QCOMPARE(tab_->przewiazki().l1, QString("1 m"));

    // the lacing's angle and the battens' texts live apart: a type switch loses neither
    WithDialog([](QDialog* d) {
      d->findChild<QToolButton*>("SpeedButton1")->click();
      auto* l1 = d->findChild<QLineEdit*>("Edit1");
      l1->clear();
      QTest::keyClicks(l1, "1,23456");
      QTest::keyClick(l1, Qt::Key_Return);
      QCOMPARE(l1->text(), QString("1,2346 m"));
      // the arrows step from the value shown, to four decimals too
      QTest::mouseClick(d->findChild<QToolButton*>("UpDown1Up"), Qt::LeftButton);
      QTest::mouseClick(d->findChild<QToolButton*>("UpDown1Up"), Qt::LeftButton);
      QTest::mouseClick(d->findChild<QToolButton*>("UpDown1Down"), Qt::LeftButton);
      QCOMPARE(l1->text(), QString("1,3346 m"));
      d->findChild<QToolButton*>("SpeedButton4")->click();
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("60°"));
      QCOMPARE(d->findChild<QLabel*>("Label2")->text(), QString("Pole przekroju krzyżulców (AD)"));
      d->findChild<QToolButton*>("SpeedButton1")->click();
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("1,3346 m"));
      d->findChild<QPushButton*>("ButtonOK")->click();
    });
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(tab_->przewiazki().typ, int{Przewiazki::kA});
    QCOMPARE(tab_->przewiazki().l1, QString("1,3346 m"));
  }

  // what the results window reports of the battens
  void battensReport() {
    Przewiazki p;
    using Lines = std::vector<std::pair<QString, QString>>;
    QCOMPARE(ui::RaportPrzewiazek(p),
             (Lines{{"Przewiązki typ a (PN,rys.8)", ""}, {"  L1/b/t: ", "1 m/100 mm/6 mm"}}));
    p.typ = Przewiazki::kC;
    p.kat = "60°";
    QCOMPARE(ui::RaportPrzewiazek(p),
             (Lines{{"Przewiązki typ c (PN,rys.8)", ""}, {"  a/A: ", "60°/10 cm^2"}}));
  }
};

TARVIK_UI_TEST_MAIN(TabZestawyTest)
#include "tab_zestawy_test.moc"
