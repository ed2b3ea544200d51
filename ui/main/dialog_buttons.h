// The "OK" and "Anuluj" pair of the small dialogs: OK accepts, "Anuluj" rejects; neither is
// pressed by Enter on its own (Enter moves from edit to edit, then to OK).
#pragma once

class QDialog;
class QPushButton;

namespace tarvik::ui {

struct OkAnuluj {
  QPushButton* ok = nullptr;      // "ButtonOK"
  QPushButton* cancel = nullptr;  // "SpeedButtonAnuluj"
};

OkAnuluj PrzyciskiOkAnuluj(QDialog* dialog);

}  // namespace tarvik::ui
