// The problem report's facts as this system gives them: /etc/os-release, uname,
// /proc/cpuinfo, /proc/meminfo, /proc/uptime and the mounted file systems. The readers
// of each file's text are separate so they can be checked against fixed texts.
#pragma once

#include "core/support/SystemFacts.h"

#include <string>
#include <string_view>

namespace velto {

// PRETTY_NAME of an os-release text (quotes and escapes undone), else NAME and VERSION.
[[nodiscard]] std::string OsReleaseName(std::string_view osRelease);

// The first "model name" (else "Hardware" or "Processor") of a cpuinfo text, with the
// number of processors when more than one: "AMD EPYC 7B13 (2 processors)".
[[nodiscard]] std::string ProcessorName(std::string_view cpuinfo);

// The memory figures of a meminfo text; nothing when MemTotal is missing.
[[nodiscard]] std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo);

// Whole minutes since the system started, from the first number of an uptime text.
[[nodiscard]] std::optional<std::uint64_t> ParseUptimeMinutes(std::string_view uptime);

// The kind of drive a mounted file system is, by its type and whether its disk is
// removable; empty for the system's own pseudo file systems, which a report leaves out.
[[nodiscard]] std::string DriveKind(std::string_view fsType, std::string_view device, bool removable);

// One entry per mounted real file system of a mounts text (as /proc/self/mounts), each
// mount point once; the sizes are left for the caller.
[[nodiscard]] std::vector<DriveFacts> ParseMounts(std::string_view mounts,
                                                   bool (*isRemovable)(std::string_view device));

// The environment variables of the running program, by name (nothing: not set).
using EnvironmentLookup = std::optional<std::string> (*)(const char* name);

// The display server the program draws on, from the window system plug-in ("xcb",
// "wayland", ...) and the session's variables: "X11 (DISPLAY=:0)", "Wayland
// (WAYLAND_DISPLAY=wayland-0)", or "X11 through XWayland (...)" for an X11 program in a
// Wayland session. Without a plug-in (no window in use), what the session offers.
[[nodiscard]] std::string DisplayServerText(std::string_view qtPlatformName, EnvironmentLookup env);
// The desktop from XDG_CURRENT_DESKTOP and DESKTOP_SESSION: "XFCE (session xfce)".
[[nodiscard]] std::string DesktopText(EnvironmentLookup env);

struct FactsRequest {
    std::string productVersion;
    std::string executable;
    std::string settingsPath; // the program's settings file, copied into the report
    std::string qtPlatform;
    std::string currentFolder;  // where a "Crash Log" is looked for
    std::string qtPlatformName; // the plug-in's own name, as "xcb"
    std::string qtVersion;
    std::string qscintillaVersion;
    std::string webEngineVersion;
    std::vector<std::string> fonts;
};

// Everything the report says about this computer now.
[[nodiscard]] SystemFacts GatherSystemFacts(const FactsRequest& request);

} // namespace velto
