#include "ui/results/druk.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvik::ui {

DrukSesja::DrukSesja() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

DrukSesja::~DrukSesja() { Zakoncz(); }

bool DrukSesja::Otwarty() const { return painter_ && painter_->isActive(); }

std::optional<bool> DrukSesja::Konfiguracja(QWidget* parent) {
  if (Otwarty()) return doPliku;  // a printer in the middle of a page is not changed
  printer_->setOutputFormat(doPliku ? QPrinter::PdfFormat : QPrinter::NativeFormat);
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setWindowTitle("Konfiguracja drukarki");
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  doPliku = printer_->outputFormat() == QPrinter::PdfFormat;
  return doPliku;
}

bool DrukSesja::Rozpocznij(QWidget* parent, QString& error) {
  if (doPliku) {
    const QString file = QFileDialog::getSaveFileName(parent, "Zapis wydruku do pliku", QString(),
                                                      "Pliki PDF (*.pdf)");
    if (file.isEmpty()) return false;
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(file.endsWith(".pdf", Qt::CaseInsensitive) ? file : file + ".pdf");
    // the printer's offsets are the PDF's margins and its printable width the page's rest:
    // a millimetre of the page is a millimetre of the PDF
    const UstawieniaDruku& u = ustawienia;
    constexpr double kA4Width = 210;
    printer_->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(u.drukarkaLewy, u.drukarkaGorny, std::max(0.0, kA4Width - u.drukarkaLewy - u.szerokosc),
                  u.drukarkaGorny),
        QPageLayout::Millimeter));
  } else {
    printer_->setOutputFormat(QPrinter::NativeFormat);
    if (printer_->printerName().isEmpty()) {
      QPrintDialog dialog(printer_.get(), parent);
      dialog.setWindowTitle("Drukuj");
      if (dialog.exec() != QDialog::Accepted) return false;
    }
  }
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    painter_.reset();
    error = doPliku ? "Nie można zapisać pliku " + printer_->outputFileName()
                    : "Nie można rozpocząć drukowania na " + printer_->printerName();
    return false;
  }
  return true;
}

bool DrukSesja::Drukuj(QWidget* parent, const paint::Rysunek& r, QString& error) {
  error.clear();
  if (strona.nowyDokument) {
    if (!Rozpocznij(parent, error)) return false;
    strona.ZacznijDokument();
  } else if (nowaStrona_) {
    printer_->newPage();
  }
  nowaStrona_ = false;
  paint::RysujMiejsce(*painter_, r, strona.Miejsce(ustawienia, printer_->width()));
  switch (strona.PoRysunku(ustawienia.hp4l)) {
    case StronaWydruku::Potem::kNastepneMiejsce: break;
    // the new page waits for a drawing: a job kept open would otherwise end with a blank one
    case StronaWydruku::Potem::kNowaStrona: nowaStrona_ = true; break;
    case StronaWydruku::Potem::kKoniecDokumentu: Zakoncz(); break;
  }
  return true;
}

void DrukSesja::Zakoncz() {
  if (painter_) painter_->end();
  painter_.reset();
}

void DoSchowka(const paint::Rysunek& r) {
  auto* data = new QMimeData;
  data->setImageData(paint::ObrazSchowka(r));
  data->setText(QString::fromStdString(r.model->section.name() + "\n" + RaportTekst(r.lines)));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tarvik::ui
