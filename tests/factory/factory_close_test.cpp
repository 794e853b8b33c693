// Closing the factory window discards it: nothing the window asked for goes out afterwards, even
// when a factory-data response still on the line fills the discarded window again.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

TEST(FactoryClose, SendPressedAndWindowClosedInOneTickWritesNothingAfterALateResponse) {
  FactoryFixture f;
  f.OpenPort();
  f.main.SetText("TextBox1", "M1");
  f.factory.SetVisible("F_Setup_Form", true);
  const Frame response = FactoryFixture::Response({180, 5, 220, 5, 'A', '2', 100, 100, 100, 100, 1, 10});
  f.port.Feed(response);
  f.Ticks(1);
  ASSERT_TRUE(f.factory.Checked("CheckBox2"));
  f.Fill({{"S_H_Fan_Text", "30"}});
  f.factory.SetChecked("CheckBox1", true);

  f.port.Feed(response);  // read back again, not yet taken
  f.window.F_Setup_Command_Click();
  f.window.Form_Unload();
  for (const Frame& sent : f.Ticks(12)) EXPECT_NE(sent.at(2), kParameterWrite) << ToHex(sent);
  EXPECT_TRUE(f.factory.Checked("CheckBox2"));  // the late response did arrive
}

}  // namespace
}  // namespace kestrova::testing
