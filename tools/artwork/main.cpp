// frostlight-artwork: draws the program's pictures.
//
//   frostlight-artwork <source folder>          writes assets/pictures/* and data/*
//   frostlight-artwork --proof <folder>         writes proof sheets to look at
//
// The pictures are committed; run this again only after changing a drawing.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "ImageFiles.h"
#include "Pictures.h"
#include "Proof.h"

namespace {

using namespace fl::art;

bool WriteArtwork(const std::filesystem::path& root) {
  const std::filesystem::path pictures = root / "assets" / "pictures";
  const std::filesystem::path data = root / "data";
  std::error_code error;
  for (const char* folder : {"images", "foreground", "snowflakes"}) std::filesystem::create_directories(data / folder, error);
  std::filesystem::create_directories(pictures, error);
  if (error) {
    std::fprintf(stderr, "cannot create folders under %s: %s\n", root.c_str(), error.message().c_str());
    return false;
  }
  const auto in = [](const std::filesystem::path& folder, const std::string& name) { return (folder / name).string(); };

  bool ok = true;
  for (int design = 1; design <= 8; ++design) {
    const std::string n = std::to_string(design);
    ok = WritePng(in(pictures, "flake" + n + ".png"), BuiltInFlake(design)) && ok;
    ok = WriteBmp(in(pictures, "thumb" + n + ".bmp"), FlakeThumbnail(design), 16) && ok;
  }
  ok = WriteBmp(in(pictures, "banner.bmp"), Banner(), 32) && ok;
  ok = WriteBmp(in(pictures, "preview.bmp"), Preview(), 32) && ok;
  ok = WritePng(in(pictures, "homepage.png"), HomepageIcon()) && ok;
  ok = WritePng(in(pictures, "feedback.png"), FeedbackIcon()) && ok;
  ok = WritePng(in(pictures, "update.png"), UpdateIcon()) && ok;
  ok = WritePng(in(pictures, "browse.png"), BrowseIcon()) && ok;

  ok = WriteJpeg(in(data / "images", "fullmoon.jpg"), FullMoon(), 88) && ok;
  ok = WriteBmp(in(data / "foreground", "happynewyear.bmp"), HappyNewYear(), 24) && ok;
  ok = WritePng(in(data / "snowflakes", "myflake2.png"), StockFlake()) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--proof") == 0) return WriteProofs(argv[2]) ? 0 : 1;
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: %s <source folder> | --proof <folder>\n", argv[0]);
    return 2;
  }
  if (!WriteArtwork(argv[1])) {
    std::fprintf(stderr, "some pictures could not be written\n");
    return 1;
  }
  return 0;
}
