#include "update/UpdateCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixNetwork.h"
#include "settings/TextTable.h"
#include "tests/fakes/FakeServices.h"
#include "tests/update/LoopbackServers.h"
#include "update/HttpFetch.h"

namespace fl {
namespace {

namespace fs = std::filesystem;
using test::FakeFileSystem;
using test::FakeMessageBoxes;
using test::FakeShell;
using test::PythonHttpServer;
using test::RefusingPort;

const char* const kNoUpdateText = "There is no update of Frostlight Screensaver yet. You're using the most recent version.";
const char* const kNewUpdateText =
    "A new version of Frostlight Screensaver is available! Are you ready to download it right now?";

// The vendor host is a real HTTP server on 127.0.0.1 serving a temporary folder
// that holds files/frostlight.dat.
class CheckForUpdateTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "frostlight-update-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    folder_ = new fs::path(pattern);
    fs::create_directories(*folder_ / "files");
    server_ = new PythonHttpServer(folder_->string());
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
    if (folder_) fs::remove_all(*folder_);
    delete folder_;
    folder_ = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(server_, nullptr);
    ASSERT_NE(server_->port(), 0) << "python3 -m http.server did not start";
    saved_ = Sys();
    Sys().files = &files_;
    Sys().boxes = &boxes_;
    Sys().shell = &shell_;
    Sys().clock = &clock_;
    Sys().network = &network_;
    BuildTextTable();
    StartNetwork();
    UseVendorPort(ServerPort());
  }
  void TearDown() override { Sys() = saved_; }

  static int ServerPort() { return server_->port(); }
  void UseVendorPort(int port) { files_.environment["FROSTLIGHT_VENDOR_HOST"] = "127.0.0.1:" + std::to_string(port); }

  // nullopt removes the version file, so that the server answers 404 with a page.
  static void ServeVersionFile(const std::optional<std::string>& body) {
    fs::path file = *folder_ / "files" / "frostlight.dat";
    if (!body) {
      fs::remove(file);
      return;
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << *body;
  }

  void ExpectOnlyBox(const char* title, const char* text, BoxStyle style) {
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].title, title);
    EXPECT_EQ(boxes_.shown[0].text, text);
    EXPECT_EQ(boxes_.shown[0].style, style);
  }

  FakeFileSystem files_;
  FakeMessageBoxes boxes_;
  FakeShell shell_;

 private:
  static inline fs::path* folder_ = nullptr;
  static inline PythonHttpServer* server_ = nullptr;
  Platform saved_;
  PosixClock clock_;
  PosixNetwork network_;
};

TEST_F(CheckForUpdateTest, ANewerVersionOffersTheHomePage) {
  const std::string homePage = "http://127.0.0.1:" + std::to_string(ServerPort()) + "/screensavers/frostlight.html";
  struct Case {
    const char* body;
    int answer;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {"201\r\n", BoxYes, {homePage}},
      {"201", BoxNo, {}},
      {"   201", BoxYes, {homePage}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    boxes_.shown.clear();
    shell_.opened.clear();
    boxes_.answer = c.answer;
    ServeVersionFile(c.body);
    CheckForUpdate();
    ExpectOnlyBox("New Update", kNewUpdateText, BoxStyle::Question);
    EXPECT_EQ(shell_.opened, c.opened);
  }
}

TEST_F(CheckForUpdateTest, TheSameOrAnOlderVersionSaysNoUpdate) {
  for (const char* body : {"200", "199", "2.0.1", "0201", "-201"}) {
    SCOPED_TRACE(body);
    boxes_.shown.clear();
    ServeVersionFile(body);
    CheckForUpdate();
    ExpectOnlyBox("No Update", kNoUpdateText, BoxStyle::Information);
    EXPECT_TRUE(shell_.opened.empty());
  }
}

TEST_F(CheckForUpdateTest, NoUsableAnswerIsAConnectionProblem) {
  struct Case {
    const char* name;
    std::optional<std::string> body;
    bool serverRuns;
  };
  const Case cases[] = {
      {"error page", std::nullopt, true},
      {"body without digits", "abc", true},
      {"zero", "000", true},
      {"empty file", "", true},
      {"no server", "201", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes_.shown.clear();
    ServeVersionFile(c.body);
    RefusingPort refusing;
    UseVendorPort(c.serverRuns ? ServerPort() : refusing.port());
    CheckForUpdate();
    ExpectOnlyBox("Error", "Internet connection problems!", BoxStyle::Error);
    EXPECT_TRUE(shell_.opened.empty());
  }
}

}  // namespace
}  // namespace fl
