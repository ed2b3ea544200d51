// One section built by the dispatcher from a fresh model, with the messages it showed.
#pragma once

#include <vector>

#include "engine/messages.h"
#include "engine/sketch.h"
#include "generators/dispatch.h"

namespace tarvik::test {

struct Built {
  SectionModel model;
  std::vector<Komunikat> messages;
  const PropertiesRecord& r() const { return model.section; }
};

inline Built Generate(Selection s, ProfileDatabase* db, GeneratorSettings settings = {}) {
  Built b;
  settings.database = db;
  RecordingSink sink;
  SketchMapping mapping;
  Dispatcher().BudujPrzekroj(b.model, s, settings, sink, mapping, 400, 400);
  b.messages = sink.messages();
  return b;
}

}  // namespace tarvik::test
