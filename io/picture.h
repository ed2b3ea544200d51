// The 100 x 100 picture of a saved section (the .BMP beside the .PRM): its outlines in black
// and its name centred at the top. Needs Qt Gui (a QGuiApplication for the font).
#pragma once

#include <QImage>
#include <string>

#include "engine/model.h"

namespace tarvik {

QImage ObrazekPrzekroju(const SectionModel& model);

// the picture as the bytes of a .BMP file, for ZapiszPare to write; empty when Qt cannot
// encode it
std::string ObrazekBmp(const SectionModel& model);

}  // namespace tarvik
