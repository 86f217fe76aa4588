// The core's file dialogs as Qt file dialogs.
#pragma once

#include "core/platform/FileChooser.h"

#include <functional>

class QWidget;

namespace velto {

class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;

    // Tests answer the dialogs through this instead of showing one.
    std::function<std::optional<std::string>(const FileDialogRequest&)> hook;

private:
    std::function<QWidget*()> parent_;
};

} // namespace velto
