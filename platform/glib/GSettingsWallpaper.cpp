#include "platform/glib/GSettingsWallpaper.h"

#include <gio/gio.h>

#include <optional>

namespace fl {

namespace {

// One installed schema with its settings. Looking the schema up first keeps a
// missing schema or key from ending the process, which GSettings does when
// asked for either directly.
class SchemaSettings {
 public:
  explicit SchemaSettings(const char* schema_id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) return;
    schema_ = g_settings_schema_source_lookup(source, schema_id, TRUE);
    if (schema_ != nullptr) settings_ = g_settings_new_full(schema_, nullptr, nullptr);
  }
  ~SchemaSettings() {
    if (settings_ != nullptr) g_object_unref(settings_);
    if (schema_ != nullptr) g_settings_schema_unref(schema_);
  }
  SchemaSettings(const SchemaSettings&) = delete;
  SchemaSettings& operator=(const SchemaSettings&) = delete;

  // The value of a string (or enumeration) key; nothing when the key is absent.
  std::optional<std::string> Text(const char* key) const {
    if (settings_ == nullptr || !g_settings_schema_has_key(schema_, key)) return std::nullopt;
    GSettingsSchemaKey* schema_key = g_settings_schema_get_key(schema_, key);
    const bool is_text = g_variant_type_equal(g_settings_schema_key_get_value_type(schema_key), G_VARIANT_TYPE_STRING);
    g_settings_schema_key_unref(schema_key);
    if (!is_text) return std::nullopt;
    gchar* value = g_settings_get_string(settings_, key);
    std::string text = value != nullptr ? value : "";
    g_free(value);
    return text;
  }

 private:
  GSettingsSchema* schema_ = nullptr;
  GSettings* settings_ = nullptr;
};

bool PrefersDark() {
  return SchemaSettings("org.gnome.desktop.interface").Text("color-scheme") == "prefer-dark";
}

std::string LocalPath(const std::string& uri) {
  if (uri.empty() || uri.front() == '/') return uri;
  gchar* file_name = g_filename_from_uri(uri.c_str(), nullptr, nullptr);
  if (file_name == nullptr) return {};  // not a file: URI
  std::string path = file_name;
  g_free(file_name);
  return path;
}

}  // namespace

std::string GSettingsWallpaper::Path() {
  const SchemaSettings background("org.gnome.desktop.background");
  if (background.Text("picture-options") == "none") return {};
  std::optional<std::string> uri;
  if (PrefersDark()) uri = background.Text("picture-uri-dark");
  // A dark variant left empty falls back to the ordinary picture.
  if (!uri || uri->empty()) uri = background.Text("picture-uri");
  return uri ? LocalPath(*uri) : std::string();
}

std::string GSettingsWallpaper::StyleText() {
  const std::optional<std::string> options = SchemaSettings("org.gnome.desktop.background").Text("picture-options");
  if (!options) return {};
  return *options == "wallpaper" || *options == "centered" ? "0" : "2";
}

}  // namespace fl
