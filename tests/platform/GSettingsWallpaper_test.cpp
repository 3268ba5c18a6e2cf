#include "platform/glib/GSettingsWallpaper.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestEnvironment.h"

namespace fl {
namespace {

struct Reading {
  bool clean_exit = false;
  std::string path;
  std::string style;
};

// GSettings picks its backend and caches values on first use, so every case
// reads in a child process of its own, with a fresh keyfile under a private
// XDG_CONFIG_HOME. The test process itself never starts GSettings.
Reading ReadWallpaper(const std::string& keyfile, bool without_schemas = false) {
  test::TempFolder home;
  const std::filesystem::path settings = std::filesystem::path(home.path()) / "glib-2.0" / "settings";
  std::filesystem::create_directories(settings);
  std::ofstream(settings / "keyfile") << keyfile;
  const std::string empty = home.path() + "/empty";
  std::filesystem::create_directories(empty);

  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);
    setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    if (without_schemas) {
      setenv("GSETTINGS_SCHEMA_DIR", empty.c_str(), 1);
      setenv("XDG_DATA_DIRS", empty.c_str(), 1);
      setenv("XDG_DATA_HOME", empty.c_str(), 1);
    }
    GSettingsWallpaper wallpaper;
    const std::string answer = wallpaper.Path() + '\n' + wallpaper.StyleText();
    const bool written = write(fds[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
    _exit(written ? 0 : 1);
  }
  close(fds[1]);
  std::string answer;
  char buffer[256];
  for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;) answer.append(buffer, static_cast<size_t>(got));
  close(fds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return {};

  Reading reading;
  reading.clean_exit = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  const std::size_t newline = answer.find('\n');
  if (newline != std::string::npos) {
    reading.path = answer.substr(0, newline);
    reading.style = answer.substr(newline + 1);
  }
  return reading;
}

bool StretchStyle(const std::string& style) {
  return !style.empty() && style.find_first_not_of("0123456789") == std::string::npos && std::stoi(style) != 0;
}

std::string Background(const std::string& uri, const std::string& options) {
  return "[org/gnome/desktop/background]\npicture-uri='" + uri + "'\npicture-options='" + options + "'\n";
}

TEST(GSettingsWallpaper, PictureOptionsGiveTheStyle) {
  const struct {
    const char* options;
    bool stretch;
  } cases[] = {{"wallpaper", false}, {"centered", false}, {"zoom", true},
               {"stretched", true},  {"scaled", true},    {"spanned", true}};
  for (const auto& c : cases) {
    const Reading reading = ReadWallpaper(Background("file:///tmp/snow.png", c.options));
    ASSERT_TRUE(reading.clean_exit) << c.options;
    EXPECT_EQ(reading.path, "/tmp/snow.png") << c.options;
    if (c.stretch) {
      EXPECT_TRUE(StretchStyle(reading.style)) << c.options << " gave \"" << reading.style << '"';
    } else {
      EXPECT_EQ(reading.style, "0") << c.options;
    }
  }
}

TEST(GSettingsWallpaper, PictureUriBecomesALocalPath) {
  const struct {
    const char* uri;
    const char* path;
  } cases[] = {
      {"file:///home/snow/Pictures/winter%20night%C3%A9.jpg", "/home/snow/Pictures/winter night\xC3\xA9.jpg"},
      {"/srv/pictures/plain.png", "/srv/pictures/plain.png"},
      {"", ""},
      {"https://pictures.example/remote.png", ""},
      {"file:relative.png", ""},
  };
  for (const auto& c : cases) {
    const Reading reading = ReadWallpaper(Background(c.uri, "zoom"));
    ASSERT_TRUE(reading.clean_exit) << c.uri;
    EXPECT_EQ(reading.path, c.path) << c.uri;
  }
}

TEST(GSettingsWallpaper, OptionNoneMeansNoWallpaper) {
  const Reading reading = ReadWallpaper(Background("file:///tmp/snow.png", "none"));
  ASSERT_TRUE(reading.clean_exit);
  EXPECT_EQ(reading.path, "");
}

TEST(GSettingsWallpaper, DarkColourSchemeTakesTheDarkPicture) {
  const std::string dark = "[org/gnome/desktop/interface]\ncolor-scheme='prefer-dark'\n";
  const std::string light = "[org/gnome/desktop/interface]\ncolor-scheme='prefer-light'\n";
  const std::string both = Background("file:///tmp/day.png", "zoom") + "picture-uri-dark='file:///tmp/night.png'\n";
  const std::string no_dark_picture = Background("file:///tmp/day.png", "zoom") + "picture-uri-dark=''\n";

  EXPECT_EQ(ReadWallpaper(both + dark).path, "/tmp/night.png");
  EXPECT_EQ(ReadWallpaper(both + light).path, "/tmp/day.png");
  EXPECT_EQ(ReadWallpaper(both).path, "/tmp/day.png");
  EXPECT_EQ(ReadWallpaper(no_dark_picture + dark).path, "/tmp/day.png");
}

TEST(GSettingsWallpaper, MissingSchemaMeansNoWallpaperNotACrash) {
  const Reading reading = ReadWallpaper(Background("file:///tmp/snow.png", "wallpaper"), true);
  ASSERT_TRUE(reading.clean_exit);
  EXPECT_EQ(reading.path, "");
  EXPECT_EQ(reading.style, "");
}

}  // namespace
}  // namespace fl
