#include "update/UpdateCheck.h"

#include <cstdint>
#include <limits>
#include <string>

#include "app/shell/Process.h"
#include "app/shell/Vendor.h"
#include "settings/Messages.h"
#include "settings/TextTable.h"
#include "update/HttpFetch.h"

namespace fl {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

}  // namespace

int VersionNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;

  int base = 10;
  bool negative = false;
  if (at < text.size() && (text[at] == '$' || text[at] == '%')) {
    base = text[at] == '$' ? 16 : 2;
    ++at;
  } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  // Saturates instead of overflowing; the version file holds three characters.
  constexpr std::int64_t kCeiling = std::numeric_limits<int>::max();
  std::int64_t value = 0;
  for (; at < text.size() && DigitValue(text[at]) < base; ++at) {
    value = value * base + DigitValue(text[at]);
    if (value > kCeiling) value = kCeiling;
  }
  return static_cast<int>(negative ? -value : value);
}

bool AskDownloadUpdate() {
  return MessageBox(GetText("Msg", "New Update"), GetText("Msg", "New Update Text"), BoxStyle::Question) == BoxYes;
}

void CheckForUpdate() {
  int newest = VersionNumber(FetchVersionText(VersionFileUrl(), AppTitle()));
  if (newest == 0) {
    ShowError(GetText("Msg", "Internet connection problems"));
    return;
  }
  if (newest <= AppVersion) {
    ShowInfo(GetText("Msg", "No Update"), GetText("Msg", "No Update Text"));
    return;
  }
  if (AskDownloadUpdate()) OpenWithShell(HomePageUrl());
}

}  // namespace fl
