// The editor set up for the view benchmarks: an application on an in-memory profile with
// its main window, offscreen.
#pragma once

#include "BenchSupport.h"

#include "core/platform/MemoryProfile.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QApplication>
#include <QBuffer>

#include <memory>

namespace velto::bench {

// Benchmarks run unattended: a message is noted, never shown as a modal box.
struct SilentPrompter final : Prompter {
    void Message(const std::string&, Kind) override {}
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
};

inline SilentPrompter& Silent() {
    static SilentPrompter prompter;
    return prompter;
}

struct Editor {
    std::unique_ptr<CQuorApp> app;
    Editor() {
        EnsureQtApplication();
        auto profile = std::make_unique<MemoryProfile>();
        profile->WriteInt("Tip", "StartUp", 1); // nothing over the window being measured
        app = std::make_unique<CQuorApp>(std::move(profile));
        app->SetPrompter(&Silent());
        app->InitInstance({QStringLiteral("-dde")});
        app->ShowMainWindow(true);
    }
    CQuorView* NewView() { return app->DocManager().CreateUntitled()->View(); }
    // A new view holding the bytes, loaded as a document is.
    CQuorView* ViewWith(const QByteArray& bytes) {
        CQuorView* view = NewView();
        QBuffer file(const_cast<QByteArray*>(&bytes));
        file.open(QIODevice::ReadOnly);
        view->LoadText(file, false);
        return view;
    }
    // Closes the view's window and frees it at once, so the next view reuses its memory.
    static void Close(CQuorView* view) {
        delete view->GetDocument()->parent();
        QApplication::processEvents();
    }
};

} // namespace velto::bench
