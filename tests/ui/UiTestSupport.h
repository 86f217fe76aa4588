// Shared set-up of the UI tests: an application with an in-memory profile, a recording
// prompter and a main window, and small helpers for files and views.
#pragma once

#include "core/fakes/RecordingPrompter.h"
#include "core/platform/MemoryProfile.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/RecoveryHost.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace velto::test {

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

struct UiFixture {
    // seed writes settings before the start-up reads them.
    explicit UiFixture(const std::function<void(MemoryProfile&)>& seed = {}) {
        auto p = std::make_unique<MemoryProfile>();
        profile = p.get();
        // No tip of the day over the window the tests work in.
        p->WriteInt("Tip", "StartUp", 1);
        if (seed)
            seed(*p);
        app = std::make_unique<CQuorApp>(std::move(p));
        app->SetPrompter(&prompter);
        // Started as for the shell ("-dde"): the full start-up without the untitled
        // document of a plain start, the window shown as such a start's first command does.
        app->InitInstance({QStringLiteral("-dde")});
        app->ShowMainWindow(true);
        // Text an earlier failed run left in the state folder is kept for later, without
        // a dialog over the window (the recovery tests answer it themselves).
        app->Recovery().chooseHook = [](const std::vector<RecoveryDlg::Item>&) {
            return RecoveryDlg::Later;
        };
    }

    CMainFrame& Frame() { return *app->MainFrame(); }
    CQuorDocManager& Docs() { return app->DocManager(); }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    CQuorDoc* Open(const QString& path) { return Docs().OpenDocumentFile(path); }
    // An empty untitled document's view.
    CQuorView* NewView() { return Docs().CreateUntitled()->View(); }

    QTemporaryDir dir;
    RecordingPrompter prompter;
    MemoryProfile* profile = nullptr;
    std::unique_ptr<CQuorApp> app;
};

// The command item of a menu (submenus searched too) whose text, without its mnemonic and
// key, is text.
inline QAction* FindAction(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            if (QAction* inner = FindAction(a->menu(), text))
                return inner;
        } else if (QString(a->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) == text) {
            return a;
        }
    }
    return nullptr;
}

} // namespace velto::test
