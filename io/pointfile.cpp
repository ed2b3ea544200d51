#include "io/pointfile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tarvik {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view DropBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TakeField(std::string_view& s) {
  size_t n = 0;
  while (n < s.size() && !IsBlank(s[n])) ++n;
  std::string_view field = s.substr(0, n);
  s = DropBlanks(s.substr(n));
  return field;
}

// one coordinate: a number with a decimal comma or point (an exponent such as 1,5E+03 is
// read as such), then at most blanks and a unit in letters. Anything else is no point: a
// looser reading would turn "1.5E+03" into 1.503 or a fourth column "20 30" into 2030.
bool ReadCoordinate(std::string_view field, double& value) {
  std::string text(field);
  if (size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc{} || !std::isfinite(value)) return false;
  for (; stop != end; ++stop)
    if (!IsBlank(*stop) && !std::isalpha(static_cast<unsigned char>(*stop))) return false;
  return true;
}

// running number, x, then y as the rest of the line
bool ParsePoint(std::string_view line, Point& p) {
  std::string_view rest = DropBlanks(line);
  if (TakeField(rest).empty()) return false;
  std::string_view x = TakeField(rest);
  if (x.empty() || rest.empty()) return false;
  return ReadCoordinate(x, p.x) && ReadCoordinate(rest, p.y);
}

// "(where)" or "(where, bajt n)": the second line of a reader's message
std::string Place(std::string_view where, std::string_view extra = {}) {
  std::string text = "(";
  text.append(where);
  if (!extra.empty()) text.append(", ").append(extra);
  return text.append(")");
}

PointListResult Failure(std::string error, std::string detail) {
  PointListResult r;
  r.error = std::move(error);
  r.detail = std::move(detail);
  return r;
}

}  // namespace

PointListResult ParsePointList(std::string_view content, std::string_view name) {
  if (size_t nul = content.find('\0'); nul != std::string_view::npos)
    return Failure("Niewłaściwa postać pliku", Place(name, "bajt " + std::to_string(nul)));
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  PointListResult result;
  result.ok = true;
  int number = 0;
  while (!content.empty()) {
    size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (++number == 1) {
      result.list.hole = DropBlanks(line).starts_with("Wewn");
      continue;
    }
    Point p;
    if (ParsePoint(line, p))
      result.list.points.push_back(p);
    else if (!DropBlanks(line).empty())
      result.list.skippedLines.push_back(number);
  }
  return result;
}

PointListResult ReadPointList(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure("Nie można otworzyć pliku", Place(path));
  std::string content;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > kMaxPointFileBytes) return Failure("Plik jest za duży", Place(path));
  }
  if (in.bad()) return Failure("Nie można odczytać pliku", Place(path));
  return ParsePointList(content, path);
}

void AddToOutline(SectionModel& model, const PointList& list, int figure) {
  for (const Point& p : list.points) {
    ImportedPoint q;
    q.x = p.x;
    q.y = p.y;
    q.figure = figure;
    q.outer = !list.hole;
    model.imported.push_back(q);
  }
}

}  // namespace tarvik
