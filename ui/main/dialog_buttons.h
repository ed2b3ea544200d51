// The "OK" and "Anuluj" pair of the small dialogs: OK accepts, "Anuluj" rejects; neither is
// pressed by Enter on its own (Enter moves from edit to edit, then to OK). And the edits cut
// from their dialog before it is taken apart.
#pragma once

class QDialog;
class QPushButton;

namespace tarvik::ui {

struct OkAnuluj {
  QPushButton* ok = nullptr;      // "ButtonOK"
  QPushButton* cancel = nullptr;  // "SpeedButtonAnuluj"
};

OkAnuluj PrzyciskiOkAnuluj(QDialog* dialog);

// Called first in a dialog's destructor: an edit that loses the focus while the dialog's
// children are deleted would otherwise report "editing finished" to a dialog half gone,
// whose handler writes into an edit already deleted.
void OdlaczEdycje(QDialog* dialog);

}  // namespace tarvik::ui
