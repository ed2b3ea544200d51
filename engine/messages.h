// Messages to the user. The engine and the generators never open a window: they hand a
// Komunikat to a sink; the main window shows it in its modal message window, the command
// line prints it and the tests record it.
#pragma once

#include <string>
#include <vector>

namespace tarvik {

// the upper-case title picks the colour: "BŁĄD" error, "UWAGA" warning, "PYTANIE" question
struct Komunikat {
  std::string title;
  std::string text;
  std::string button1 = "OK";
  std::string button2;  // empty: one button
  std::string detail;   // the second line, empty when none
  friend bool operator==(const Komunikat&, const Komunikat&) = default;
};

// an error with one "OK" button
inline Komunikat Blad(std::string text, std::string detail = {}) {
  return {"BŁĄD", std::move(text), "OK", {}, std::move(detail)};
}

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // shows the message and returns the button chosen: 1 or 2
  virtual int show(const Komunikat& message) = 0;
};

// keeps every message and answers each with a fixed button
class RecordingSink : public MessageSink {
 public:
  explicit RecordingSink(int answer = 1) : answer_(answer) {}
  int show(const Komunikat& message) override;
  const std::vector<Komunikat>& messages() const { return messages_; }
  void setAnswer(int answer) { answer_ = answer; }

 private:
  int answer_;
  std::vector<Komunikat> messages_;
};

}  // namespace tarvik
