// Copying the shipped folders into the user's data folder.
#include "core/templates/ShippedData.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>

namespace velto {

namespace fs = std::filesystem;

namespace {
constexpr const char* ManifestName = ".velto-shipped";

// Each delivered file with the hash of the bytes delivered ("" when unknown: a file the
// user had before, or a list written before hashes were kept).
using Manifest = std::map<std::string, std::string>;

std::string HashOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::uint64_t h = 1469598103934665603ull; // FNV-1a
    char buffer[1 << 14];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            h = (h ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
        if (!in)
            break;
    }
    static constexpr char Hex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4)
        text[static_cast<std::size_t>(i)] = Hex[h & 15];
    return text;
}

Manifest ReadManifest(const fs::path& file) {
    Manifest names;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty())
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            names[line] = "";
        else
            names[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return names;
}

bool WriteManifest(const fs::path& file, const Manifest& names) {
    const fs::path temporary = file.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [name, hash] : names)
            out << name << (hash.empty() ? "" : "\t" + hash) << '\n';
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
    return !ec;
}

bool CopyOne(const fs::path& from, const fs::path& to, std::string& why) {
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    if (ec) {
        why = ec.message();
        return false;
    }
    const fs::path temporary = to.string() + ".part";
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, to, ec);
    if (ec) {
        why = ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}
} // namespace

ShippedCopyResult CopyShippedFolders(const std::string& shipped, const std::string& user,
                                     const std::vector<std::string>& folders) {
    ShippedCopyResult result;
    std::error_code ec;
    const fs::path from(shipped), to(user);
    if (fs::equivalent(from, to, ec))
        return result;
    const fs::path manifestFile = to / ManifestName;
    const Manifest known = ReadManifest(manifestFile);
    Manifest manifest = known;
    for (const std::string& folder : folders) {
        const fs::path root = from / folder;
        if (!fs::is_directory(root, ec))
            continue;
        for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_regular_file(ec))
                continue;
            const std::string relative = fs::relative(it->path(), from, ec).generic_string();
            if (ec)
                continue;
            const fs::path target = to / relative;
            const auto delivered = manifest.find(relative);
            const bool exists = fs::exists(target, ec);
            std::string why;
            if (delivered != manifest.end()) {
                // Delivered before: a copy the user never changed follows a newer shipped
                // file; a changed or deleted one is the user's.
                if (!exists || delivered->second.empty())
                    continue;
                const std::string shippedHash = HashOf(it->path());
                if (shippedHash == delivered->second || HashOf(target) != delivered->second)
                    continue;
                if (CopyOne(it->path(), target, why)) {
                    ++result.copied;
                    delivered->second = shippedHash;
                } else {
                    result.failures.push_back(target.string() + ": " + why);
                }
                continue;
            }
            if (exists) {
                manifest[relative] = ""; // the user's own file of that name stays
            } else if (CopyOne(it->path(), target, why)) {
                ++result.copied;
                manifest[relative] = HashOf(target);
            } else {
                result.failures.push_back(target.string() + ": " + why);
            }
        }
    }
    if (manifest != known && !WriteManifest(manifestFile, manifest))
        result.failures.push_back(manifestFile.string() + ": cannot be written");
    return result;
}

} // namespace velto
