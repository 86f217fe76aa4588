// A menu as plain data.
#include "core/menu/MenuModel.h"

namespace velto {

MenuItem& MenuModel::Add(MenuItem item) {
    items_.push_back(std::move(item));
    return items_.back();
}

MenuItem& MenuModel::AddCommand(int id, std::string text, std::string prompt) {
    MenuItem item;
    item.id = id;
    item.text = std::move(text);
    item.prompt = std::move(prompt);
    return Add(std::move(item));
}

void MenuModel::AddSeparator() {
    MenuItem item;
    item.kind = MenuItem::Kind::Separator;
    Add(std::move(item));
}

MenuModel& MenuModel::AddSubmenu(std::string text, int id, std::string prompt) {
    MenuItem item;
    item.kind = MenuItem::Kind::Submenu;
    item.id = id;
    item.text = std::move(text);
    item.prompt = std::move(prompt);
    return Add(std::move(item)).submenu;
}

const MenuItem* MenuModel::Find(int id) const noexcept {
    for (const MenuItem& item : items_) {
        if (!item.IsSeparator() && item.id == id)
            return &item;
        if (item.IsSubmenu())
            if (const MenuItem* inner = item.submenu.Find(id))
                return inner;
    }
    return nullptr;
}

MenuItem* MenuModel::Find(int id) noexcept {
    return const_cast<MenuItem*>(static_cast<const MenuModel*>(this)->Find(id));
}

MenuModel* MenuModel::Submenu(std::string_view text) noexcept {
    for (MenuItem& item : items_)
        if (item.IsSubmenu() && item.text == text)
            return &item.submenu;
    return nullptr;
}

void MenuModel::Print(std::ostream& out, int depth) const {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    for (const MenuItem& item : items_) {
        if (item.IsSeparator()) {
            out << indent << "-\n";
            continue;
        }
        out << indent << item.id << '\t' << item.text << (item.checked ? " [x]" : "") << '\n';
        if (item.IsSubmenu())
            item.submenu.Print(out, depth + 1);
    }
}

} // namespace velto
