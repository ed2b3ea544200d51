// The results window on an IPE 200 built by the generators, driven by its controls' object
// names; the value dialogs are answered as a user would answer them.
#include "ui/results/form_lista.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

#include "engine/messages.h"
#include "engine/numbers.h"
#include "engine/sketch.h"
#include "fe/przekroj.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "ui/main/radio_group.h"
#include "ui/results/druk.h"
#include "ui/results/form_lista_gr.h"
#include "ui/results/results_sketch.h"
#include "ui/results/wiersze_mes.h"
#include "ui_test_main.h"

using namespace tarvik;
using namespace tarvik::ui;

namespace {

QString Liczba(double value, const char* suffix) {
  return QString::fromStdString(FormatLiczby(-1, suffix, value));
}

// the number a value label shows
double Shown(const QString& text) { return CzytajLiczbe(text.toStdString()); }

// a rolled profile (code, size) or, with no code, the "Proste" tab's rectangle of texts a, b
SectionModel Built(const char* code, const char* a, const char* b = "") {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  SectionModel model;
  Selection s;
  s.kind = kProste, s.setText(0, a), s.setText(1, b);
  if (*code && !SelectionFor(code, a, false, s)) qFatal("no %s %s in the selection lists", code, a);
  GeneratorSettings settings;
  settings.database = &db;
  RecordingSink sink;
  SketchMapping mapping;
  Dispatcher().BudujPrzekroj(model, s, settings, sink, mapping, 400, 400);
  if (model.section[slot::A] == 0) qFatal("%s %s was not built", code, a);
  return model;
}

SectionModel Ipe200() { return Built("IPE", "200"); }

// Saint-Venant's torsion constant of an a x b rectangle, a >= b (Timoshenko & Goodier)
double SaintVenant(double a, double b) {
  double sum = 0;
  for (int n = 1; n < 200; n += 2)
    sum += std::tanh(n * std::numbers::pi * a / (2 * b)) / std::pow(n, 5);
  return a * b * b * b / 3 * (1 - 192 / std::pow(std::numbers::pi, 5) * b / a * sum);
}

// what the main window hands over and keeps
struct Main {
  SectionModel model = Ipe200();
  SketchMapping mapping;
  int tab = 0;
  QPoint position{40, 40};
  int changes = 0;
  QStringList names;
  ListaContext context() {
    ListaContext c;
    c.windowColour = QColor(212, 208, 200);
    c.rememberedTab = &tab;
    c.pozycjaDialogu = &position;
    c.renamed = [this](const QString& n) { names << n; };
    c.valuesChanged = [this] { ++changes; };
    return c;
  }
};

// the results window shown without blocking
struct Lista {
  std::unique_ptr<TFormLista> w;
  Lista(Main& main, bool osieYZ = false) {
    ListaContext c = main.context();
    c.osieYZ = osieYZ;
    w = std::make_unique<TFormLista>(main.model, main.mapping, c);
    w->show();
    QCoreApplication::processEvents();
  }
  template <typename T = QLabel>
  T* find(const char* name) const {
    T* child = w->findChild<T*>(name);
    if (!child) qWarning("no control %s", name);
    return child;
  }
  QString text(const char* label) const { return find(label)->text(); }
};

// the next value dialog gets these texts in Edit1..Edit3 (nullopt: left as prefilled) and is
// closed with OK; what it showed is kept
struct Answer {
  QStringList captions, prefilled;
  explicit Answer(std::array<std::optional<QString>, 3> texts) {
    QTimer::singleShot(0, [this, texts] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      for (int i = 0; i < 3; ++i) {
        auto* edit = dialog->findChild<QLineEdit*>(QString("Edit%1").arg(i + 1));
        if (!edit->isVisibleTo(dialog)) continue;
        captions << dialog->findChild<QLabel*>(QString("Label%1").arg(i + 1))->text();
        prefilled << edit->text();
        if (texts[i]) edit->setText(*texts[i]);
      }
      QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    });
  }
};

// a 210 x 110 mm box girder of 10 mm walls drawn on the "Złożone" tab: its midline is
// 200 x 100 mm
SectionModel Skrzynka() {
  SectionModel model;
  model.kind = kZlozone;
  model.figures.resize(2);
  FigureRecord& f = model.figures[1];
  const Point outer[] = {{-105, -55}, {105, -55}, {105, 55}, {-105, 55}};
  const Point inner[] = {{-95, -45}, {-95, 45}, {95, 45}, {95, -45}};
  f.setOuter(outer, {100, 0});
  f.setInner(inner);
  f.wall1 = f.wall2 = 1.0;  // cm
  model.figureCount = 1;
  model.section.setName("Skrzynka");
  model.section[slot::A] = 210 * 110 / 100.0 - 190 * 90 / 100.0;
  model.section[slot::J1] = model.section[slot::J2] = 1;
  model.flags[1] = true;  // no torsion values until the tool computes them
  return model;
}

// answers every modal window that shows while it lives: the INFORMACJA messages with OK,
// the thickness dialogs with OK after typing the next of texts (an empty one left as offered)
struct Okna {
  QStringList texts, messages;
  int asked = 0;
  QTimer timer;
  explicit Okna(QStringList typed) : texts(std::move(typed)) {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (dialog->objectName() == "TFormListaGr") {
        QCOMPARE(dialog->windowTitle(), QString("Grubości"));
        const QString typed = asked < texts.size() ? texts[asked] : QString();
        ++asked;
        if (!typed.isEmpty()) dialog->findChild<QComboBox*>("ComboBoxGr")->setEditText(typed);
      } else {
        messages << dialog->windowTitle();
      }
      QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    });
    timer.start(10);
  }
};

}  // namespace

class FormListaTest : public QObject {
  Q_OBJECT

 private slots:
  // IPE 200 against its published values, to a few parts in a thousand (computed from its outline)
  void ThreeTabsShowTheSection() {
    Main main;
    const PropertiesRecord r = main.model.section;
    Lista lista(main);
    QCOMPARE(lista.text("LabelA"), QString("28,5 cm^2"));
    const struct {
      const char* label;
      double published;
    } values[] = {{"LabelJx", 1943},    // Iy [cm^4]
                  {"LabelJy", 142.4},   // Iz [cm^4]
                  {"LabelWx", 194.3},   // Wel,y [cm^3]
                  {"LabelStix", 8.26},  // iy [cm]
                  {"LabelStiy", 2.24},  // iz [cm]
                  {"LabelGJ2", 142.4}};
    constexpr double kTolerance = 0.005;  // relative
    for (const auto& v : values)
      QVERIFY2(std::abs(Shown(lista.text(v.label)) / v.published - 1) < kTolerance,
               qPrintable(QString("%1: %2").arg(v.label, lista.text(v.label))));
    QCOMPARE(lista.text("LabelJt"), Liczba(r[slot::Jt], " cm^4") + " (PN)");
    // "Jt wg PN" cleared: the exact constant and its modulus
    QCheckBox* js = lista.find<QCheckBox>("CheckBoxJs");
    QVERIFY(js->isEnabled() && js->isChecked());
    js->click();
    QCOMPARE(lista.text("LabelJt"), Liczba(r[slot::Js], " cm^4"));
    QCOMPARE(lista.text("LabelWt"), Liczba(r[slot::Ws], " cm^3"));
    QCOMPARE(lista.text("LabelStAlfa"), QString("0,0°"));
    // Parametry geometryczne: al = 0, so the central moments are the principal ones
    QCOMPARE(lista.text("LabelGJx"), lista.text("LabelGJ1"));
    QCOMPARE(lista.text("LabelGJy"), lista.text("LabelGJ2"));
    QCOMPARE(lista.text("LabelGJxy"), QString("0,0 cm^4"));
  }

  // a screen reader reads each value with its caption, and the value it reads follows a change
  void ScreenReaderReadsEachValueWithItsCaption() {
    Main main;
    Lista lista(main);
    auto read = [&](const char* label) {
      return QAccessible::queryAccessibleInterface(lista.find(label))->text(QAccessible::Name);
    };
    QCOMPARE(read("LabelA"), QString("Pole przekroju poprzecznego A: 28,5 cm^2"));
    QCOMPARE(read("LabelStA"), QString("Pole przekroju A: 28,5 cm^2"));
    QVERIFY(read("LabelGJ1").endsWith(": 1943 cm^4"));
    lista.find<QToolButton>("SpeedButtonPol")->click();
    QCOMPARE(read("LabelA"), QString("Pole przekroju poprzecznego A: 14,25 cm^2"));
  }

  void SmallerModulusAndPlasticAxisFormats() {
    Main main;
    PropertiesRecord& r = main.model.section;
    r[slot::Wcx] = 10, r[slot::Wtx] = 8;  // the smaller one
    r[slot::Wcy] = r[slot::Wty] = 7;      // a tie
    r[slot::xS] = 125, r[slot::xpl] = 22.5, r[slot::al] = 0;
    r[slot::Js] = 0;
    Lista lista(main);
    QCOMPARE(lista.text("LabelWx"), QString("8 cm^3"));
    QCOMPARE(lista.text("LabelWy"), QString("7 cm^3"));
    QCOMPARE(lista.text("LabelStxS"), QString("12,5/10,25 cm"));
    QVERIFY(!lista.find<QCheckBox>("CheckBoxJs")->isEnabled());
  }

  void HalfAndWholeRestoreTheSection() {
    Main main;
    const PropertiesRecord before = main.model.section;
    Lista lista(main);
    QToolButton* pol = lista.find<QToolButton>("SpeedButtonPol");
    pol->click();
    QCOMPARE(pol->text(), QString("Cały"));
    QCOMPARE(main.model.section.name(), "1/2" + before.name());
    QCOMPARE(main.model.section[slot::J1], before[slot::J1] / 2);
    QCOMPARE(lista.text("LabelA"), Liczba(before[slot::A] / 2, " cm^2"));
    QCOMPARE(lista.find<QLineEdit>("EditOpis")->text(),
             QString::fromStdString("1/2" + before.name()));
    pol->click();
    QCOMPARE(pol->text(), QString("Połowa"));
    QVERIFY(main.model.section == before);  // the name and all seven values exactly
    QCOMPARE(lista.text("LabelA"), QString("28,5 cm^2"));
    QCOMPARE(main.changes, 2);
  }

  void UserCoordinateSystem() {
    Main main;
    const PropertiesRecord r = main.model.section;
    const double A = r[slot::A], J1 = r[slot::J1], J2 = r[slot::J2];
    Lista lista(main);
    QLabel* inny = lista.find("LabelInny");
    QVERIFY(!inny->isHidden());
    auto origin = [](double mm) { return QString::number(mm, 'f', 4).replace('.', ',') + " mm"; };
    // at the centroid, not turned: the central values and no static moments
    {
      Answer answer({origin(r[slot::xS]), origin(r[slot::yS]), "0"});
      QTest::mouseClick(inny, Qt::LeftButton);
      QCOMPARE(answer.prefilled, QStringList({"0 mm", "0 mm", "0°"}));
      QCOMPARE(lista.text("LabelGJx"), Liczba(J1, " cm^4"));
      QCOMPARE(lista.text("LabelGSx"), QString("0,0 cm^3"));
    }
    // 1 cm off the centroid in x and y, turned by 90°: x and y change places, Jxy its sign
    {
      Answer answer({origin(r[slot::xS] + 10), origin(r[slot::yS] + 10), "90"});
      QTest::mouseClick(inny, Qt::LeftButton);
      QCOMPARE(lista.text("LabelGJx"), Liczba(J2 + A, " cm^4"));
      QCOMPARE(lista.text("LabelGJy"), Liczba(J1 + A, " cm^4"));
      QCOMPARE(lista.text("LabelGJxy"), Liczba(-A, " cm^4"));
      QCOMPARE(lista.text("LabelGSx"), Liczba(-A, " cm^3"));
    }
    QCOMPARE(lista.text("Label41"), QString("Moment bezwładności Jx: "));  // no longer central
    QVERIFY(main.model.section == r);  // the record is not changed
  }

  void CorrectionsStoreWhatIsShown() {
    Main main;
    Lista lista(main);
    // OK without a change: the values as shown, rounded to the shown precision
    {
      Answer answer({std::nullopt, std::nullopt, std::nullopt});
      QTest::mouseClick(lista.find("LabelStAvy"), Qt::LeftButton);
    }
    QCOMPARE(main.model.section[slot::A], 28.5);
    QCOMPARE(main.model.section[slot::Avy], Shown(lista.text("LabelAvy")));
    QCOMPARE(lista.text("LabelGA"), QString("28,5 cm^2"));
    {
      Answer answer({std::nullopt, std::nullopt, std::nullopt});
      QTest::keyClick(lista.find("LabelJt"), Qt::Key_Space);
    }
    QVERIFY(!lista.text("LabelJt").contains("(PN)"));
    QCOMPARE(main.model.section[slot::Jt], Shown(lista.text("LabelJt")));
    // a perimeter is typed in centimetres and kept in millimetres; no inner row for an I
    {
      Answer answer({"68,5", std::nullopt, std::nullopt});
      QTest::mouseClick(lista.find("LabelObz"), Qt::LeftButton);
      QCOMPARE(answer.captions, QStringList({"Zewnętrzny"}));
    }
    QCOMPARE(main.model.section[slot::Oz], 685.0);
    QCOMPARE(lista.text("LabelObz"), QString("68,5 cm"));
    // a typed modulus with its unit
    {
      Answer answer({"200,5 cm^3", std::nullopt, std::nullopt});
      QTest::mouseClick(lista.find("LabelStWtx"), Qt::LeftButton);
    }
    QCOMPARE(main.model.section[slot::Wcx], 200.5);
    QCOMPARE(lista.text("LabelStWcx"), QString("200,5 cm^3"));
    QCOMPARE(main.changes, 4);
    QCOMPARE(main.position, lista.w->pos() + QPoint(20, 20));
  }

  void AxesNamedYZ() {
    Main main;
    const PropertiesRecord r = main.model.section;
    Lista lista(main, true);
    QCOMPARE(lista.text("LabelJy"), Liczba(r[slot::J1], " cm^4"));
    QCOMPARE(lista.text("LabelJx"), Liczba(r[slot::J2], " cm^4"));
    QCOMPARE(lista.text("LabelWy"), Liczba(std::min(r[slot::Wcx], r[slot::Wtx]), " cm^3"));
    QCOMPARE(lista.text("LabelStJx"), Liczba(r[slot::J1], " cm^4"));  // the values stay
    // a correction goes to the moment the row shows
    {
      Answer answer({std::nullopt, "2000", std::nullopt});
      QTest::mouseClick(lista.find("LabelJy"), Qt::LeftButton);
    }
    QCOMPARE(main.model.section[slot::J1], 2000.0);
    QCOMPARE(main.model.section[slot::J2], Shown(Liczba(r[slot::J2], "")));
  }

  void WeightedCompositeHidesMassAndCoordinates() {
    Main main;
    main.model.composite = true;
    main.tab = 1;
    Lista lista(main);
    QTabWidget* pages = lista.find<QTabWidget>("PageControlLista");
    QCOMPARE(pages->currentIndex(), 2);
    pages->setCurrentIndex(1);
    QCOMPARE(pages->currentIndex(), 2);
    for (const char* name : {"LabelInny", "LabelMasa", "LabelGamma", "CaptionMasa"})
      QVERIFY2(lista.find(name)->isHidden(), name);
  }

  void ClosingKeepsNameTabAndMainView() {
    Main main;
    main.mapping.zoom = 2.5;
    main.mapping.panX = 7;
    Lista lista(main);
    QCOMPARE(main.mapping.zoom, 1.0);
    QCOMPARE(main.mapping.panX, 0);
    {
      Answer answer({std::nullopt, "Belka B-1", std::nullopt});
      QTest::mouseClick(lista.find<QLineEdit>("EditOpis"), Qt::LeftButton);
    }
    QCOMPARE(lista.w->windowTitle(), QString(" Belka B-1"));
    lista.find<QTabWidget>("PageControlLista")->setCurrentIndex(2);
    lista.find<QPushButton>("ButtonListaZamk")->click();
    QCOMPARE(lista.w->result(), int(QDialog::Accepted));
    QCOMPARE(main.names, QStringList({"Belka B-1"}));
    QCOMPARE(main.model.section.name(), std::string("Belka B-1"));
    QCOMPARE(main.tab, 2);
    QCOMPARE(main.mapping.zoom, 2.5);
    QCOMPARE(main.mapping.panX, 7);
  }

  // a correction is one number, its unit at most, used as typed; anything else is refused
  // with a message and nothing changes
  void CorrectionIsOneNumberOrRefused() {
    const struct {
      const char* typed;
      bool taken;
      double oz;  // mm
    } cases[] = {{"12x4", false, 0},
                 {"1 000", false, 0},
                 {"12,5", true, 125},
                 {"12,5 cm", true, 125},
                 {"125 mm", false, 0}};
    for (const auto& c : cases) {
      Main main;
      const double before = main.model.section[slot::Oz];
      Lista lista(main);
      const QString shown = lista.text("LabelObz");
      QString refused;
      QTimer closer;  // the message window, closed with OK once it shows
      connect(&closer, &QTimer::timeout, [&] {
        auto* message = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!message || message->objectName() != "TFormBlad") return;
        refused = message->findChild<QLabel*>("Label1")->text();
        QTest::mouseClick(message->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
      });
      closer.start(10);
      {
        Answer answer({c.typed, std::nullopt, std::nullopt});
        QTest::mouseClick(lista.find("LabelObz"), Qt::LeftButton);
      }
      QCOMPARE(refused.isEmpty(), c.taken);
      QCOMPARE(main.model.section[slot::Oz], c.taken ? c.oz : before);
      QCOMPARE(main.changes, c.taken ? 1 : 0);
      if (!c.taken) {
        QCOMPARE(refused, "(" + QString(c.typed) + ")");
        QCOMPARE(lista.text("LabelObz"), shown);
      }
    }
  }

  void DimensionLinesAndTheirTexts() {
    QCOMPARE(TekstWymiaru(150), QString(" 150 "));
    QCOMPARE(TekstWymiaru(150.26), QString(" 150,3 "));
  }

  // "Moment Jt" on a box girder: the midline clicked a pixel off at its corners, closed near
  // the first, each wall 10 mm; Jt = 4 A0^2 t / perimeter and Wt = 2 A0 t by hand
  void MidlineTracedGivesBredtsTorsionConstant() {
    {
      Main rolled;  // an I-section has no midline tool
      Lista lista(rolled);
      QVERIFY(lista.find<QToolButton>("SpeedButtonSkr")->isHidden());
    }
    Main main;
    main.model = Skrzynka();
    Lista lista(main);
    QToolButton* skr = lista.find<QToolButton>("SpeedButtonSkr");
    QVERIFY(!skr->isHidden());
    QCOMPARE(lista.text("LabelJt"), QString("-"));
    QWidget* box = lista.find<QWidget>("PaintBox1");
    SketchMapping map;  // the window's fit of the same box
    SkalujSzkic(main.model, map, box->width(), box->height(), 0, 0, 0);
    auto at = [&](double x, double y, int dx, int dy) {
      const ScreenPoint p = NaEkran(map, box->height(), x, y);
      return QPoint(p.x + dx, p.y + dy);
    };
    Okna okna({"", "10", "", ""});
    skr->click();
    QCOMPARE(okna.messages, QStringList({"INFORMACJA"}));
    QCOMPARE(skr->palette().color(QPalette::ButtonText), QColor(128, 0, 128));
    for (QPoint p : {at(-100, -50, 0, 0), at(100, -50, 1, 1), at(100, 50, -1, 0),
                     at(-100, 50, 0, -2), at(-100, -50, 1, -1)})
      QTest::mouseClick(box, Qt::LeftButton, {}, p);
    QCOMPARE(okna.asked, 4);
    const double A0 = 200 * 100, t = 10, perimeter = 600;  // mm
    const double jt = 4 * A0 * A0 * t / perimeter / 1e4;   // 2666.7 cm^4
    QVERIFY2(std::abs(Shown(lista.text("LabelJt")) / jt - 1) < 0.01,
             qPrintable(lista.text("LabelJt")));
    QVERIFY2(std::abs(Shown(lista.text("LabelWt")) / (2 * A0 * t / 1000) - 1) < 0.01,
             qPrintable(lista.text("LabelWt")));
    QVERIFY(!main.model.flags[1]);
    QCOMPARE(skr->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    QCOMPARE(main.changes, 1);
  }

  // "Grubości" lists one decimal, yet a listed entry left as shown is its exact value; a
  // typed value is one number above zero or refused
  void ThicknessDialogGivesListedEntriesExactly() {
    TFormListaGr dialog({12, 6.26}, 1);
    QCOMPARE(dialog.windowTitle(), QString("Grubości"));
    auto* combo = dialog.findChild<QComboBox*>("ComboBoxGr");
    QCOMPARE(combo->currentText(), QString("6,3"));
    QCOMPARE(dialog.grubosc(), std::optional<double>(6.26));
    const struct {
      const char* typed;
      std::optional<double> mm;
    } cases[] = {{"6,3", 6.3},           {"8", 8.0},        {"7.5 mm", 7.5}, {"0", std::nullopt},
                 {"12x4", std::nullopt}, {"", std::nullopt}};
    for (const auto& c : cases) {
      combo->setCurrentIndex(-1);
      combo->setEditText(c.typed);
      QVERIFY2(dialog.grubosc() == c.mm, c.typed);
    }
  }

  // "Wymiary": two corners of the bottom edge, the line placed below them and kept in the
  // section's list; a window over its middle deletes it again
  void DimensionPlacedByTwoPicksAndDeletedByAWindow() {
    Main main;
    main.model = Skrzynka();
    Lista lista(main);
    QCOMPARE(main.model.dimensions.size(), size_t(2));  // the overall width and height
    QWidget* box = lista.find<QWidget>("PaintBox1");
    SketchMapping map;
    SkalujSzkic(main.model, map, box->width(), box->height(), 0, 0, 0);
    const ScreenPoint a = NaEkran(map, box->height(), -95, -45),
                      b = NaEkran(map, box->height(), 95, -45);
    Okna okna({});
    lista.find<QToolButton>("SpeedButtonWymiary")->click();
    QCOMPARE(okna.messages, QStringList({"INFORMACJA"}));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(a.x + 2, a.y - 1));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(b.x - 1, b.y + 2));
    QTest::mouseMove(box, QPoint((a.x + b.x) / 2, a.y - 15));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint((a.x + b.x) / 2, a.y - 15));
    QCOMPARE(main.model.dimensions.size(), size_t(3));
    const DimensionLine& d = main.model.dimensions.back();
    QCOMPARE(d.direction, uint8_t(1));
    QCOMPARE(TekstWymiaru(d.value), QString(" 190 "));
    // a window around the new line's middle, 15 px above the hole's bottom edge
    const QPoint mid((a.x + b.x) / 2, a.y - 15);
    QTest::mousePress(box, Qt::LeftButton, {}, mid - QPoint(6, 6));
    QTest::mouseMove(box, mid + QPoint(6, 6));
    QTest::mouseRelease(box, Qt::LeftButton, {}, mid + QPoint(6, 6));
    QCOMPARE(main.model.dimensions.size(), size_t(2));
  }

  // the overall dimensions of the sections drawn without their own
  void CompositeGetsOverallDimensions() {
    Main main;
    main.model.kind = kZlozone;
    main.model.figures.push_back(main.model.figures[0]);
    main.model.figureCount = 1;
    Lista composite(main);
    QCOMPARE(main.model.dimensions.size(), size_t(2));
    QCOMPARE(main.model.dimensions[0].value, 100.0);  // b
    QCOMPARE(main.model.dimensions[1].value, 200.0);  // h
  }

  // "Do schowka": a picture with the section drawn in black and the report as text, with the
  // value the window shows; then the button rests until the tab changes
  void ClipboardHoldsThePictureAndTheReport() {
    Main main;
    Lista lista(main);
    QApplication::clipboard()->clear();
    auto* pages = lista.find<QTabWidget>("PageControlLista");
    pages->setCurrentIndex(2);
    auto* schowek = lista.find<QToolButton>("SpeedButtonSchowek");
    QTest::mouseClick(schowek, Qt::LeftButton);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage() && data->hasText());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), QSize(800, 380));
    // the hatched section in the left square: black pixels left of the text column
    int black = 0;
    for (int y = 0; y < 380; ++y)
      for (int x = 20; x < 360; ++x) black += image.pixel(x, y) == qRgb(0, 0, 0);
    QVERIFY2(black > 500, qPrintable(QString::number(black)));
    const QString text = data->text();
    QVERIFY2(text.startsWith("IPE 200") || text.startsWith("IPE200"), qPrintable(text));
    QVERIFY2(text.contains("Pole przekroju A: " + lista.text("LabelGA")), qPrintable(text));
    QVERIFY2(text.contains("   Jx: " + lista.text("LabelGJx")), qPrintable(text));
    QVERIFY(!schowek->isEnabled());
    pages->setCurrentIndex(0);
    QVERIFY(schowek->isEnabled());
  }

  // "Drukuj" three times, three to a page, to a PDF file: the document begun by the first
  // section is continued by the next results windows and ends with the third
  void ThreePrintoutsFillOnePdfPage() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("strona.pdf");
    DrukSesja druk;
    const char* names[] = {"Belka A", "Belka B", "Belka C"};
    for (int i = 0; i < 3; ++i) {
      Main main;
      main.model.section.setName(names[i]);
      ListaContext c = main.context();
      c.druk = &druk;
      TFormLista lista(main.model, main.mapping, c);
      lista.show();
      QCoreApplication::processEvents();
      bool asked = false;
      // TFormDruk: three to a page, to a file (asked when the document starts)
      QTimer::singleShot(0, [&, i] {
        auto* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog && dialog->objectName() == "TFormDruk");
        auto* rysunek = dialog->findChild<RadioGroup*>("RadioGroupRysunek");
        QCOMPARE(rysunek->itemIndex(), i);  // the place moved on
        if (i == 0) {
          dialog->findChild<QRadioButton*>("RadioGroupLiczba_1")->click();
          dialog->findChild<QCheckBox*>("CheckBoxDoPliku")->setChecked(true);
          auto* answer = new QTimer(dialog->parent());
          answer->setInterval(10);
          QObject::connect(answer, &QTimer::timeout, [&, answer] {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
              answer->stop();
              asked = true;
              files->selectFile(pdf);
              QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            }
          });
          answer->start();
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
      });
      QTest::mouseClick(lista.findChild<QToolButton*>("SpeedButtonDrukuj"), Qt::LeftButton);
      QCOMPARE(asked, i == 0);
      QCOMPARE(druk.Otwarty(), i < 2);
    }
    QCOMPARE(druk.strona.p, 0);
    QVERIFY(druk.strona.nowyDokument);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.waitForFinished(), "pdftotext (scripts/install-deps.sh)");
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* name : names) QVERIFY2(page.contains(name), qPrintable(page));
    QCOMPARE(page.count("Pola przekroju"), 3);
    QVERIFY(!page.contains('\f' + QString("Belka")));  // one page
  }

  // ---- the finite-element rows ----

  // the rows show the mesh's values as their neighbours format values; "Połowa" halves Jt and
  // the shear areas as it halves the record's
  void MeshRowsShowTheMeshValues() {
    Main main;
    main.model = Built("", "100 mm", "50 mm");
    const fe::WynikMES v = fe::ObliczMES(main.model).values;
    QVERIFY(std::abs(v.J / SaintVenant(100, 50) - 1) < 1e-3);
    Lista lista(main);
    QTRY_VERIFY(lista.text("LabelMesJt").endsWith("cm^4"));
    QCOMPARE(lista.text("LabelMesJw"), Liczba(v.Iw / 1e6, " cm^6"));
    QCOMPARE(lista.text("LabelMesT"), QString("0,0/0,0 cm"));  // the centroid, as generated
    QCOMPARE(
        QAccessible::queryAccessibleInterface(lista.find("LabelMesJt"))->text(QAccessible::Name),
        "Jt (MES): " + Liczba(v.J / 1e4, " cm^4"));
    lista.find<QToolButton>("SpeedButtonPol")->click();
    QCOMPARE(lista.text("LabelMesJt"), Liczba(v.J / 2e4, " cm^4"));
    QCOMPARE(lista.text("LabelMesAv"),
             Liczba(v.Avx / 200, "") + "/" + Liczba(v.Avy / 200, " cm^2"));
    QCOMPARE(lista.text("LabelMesJw"), Liczba(v.Iw / 1e6, " cm^6"));
  }

  // two plates apart: no warping constant, no shear centre, nothing for "T wg MES"; two
  // plates overlapping: no values, and the rows say why
  void MeshRowsOfTwoPlates() {
    const struct {
      double second;  // x of the second plate's left side [mm], the first's at -30
      QString jt, jw, blad;
    } cases[] = {{20, "cm^4", "części niepołączone", ""},
                 {-25, "brak", "brak", "Wartości MES: Figury przekroju zachodzą na siebie"}};
    for (const auto& c : cases) {
      Main main;
      main.model = SectionModel{};
      main.model.kind = kZlozone, main.model.figureCount = 2, main.model.figures.resize(3);
      for (const double x : {-30.0, c.second}) {
        const Point outer[] = {{x, -50}, {x + 10, -50}, {x + 10, 50}, {x, 50}};
        main.model.figures[x == -30 ? 1 : 2].setOuter(outer, {x + 5, 0});
      }
      Lista lista(main);
      QTRY_VERIFY(lista.text("LabelMesJt").endsWith(c.jt));
      QCOMPARE(lista.text("LabelMesJw"), c.jw);
      QCOMPARE(lista.text("LabelMesT"), c.jw);
      QCOMPARE(lista.text("LabelMesBlad").left(c.blad.size()), c.blad);
      QCOMPARE(lista.find("LabelMesBlad")->isHidden(), c.blad.isEmpty());
      QVERIFY(!lista.find<QCheckBox>("CheckBoxTMes")->isEnabled());
    }
  }

  // "liczę…" once the values take 0,1 s (their threads held busy); a window closed while its
  // task waits or runs goes at once, the result dropped; the next window gets its own
  void MeshTaskOfAClosedWindowIsDropped() {
    auto closeAtOnce = [](std::unique_ptr<Lista>& lista) {
      QElapsedTimer closing;
      closing.start();
      lista.reset();
      QVERIFY2(closing.elapsed() < 50, qPrintable(QString::number(closing.elapsed()) + " ms"));
    };
    Main main;
    static QSemaphore held;  // outlives the threads that wait on it
    const int threads = PulaMES().maxThreadCount();
    for (int i = 0; i < threads; ++i) PulaMES().start([] { held.acquire(); });
    auto release = qScopeGuard([threads] { held.release(threads); });  // on a failure too
    auto lista = std::make_unique<Lista>(main);
    QTest::qWait(30);
    QCOMPARE(lista->text("LabelMesJw"), QString());  // no flicker for a quick result
    QTRY_COMPARE_WITH_TIMEOUT(lista->text("LabelMesJw"), QString("liczę…"), 2000);
    closeAtOnce(lista);
    release.dismiss();
    held.release(threads);
    main.model = Built("HEB", "1000");
    lista = std::make_unique<Lista>(main);
    closeAtOnce(lista);
    lista = std::make_unique<Lista>(main);
    QTRY_VERIFY(lista->text("LabelMesJt").endsWith("cm^4"));
  }

  // "T wg MES" hands the painter the mesh's centre and takes it back; the sketch follows
  void ShearCentreSwitchMovesTheSketchesT() {
    Main main;
    main.model = Built("CPN", "200");
    PropertiesRecord& r = main.model.section;
    r[slot::xT] = r[slot::xS], r[slot::yT] = r[slot::yS];  // no formula "T" drawn
    const fe::WynikMES v = fe::ObliczMES(main.model).values;
    Lista lista(main);
    auto* t = lista.find<QCheckBox>("CheckBoxTMes");
    QTRY_VERIFY(t->isEnabled());
    QWidget* sketch = lista.find<QWidget>("PaintBox1");
    const QImage formula = sketch->grab().toImage();
    t->click();
    const auto at = paint::OpcjeSzkicuWynikow(lista.w->opcjeSzkicu()).shearCentre;
    QVERIFY(at && at->x == v.xT && at->y == v.yT);
    QVERIFY(sketch->grab().toImage() != formula);
    t->click();
    QVERIFY(!lista.w->opcjeSzkicu().srodekMES);
    QCOMPARE(sketch->grab().toImage(), formula);
  }
};

TARVIK_UI_TEST_MAIN(FormListaTest)
#include "form_lista_test.moc"
