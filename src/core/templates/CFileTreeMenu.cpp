// CFileTreeMenu: a menu mirroring a folder.
#include "core/templates/CFileTreeMenu.h"

#include "core/templates/CFileTreeScanner.h"

#include <cctype>
#include <filesystem>

namespace velto {

namespace {
constexpr char Upper(char c) noexcept {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}
constexpr bool IsMnemonicChar(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string Join(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}
} // namespace

std::string CFileTreeMenu::TitleOf(const std::string& name, bool folder) {
    if (folder)
        return name;
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string CFileTreeMenu::MnemonicText(std::string_view title, std::string& used) {
    std::string text;
    bool marked = false;
    for (char c : title) {
        if (!marked && IsMnemonicChar(c) && used.find(Upper(c)) == std::string::npos) {
            text += '&';
            used += Upper(c);
            marked = true;
        }
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}

bool CFileTreeMenu::Build(CFileTreeScanner& scanner, const std::string& folder) {
    items_.clear();
    menu_ = MenuModel();
    nextId_ = firstId_;
    depth_ = 0;
    BuildLevel(scanner, folder, menu_);
    return true;
}

int CFileTreeMenu::BuildLevel(CFileTreeScanner& scanner, const std::string& folder, MenuModel& menu) {
    ++depth_;
    int count = 0;
    bool overflow = false;
    int result = 0;
    std::string used;
    for (char c : reserved_)
        used += Upper(c);
    if (scanner.Scan(folder)) {
        const std::vector<CFindFileInfo> entries = scanner.Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const CFindFileInfo& entry = entries[i];
            if (depth_ > maxDepth_) {
                result = -1;
                break;
            }
            if (count == maxItems_ && overflow_) {
                overflow = true;
                break;
            }
            if (count >= maxItems_ || !IdsLeft())
                break;
            const std::string title = TitleOf(entry.name, entry.folder);
            CFTItem item{folder, entry.name, {}, entry.folder ? CFTItem::Folder : CFTItem::File};
            if (prompt_ && !prompt_(entry.path, title, item.prompt))
                continue;
            const int id = nextId_++;
            const std::string usedBefore = used;
            const std::string text = assignMnemonics_ ? MnemonicText(title, used) : title;
            items_.push_back(item);
            if (!entry.folder) {
                menu.AddCommand(id, text, item.prompt);
                ++count;
                continue;
            }
            MenuModel sub;
            CFileTreeScanner inner = scanner.EnterSubFolder();
            const int got = BuildLevel(inner, entry.path, sub);
            if (got <= 0) {
                // Nothing to show below it: the folder, its entry and its id are taken back.
                items_.resize(static_cast<std::size_t>(id - firstId_));
                nextId_ = id;
                used = usedBefore;
                if (got < 0)
                    overflow = overflow_;
                continue;
            }
            MenuModel& placed = menu.AddSubmenu(text, id, item.prompt);
            placed = std::move(sub);
            ++count;
        }
    }
    if (overflow && IdsLeft()) {
        items_.push_back({folder, {}, overflowPrompt_, CFTItem::Overflow});
        menu.AddCommand(nextId_++, overflowText_, overflowPrompt_);
        ++count;
    }
    --depth_;
    return result < 0 ? -1 : count;
}

const CFTItem* CFileTreeMenu::Item(int id) const noexcept {
    return Owns(id) ? &items_[static_cast<std::size_t>(id - firstId_)] : nullptr;
}

std::string CFileTreeMenu::PathFor(int id) const {
    const CFTItem* item = Item(id);
    if (!item)
        return {};
    return item->kind == CFTItem::Overflow ? item->folder : Join(item->folder, item->name);
}

bool CFileTreeMenu::PromptFor(int id, std::string& text) const {
    const CFTItem* item = Item(id);
    if (!item)
        return false;
    text = item->prompt;
    return true;
}

} // namespace velto
