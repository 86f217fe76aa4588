// velto-tool folder-menu FOLDER PATTERN [options]: a folder menu as built.
#include "ToolCommand.h"

#include "core/templates/CFileTreeMenu.h"
#include "core/templates/CFileTreeScanner.h"

#include <charconv>
#include <ostream>

namespace velto::tool {
namespace {

int RunFolderMenu(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar folderMenu{
    {"folder-menu",
     "FOLDER PATTERN [--max-items N] [--max-depth N] [--exclude NAME] [--first-id N] [--last-id N]",
     "print the menu a folder gives, one entry a line indented by submenu, as "
     "\"ID<TAB>KIND<TAB>TEXT<TAB>PATH\" (KIND folder, file or overflow); PATTERN such as "
     "\"*.htt\"; the limits default to 3 levels of 10 entries with a \"More...\" entry, the ids "
     "to 2000..2199; --exclude leaves out a sub-folder (may be repeated)",
     RunFolderMenu}};

bool ParseNumber(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

void Print(const CFileTreeMenu& menu, const MenuModel& level, int depth, std::ostream& out) {
    static constexpr const char* Kinds[] = {"folder", "file", "overflow"};
    for (const MenuItem& item : level.Items()) {
        const CFTItem* entry = menu.Item(item.id);
        if (!entry)
            continue;
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << item.id << '\t' << Kinds[entry->kind]
            << '\t' << item.text << '\t' << menu.PathFor(item.id) << '\n';
        if (item.IsSubmenu())
            Print(menu, item.submenu, depth + 1, out);
    }
}

int RunFolderMenu(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2)
        return UsageError("folder-menu", err);
    CFileTreeScanner scanner;
    scanner.AddIncludePattern(args[1]);
    int maxItems = 10, maxDepth = 3, firstId = 2000, lastId = -1;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size())
            return UsageError("folder-menu", err);
        const std::string& value = args[++i];
        int* number = option == "--max-items" ? &maxItems
                      : option == "--max-depth" ? &maxDepth
                      : option == "--first-id"  ? &firstId
                      : option == "--last-id"   ? &lastId
                                                : nullptr;
        if (option == "--exclude") {
            scanner.AddExcludedName(value);
        } else if (!number || !ParseNumber(value, *number)) {
            err << "velto-tool: " << option << " " << value << " is not an option of folder-menu\n";
            return UsageError("folder-menu", err);
        }
    }
    CFileTreeMenu menu(firstId, lastId < 0 ? firstId + 199 : lastId);
    menu.SetLimits(maxDepth, maxItems);
    menu.Build(scanner, AbsolutePath(args[0]));
    Print(menu, menu.Menu(), 0, out);
    return out ? 0 : 1;
}

} // namespace
} // namespace velto::tool
