#pragma once
// The vendor's endpoints. The host and mail address are build settings that the
// environment variables FROSTLIGHT_VENDOR_HOST and FROSTLIGHT_SUPPORT_MAIL override.
#include <string>

namespace fl {

// Host name, optionally with ":port".
std::string VendorHost();
std::string SupportMail();
std::string HomePageUrl();       // http://<host>/screensavers/frostlight.html
std::string UninstallPageUrl();  // http://<host>/screensavers/frostlight-uninstall.html
std::string VersionFileUrl();    // http://<host>/files/frostlight.dat

}  // namespace fl
