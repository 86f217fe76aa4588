// The problem report's facts read from this system.
#include "core/support/LinuxFacts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <malloc.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>

namespace velto {

namespace fs = std::filesystem;

namespace {

// An included file larger than this is cut, so a runaway log cannot swell the report.
constexpr std::size_t IncludedFileLimit = 4u << 20;
// Machines with hundreds of mounts (containers, snaps) list only the first of them.
constexpr std::size_t MaxDrives = 64;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Calls f(line) for each line of text.
template <typename F> void EachLine(std::string_view text, F f) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        f(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

// The value of "key: value" (cpuinfo) or "key=value" (os-release) lines.
std::optional<std::string_view> Field(std::string_view line, std::string_view key, char separator) {
    if (line.substr(0, key.size()) != key)
        return std::nullopt;
    std::string_view rest = line.substr(key.size());
    rest = Trim(rest);
    if (rest.empty() || rest.front() != separator)
        return std::nullopt;
    return Trim(rest.substr(1));
}

// An os-release value without its quotes and backslash escapes.
std::string Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        out += value[i];
    }
    return out;
}

std::optional<std::uint64_t> Number(std::string_view text) {
    text = Trim(text);
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end == text.data())
        return std::nullopt;
    return n;
}

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// A mounts field with its octal escapes (\040 for a blank) undone.
std::string MountField(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
            IsOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool SysfsRemovable(std::string_view device) {
    std::error_code ec;
    const fs::path real = fs::canonical(fs::path(device), ec);
    if (ec)
        return false;
    fs::path block = fs::canonical(fs::path("/sys/class/block") / real.filename(), ec);
    if (ec)
        return false;
    for (int up = 0; up < 2; ++up, block = block.parent_path()) {
        std::ifstream in(block / "removable");
        char c = 0;
        if (in >> c)
            return c == '1';
    }
    return false;
}

std::optional<std::string> ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Files under /proc report no size, so read in pieces up to the limit.
    std::string bytes;
    char piece[16384];
    while (bytes.size() < IncludedFileLimit && in.read(piece, sizeof piece).gcount() > 0)
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > IncludedFileLimit || (bytes.size() == IncludedFileLimit && in.peek() != std::ifstream::traits_type::eof())) {
        bytes.resize(IncludedFileLimit);
        bytes += "\r\n*** FILE CUT AT 4M ***\r\n";
    }
    return bytes;
}

std::string ReadText(const fs::path& path) {
    return ReadWhole(path).value_or(std::string());
}

IncludedFile Included(std::string name, std::string folder, ReportDetail from) {
    IncludedFile file{std::move(name), std::move(folder), std::nullopt, from};
    file.bytes = ReadWhole(file.folder.empty() ? fs::path(file.name) : fs::path(file.folder) / file.name);
    return file;
}

} // namespace

std::string OsReleaseName(std::string_view osRelease) {
    std::string pretty, name, version;
    EachLine(osRelease, [&](std::string_view line) {
        if (auto v = Field(line, "PRETTY_NAME", '='))
            pretty = Unquoted(*v);
        else if (auto n = Field(line, "NAME", '='))
            name = Unquoted(*n);
        else if (auto ver = Field(line, "VERSION", '='))
            version = Unquoted(*ver);
    });
    if (!pretty.empty())
        return pretty;
    if (!version.empty())
        return name.empty() ? version : name + " " + version;
    return name;
}

std::string ProcessorName(std::string_view cpuinfo) {
    std::string model, hardware, processorField;
    int count = 0;
    EachLine(cpuinfo, [&](std::string_view line) {
        if (auto v = Field(line, "model name", ':')) {
            if (model.empty())
                model = *v;
        } else if (auto h = Field(line, "Hardware", ':')) {
            hardware = *h;
        } else if (auto p = Field(line, "processor", ':')) {
            ++count; // one "processor : N" line per logical processor
        } else if (auto q = Field(line, "Processor", ':')) {
            processorField = *q;
        }
    });
    std::string name = !model.empty() ? model : !hardware.empty() ? hardware : processorField;
    if (name.empty())
        return {};
    if (count > 1)
        name += " (" + std::to_string(count) + " processors)";
    return name;
}

std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo) {
    std::optional<std::uint64_t> total, available, free, swapTotal, swapFree, commitLimit, committed;
    EachLine(meminfo, [&](std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string_view key = line.substr(0, colon);
        std::string_view value = Trim(line.substr(colon + 1));
        if (value.size() > 3 && value.substr(value.size() - 3) == " kB")
            value.remove_suffix(3);
        std::optional<std::uint64_t> kb = Number(value);
        if (kb)
            *kb *= 1024;
        if (key == "MemTotal") total = kb;
        else if (key == "MemAvailable") available = kb;
        else if (key == "MemFree") free = kb;
        else if (key == "SwapTotal") swapTotal = kb;
        else if (key == "SwapFree") swapFree = kb;
        else if (key == "CommitLimit") commitLimit = kb;
        else if (key == "Committed_AS") committed = kb;
    });
    if (!total || *total == 0)
        return std::nullopt;
    MemoryFacts m;
    m.physTotal = *total;
    m.physAvail = std::min(*total, available.value_or(free.value_or(0)));
    m.usePercent = static_cast<unsigned>(((m.physTotal - m.physAvail) * 100 + m.physTotal / 2) / m.physTotal);
    m.swapTotal = swapTotal.value_or(0);
    m.swapAvail = std::min(m.swapTotal, swapFree.value_or(0));
    m.commitTotal = commitLimit.value_or(0);
    m.commitAvail = m.commitTotal > committed.value_or(0) ? m.commitTotal - committed.value_or(0) : 0;
    return m;
}

std::optional<std::uint64_t> ParseUptimeMinutes(std::string_view uptime) {
    uptime = Trim(uptime);
    const std::size_t end = std::min(uptime.find_first_of(". \n"), uptime.size());
    const std::optional<std::uint64_t> seconds = Number(uptime.substr(0, end));
    if (!seconds)
        return std::nullopt;
    return *seconds / 60;
}

std::string DriveKind(std::string_view fsType, std::string_view device, bool removable) {
    static constexpr std::array<std::string_view, 16> Network{
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "9p",
        "fuse.sshfs", "sshfs", "davfs", "fuse.rclone", "lustre", "fuse.s3fs"};
    static constexpr std::array<std::string_view, 17> Disk{
        "ext2", "ext3", "ext4", "xfs", "btrfs", "f2fs", "jfs", "reiserfs", "zfs", "vfat",
        "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "hfsplus", "overlay"};
    const auto in = [fsType](const auto& list) { return std::find(list.begin(), list.end(), fsType) != list.end(); };
    if (in(Network))
        return "network drive";
    if (fsType == "iso9660" || fsType == "udf")
        return "CDROM drive";
    if (fsType == "tmpfs" || fsType == "ramfs")
        return "RAM disk";
    if (in(Disk))
        return removable ? "local removable disk" : "local fixed disk";
    if (device.substr(0, 5) == "/dev/")
        return "unknown";
    return {};
}

std::vector<DriveFacts> ParseMounts(std::string_view mounts, bool (*isRemovable)(std::string_view device)) {
    std::vector<DriveFacts> drives;
    EachLine(mounts, [&](std::string_view line) {
        std::array<std::string_view, 3> fields{};
        for (std::string_view& field : fields) {
            line = line.substr(std::min(line.find_first_not_of(' '), line.size()));
            const std::size_t end = std::min(line.find(' '), line.size());
            field = line.substr(0, end);
            line.remove_prefix(end);
        }
        if (fields[2].empty())
            return;
        const std::string device = MountField(fields[0]);
        const bool removable = device.substr(0, 5) == "/dev/" && isRemovable != nullptr && isRemovable(device);
        std::string kind = DriveKind(fields[2], device, removable);
        if (kind.empty())
            return;
        DriveFacts drive{MountField(fields[1]), std::nullopt, std::nullopt, std::move(kind)};
        // A file system mounted over another hides it: the later one stands.
        const auto same = std::find_if(drives.begin(), drives.end(),
                                       [&](const DriveFacts& d) { return d.mountPoint == drive.mountPoint; });
        if (same != drives.end())
            *same = std::move(drive);
        else if (drives.size() < MaxDrives)
            drives.push_back(std::move(drive));
    });
    return drives;
}

std::string DisplayServerText(std::string_view qtPlatformName, EnvironmentLookup env) {
    const auto value = [env](const char* name) { return env ? env(name).value_or(std::string()) : std::string(); };
    const std::string display = value("DISPLAY");
    const std::string wayland = value("WAYLAND_DISPLAY");
    const std::string session = value("XDG_SESSION_TYPE");
    const bool waylandSession = !wayland.empty() || session == "wayland";
    if (qtPlatformName.empty()) {
        // No window system in use (velto-tool): what the session offers.
        if (!wayland.empty())
            return "not in use; the session has Wayland (WAYLAND_DISPLAY=" + wayland + ")";
        return display.empty() ? "none" : "not in use; the session has X11 (DISPLAY=" + display + ")";
    }
    if (qtPlatformName == "xcb") {
        const std::string where = "DISPLAY=" + display;
        return waylandSession ? "X11 through XWayland (" + where + ", Wayland session)" : "X11 (" + where + ")";
    }
    if (qtPlatformName.substr(0, 7) == "wayland")
        return "Wayland (WAYLAND_DISPLAY=" + (wayland.empty() ? std::string("wayland-0") : wayland) + ")";
    // Another plug-in draws on no display server (offscreen, a framebuffer, VNC).
    std::string text = "none (" + std::string(qtPlatformName) + " plug-in";
    if (!session.empty())
        text += ", session " + session;
    return text + ")";
}

std::string DesktopText(EnvironmentLookup env) {
    const auto value = [env](const char* name) { return env ? env(name).value_or(std::string()) : std::string(); };
    const std::string desktop = value("XDG_CURRENT_DESKTOP");
    const std::string session = value("DESKTOP_SESSION");
    if (desktop.empty())
        return session.empty() ? "unknown" : "unknown (session " + session + ")";
    return session.empty() ? desktop : desktop + " (session " + session + ")";
}

SystemFacts GatherSystemFacts(const FactsRequest& request) {
    SystemFacts facts;
    facts.productVersion = request.productVersion;
    facts.now = std::time(nullptr);

    utsname uts{};
    const bool haveUname = uname(&uts) == 0;
    const std::string system = OsReleaseName(ReadText("/etc/os-release"));
    facts.platform = system.empty() ? std::string("Linux") : system;
    if (haveUname) {
        facts.platform += std::string(", ") + uts.sysname + " " + uts.release + " " + uts.machine;
        facts.platformDetail = uts.version;
    }
    facts.processor = ProcessorName(ReadText("/proc/cpuinfo"));
    if (facts.processor.empty())
        facts.processor = std::string("<Unknown> ") + (haveUname ? uts.machine : "");

    facts.memory = ParseMemInfo(ReadText("/proc/meminfo"));
    facts.uptimeMinutes = ParseUptimeMinutes(ReadText("/proc/uptime"));
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    facts.heapFree = mallinfo2().fordblks;
#endif
    facts.drives = ParseMounts(ReadText("/proc/self/mounts"), &SysfsRemovable);
    for (DriveFacts& drive : facts.drives) {
        struct statvfs s {};
        if (statvfs(drive.mountPoint.c_str(), &s) == 0) {
            drive.freeBytes = static_cast<std::uint64_t>(s.f_bavail) * s.f_frsize;
            drive.totalBytes = static_cast<std::uint64_t>(s.f_blocks) * s.f_frsize;
        }
    }

    facts.executable = request.executable;
    facts.qtPlatform = request.qtPlatform;
    facts.qtVersion = request.qtVersion;
    facts.qscintillaVersion = request.qscintillaVersion;
    facts.webEngineVersion = request.webEngineVersion;
    facts.fonts = request.fonts;
    const EnvironmentLookup environment = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    facts.displayServer = DisplayServerText(request.qtPlatformName, environment);
    facts.desktop = DesktopText(environment);
    facts.settingsPath = request.settingsPath;
    if (!request.settingsPath.empty()) {
        std::error_code sizeError;
        const std::uintmax_t size = fs::file_size(request.settingsPath, sizeError);
        if (!sizeError)
            facts.settingsSize = size;
        const fs::path settings(request.settingsPath);
        facts.settingsFile = Included(settings.filename().string(), settings.parent_path().string(), ReportDetail::Concise);
    }
    std::error_code ec;
    const fs::path crashLog = fs::path(request.currentFolder.empty() ? "." : request.currentFolder) / "Crash Log";
    if (fs::is_regular_file(crashLog, ec)) {
        IncludedFile log{"Crash Log", "", ReadWhole(crashLog), ReportDetail::Concise};
        facts.includedFiles.push_back(std::move(log));
    }
    facts.includedFiles.push_back(Included("os-release", "/etc", ReportDetail::Standard));
    facts.includedFiles.push_back(Included("version", "/proc", ReportDetail::Standard));
    return facts;
}

} // namespace velto
