#!/bin/sh
# Fails when a portable folder includes a header of SDL, wxWidgets, X11, GLib or POSIX.
root=${1:-.}
found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](SDL|wx/|X11/|glib|gio/|unistd\.h|fcntl\.h|pthread\.h|poll\.h|netdb\.h|dirent\.h|sys/|arpa/|netinet/|signal\.h|spawn\.h)' \
  "$root/app" "$root/settings" "$root/saver" "$root/dialog" "$root/update" 2>/dev/null)
if [ -n "$found" ]; then
  echo "system headers in portable code:"
  echo "$found"
  exit 1
fi
echo "portable folders are clean"
