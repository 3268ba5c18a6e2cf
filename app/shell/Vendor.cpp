#include "app/shell/Vendor.h"

#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace fl {
namespace {

std::string Configured(const char* variable, const char* built_in) {
  if (FileSystem* files = Sys().files) {
    std::string value = files->Environment(variable);
    if (!value.empty()) return value;
  }
  return built_in;
}

}  // namespace

std::string VendorHost() { return Configured("FROSTLIGHT_VENDOR_HOST", FROSTLIGHT_VENDOR_HOST); }
std::string SupportMail() { return Configured("FROSTLIGHT_SUPPORT_MAIL", FROSTLIGHT_SUPPORT_MAIL); }
std::string HomePageUrl() { return "http://" + VendorHost() + "/screensavers/frostlight.html"; }
std::string UninstallPageUrl() { return "http://" + VendorHost() + "/screensavers/frostlight-uninstall.html"; }
std::string VersionFileUrl() { return "http://" + VendorHost() + "/files/frostlight.dat"; }

}  // namespace fl
