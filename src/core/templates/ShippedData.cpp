// Copying the shipped folders into the user's data folder.
#include "core/templates/ShippedData.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace velto {

namespace fs = std::filesystem;

namespace {
constexpr const char* ManifestName = ".velto-shipped";

std::set<std::string> ReadManifest(const fs::path& file) {
    std::set<std::string> names;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            names.insert(line);
    return names;
}

bool WriteManifest(const fs::path& file, const std::set<std::string>& names) {
    const fs::path temporary = file.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const std::string& name : names)
            out << name << '\n';
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
    std::set<std::string> manifest = ReadManifest(manifestFile);
    const std::size_t known = manifest.size();
    for (const std::string& folder : folders) {
        const fs::path root = from / folder;
        if (!fs::is_directory(root, ec))
            continue;
        for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_regular_file(ec))
                continue;
            const std::string relative = fs::relative(it->path(), from, ec).generic_string();
            if (ec || manifest.count(relative))
                continue;
            const fs::path target = to / relative;
            std::string why;
            if (fs::exists(target, ec)) {
                // The user's own file of that name: it stays, and counts as delivered.
            } else if (CopyOne(it->path(), target, why)) {
                ++result.copied;
            } else {
                result.failures.push_back(target.string() + ": " + why);
                continue;
            }
            manifest.insert(relative);
        }
    }
    if (manifest.size() != known && !WriteManifest(manifestFile, manifest))
        result.failures.push_back(manifestFile.string() + ": cannot be written");
    return result;
}

} // namespace velto
