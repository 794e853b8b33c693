// The indicator lamp: the state number it holds, how it reads to assistive tools, and that the
// four states look different from each other even without colour.
#include <QImage>
#include <vector>
#include <gtest/gtest.h>

#include "qt/lamp.h"

namespace kestrova::testing {
namespace {

QImage Render(int state) {
  Lamp lamp;
  lamp.resize(17, 15);
  lamp.SetState(state);
  return lamp.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the lamp puts ink, ignoring hue: the pixels clearly darker than the window behind it.
std::vector<bool> Ink(int state) {
  const QImage grey = Render(state).convertToFormat(QImage::Format_Grayscale8);
  std::vector<bool> ink;
  for (int y = 0; y < grey.height(); ++y)
    for (int x = 0; x < grey.width(); ++x) ink.push_back(qGray(grey.pixel(x, y)) < 200);
  return ink;
}

TEST(Lamp, AccessibleNameIsCaptionAndState) {
  struct Case { int state; const char* name; } cases[] = {
      {0, "总告警：熄灭"}, {1, "总告警：工作"}, {2, "总告警：告警"}, {3, "总告警：自检"},
      {4, "总告警：熄灭"}, {-1, "总告警：熄灭"}, {32767, "总告警：熄灭"}};
  Lamp lamp;
  lamp.SetCaption(QStringLiteral("总告警"));
  for (const Case& c : cases) {
    lamp.SetState(c.state);
    EXPECT_EQ(lamp.State(), c.state);
    EXPECT_EQ(lamp.property("State").toInt(), c.state);
    EXPECT_EQ(lamp.accessibleName(), QString::fromUtf8(c.name)) << c.state;
  }
}

// Each pair of states differs in the shape of its ink alone, so no state is told apart by hue
// only; numbers outside 0..3 look exactly like off.
TEST(Lamp, StatesDifferInShapeAndUnknownLooksOff) {
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) EXPECT_NE(Ink(a), Ink(b)) << a << " vs " << b;
  EXPECT_EQ(Render(4), Render(0));
  EXPECT_EQ(Render(-3), Render(0));
}

}  // namespace
}  // namespace kestrova::testing
