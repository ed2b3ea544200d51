#include "cli/cli.h"

#include "cli/report.h"
#include "engine/integration.h"
#include "engine/messages.h"
#include "engine/model.h"
#include "io/pointfile.h"

namespace tarvik::cli {
namespace {

constexpr const char* kUsageText = R"(usage: tarvik-cli COMMAND [OPTIONS] ARGUMENTS

Commands:
  outline [--json] [--all-digits] FILE...
      Computes the section whose outline the point files give. Each FILE is a text
      point list: a first line naming the contour ("Wewnętrzna..." makes it a hole,
      anything else an outer contour), then one point a line: running number, x, y
      in mm, decimal comma or point. File k becomes figure k of the outline.
  help
      Shows this text.

Options:
  --json         one JSON object: name, kind, properties (stored units: cm^2, cm^3,
                 cm^4, cm^6; positions and perimeters in mm; angles in radians),
                 flags, messages
  --all-digits   no rounding of large values in the text output

Exit codes: 0 computed, 1 the engine reported an error (it is in the output),
            2 bad usage, 3 a file that cannot be read.

Example:
  tarvik-cli outline data/demo/skrzynka-zewn.txt data/demo/skrzynka-wewn.txt
)";

int Usage(std::ostream& err, const std::string& problem) {
  err << "tarvik-cli: " << problem << "\n\n" << kUsageText;
  return kUsage;
}

std::string JoinLines(const std::vector<int>& lines) {
  std::string text;
  for (int n : lines) text += (text.empty() ? "" : ", ") + std::to_string(n);
  return text;
}

int Outline(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false, allDigits = false;
  std::vector<std::string> files;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (a == "--all-digits")
      allDigits = true;
    else if (a.starts_with("--"))
      return Usage(err, "unknown option " + a);
    else
      files.push_back(a);
  }
  if (files.empty()) return Usage(err, "outline needs at least one point file");

  SectionModel model;
  model.kind = kDowolne;
  std::vector<Komunikat> notes;
  for (size_t k = 0; k < files.size(); ++k) {
    PointListResult read = ReadPointList(files[k]);
    if (!read.ok) {
      err << "tarvik-cli: " << read.error << " " << read.detail << "\n";
      return kUnreadable;
    }
    if (!read.list.skippedLines.empty())
      notes.push_back({"UWAGA",
                       "Pominięto wiersze bez punktu",
                       "OK",
                       {},
                       "(" + files[k] + ": " + JoinLines(read.list.skippedLines) + ")"});
    AddToOutline(model, read.list, static_cast<int>(k) + 1);
  }

  RecordingSink sink;
  const bool ok = ObliczZarys(model, sink);
  if (ok) ObliczWskazniki(model, 0, 0, model.section);
  notes.insert(notes.end(), sink.messages().begin(), sink.messages().end());
  out << (json ? JsonReport(model, notes) : TextReport(model, notes, allDigits));
  return ok ? kOk : kEngineError;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "no command given");
  const std::string& command = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "help" || command == "--help" || command == "-h") {
    out << kUsageText;
    return kOk;
  }
  if (command == "outline") return Outline(rest, out, err);
  return Usage(err, "unknown command " + command);
}

}  // namespace tarvik::cli
