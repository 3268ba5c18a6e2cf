#include "settings/Messages.h"

#include "settings/TextTable.h"
#include "tests/settings/FakeServicesFixture.h"

namespace fl::test {
namespace {

using Messages = FakeServicesTest;

TEST_F(Messages, ErrorAndInfoBoxesCarryTitleTextAndStyle) {
  BuildTextTable();
  ShowError("Your custom foreground text is empty!");
  ShowInfo("No Update", "You're using the most recent version.");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].title, "Error");
  EXPECT_EQ(boxes.shown[0].text, "Your custom foreground text is empty!");
  EXPECT_EQ(boxes.shown[0].style, BoxStyle::Error);
  EXPECT_EQ(boxes.shown[1].title, "No Update");
  EXPECT_EQ(boxes.shown[1].text, "You're using the most recent version.");
  EXPECT_EQ(boxes.shown[1].style, BoxStyle::Information);
}

TEST_F(Messages, MessageBoxAnswersWithThePressedButton) {
  boxes.answers = {BoxYes, BoxNo};
  EXPECT_EQ(MessageBox("New Update", "Download?", BoxStyle::Question), BoxYes);
  EXPECT_EQ(MessageBox("New Update", "Download?", BoxStyle::Question), BoxNo);
  // Without a box service a question is declined and a notice acknowledged.
  Sys().boxes = nullptr;
  EXPECT_EQ(MessageBox("New Update", "Download?", BoxStyle::Question), BoxNo);
  EXPECT_EQ(MessageBox("Error", "x", BoxStyle::Error), BoxOk);
}

}  // namespace
}  // namespace fl::test
