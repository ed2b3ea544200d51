// The layout pictures the build draws for the "Zestawy" tab's buttons, and the tool that draws
// them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace tarvik {
namespace {

// the pictures the tab loads for each member type: prefix, first number, how many
struct Group {
  const char* prefix;
  int first, count;
};
constexpr Group kGroups[] = {{"2T", 1, 3}, {"C", 1, 3},  {"KR", 0, 7}, {"KN", 0, 11},
                             {"R", 1, 4},  {"PK", 1, 2}, {"PP", 1, 3}};

QString PathOf(const QString& name) {
  return QString(TARVIK_LAYOUT_PICTURES) + "/" + name + ".BMP";
}

std::vector<QString> NamesOf(const Group& g) {
  std::vector<QString> names;
  for (int i = g.first; i < g.first + g.count; ++i) names.push_back(g.prefix + QString::number(i));
  return names;
}

// the pixels darker than mid-grey and the box around them
struct Ink {
  int count = 0;
  QRect box;
};
Ink InkOf(const QImage& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        ++ink.count;
        ink.box |= QRect(x, y, 1, 1);
      }
  return ink;
}

TEST(LayoutPictures, EveryButtonHasADrawing) {
  for (const Group& g : kGroups)
    for (const QString& name : NamesOf(g)) {
      SCOPED_TRACE(name.toStdString());
      const QImage image(PathOf(name));
      ASSERT_FALSE(image.isNull()) << "missing or unreadable: " << PathOf(name).toStdString();
      const Ink ink = InkOf(image);
      const int all = image.width() * image.height();
      EXPECT_GT(ink.count, 0);
      // outlines on white, not a filled block: most of the glyph stays background
      EXPECT_LT(ink.count, all / 2);
      // the drawing keeps off the edges
      EXPECT_TRUE(image.rect().adjusted(1, 1, -1, -1).contains(ink.box)) << ink.box.x();
    }
}

TEST(LayoutPictures, LayoutsOfOneFamilyDiffer) {
  for (const Group& g : kGroups) {
    const std::vector<QString> names = NamesOf(g);
    for (size_t i = 0; i < names.size(); ++i)
      for (size_t j = i + 1; j < names.size(); ++j)
        EXPECT_NE(QImage(PathOf(names[i])), QImage(PathOf(names[j])))
            << names[i].toStdString() << " and " << names[j].toStdString();
  }
}

// a picture stands for its own button: the drawings whose shape leaves no doubt, by the
// width-to-height ratio of their ink
TEST(LayoutPictures, ShapesReadAsTheirLayouts) {
  enum Shape { kWide, kSquare, kTall };
  struct Case {
    const char* name;
    Shape shape;
  } const cases[] = {
      {"2T2", kWide},    // two I-sections apart
      {"2T3", kSquare},  // the cross
      {"C2", kWide},     // channels facing, apart
      {"KR0", kSquare},  // two angles closing a box
      {"KR1", kWide},    // legs facing, apart
      {"KR6", kSquare},  // the cross of four
      {"R1", kWide},     // two tubes side by side
      {"R4", kSquare},   // four tubes
      {"PK1", kWide},    // two square tubes
      {"PK2", kSquare},  // four square tubes
      {"PP2", kWide},    // two rectangular tubes lying
      {"PP3", kTall},    // four upright ones
  };
  for (const Case& c : cases) {
    const QRect box = InkOf(QImage(PathOf(c.name))).box;
    ASSERT_FALSE(box.isEmpty()) << c.name;
    const double ratio = double(box.width()) / box.height();
    const Shape shape = ratio > 1.2 ? kWide : ratio < 1 / 1.2 ? kTall : kSquare;
    EXPECT_EQ(shape, c.shape) << c.name << " is " << box.width() << " x " << box.height();
  }
}

// a set that cannot be built stops the build with the picture named, and writes nothing
TEST(LayoutPicturesTool, FailsNamingThePictureItCannotDraw) {
  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string command = std::string(TARVIK_LAYOUT_PICTURES_TOOL) + " '" +
                              folder.file("no-PROFILE.DAT") + "' '" + folder.file("") + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char chunk[256];
  while (size_t n = fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, n);
  const int status = pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  // the I-sections come first and need the profile database
  EXPECT_NE(output.find("BMP/2T1.BMP"), std::string::npos) << output;
  EXPECT_FALSE(std::filesystem::exists(folder.file("BMP"))) << output;
}

}  // namespace
}  // namespace tarvik
