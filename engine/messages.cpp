#include "engine/messages.h"

namespace tarvik {

int RecordingSink::show(const Komunikat& message) {
  messages_.push_back(message);
  return answer_;
}

}  // namespace tarvik
