// The lists of the catalogue tabs' combo boxes.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QComboBox;

namespace tarvik::ui {

QStringList Items(const std::vector<std::string>& list);

// a list refilled with items, keeping the text it showed where it is offered (keep), else
// the first item
void Refill(QComboBox* combo, const QStringList& items, bool keep);

}  // namespace tarvik::ui
