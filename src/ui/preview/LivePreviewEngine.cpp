// Loading the WebEngine module of the live preview on first use.
#include "ui/preview/LivePreviewEngine.h"

#include "ui/preview/LivePreviewView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QtGui/private/qopenglcontext_p.h>

#include <unistd.h>

namespace velto {

namespace {
const QString ModuleName = QStringLiteral("velto-webengine.so");

QStringList ModuleCandidates() {
    const QString override = qEnvironmentVariable("VELTO_WEBENGINE_MODULE");
    if (!override.isEmpty())
        return {override};
    const QString here = QCoreApplication::applicationDirPath();
    return {here + QLatin1Char('/') + ModuleName,
            here + QStringLiteral("/../" VELTO_MODULE_INSTALL_DIR "/") + ModuleName};
}

struct Loaded {
    bool tried = false;
    CreateLivePreviewViewFunction create = nullptr;
    WebEngineVersionFunction version = nullptr;
    QString error;
};

Loaded& State() {
    static Loaded loaded;
    return loaded;
}

// What Qt does at start-up for an application that links the engine, done at first use:
// the OpenGL contexts shared, and the share context the engine's compositor draws with.
// Made at start-up it would cost every run a context (on this kind of machine half a
// second and 60 MB under a software renderer) whether or not the pane is ever shown.
// Sharing applies to contexts made later, and the editor has made none before this.
void PrepareOpenGL() {
    if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts)) {
        // Qt warns that the attribute belongs before the application: see above.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        qInstallMessageHandler(previous);
    }
    if (!qt_gl_global_share_context()) {
        // Kept even when no context can be made (no OpenGL): the engine then draws in
        // software, as it does for an application started so.
        auto* context = new QOpenGLContext(QCoreApplication::instance());
        context->setFormat(QSurfaceFormat::defaultFormat());
        context->create();
        qt_gl_set_global_share_context(context);
    }
}

Loaded& Module() {
    Loaded& loaded = State();
    if (loaded.tried)
        return loaded;
    loaded.tried = true;
    const QByteArray flags = EngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), geteuid() == 0);
    if (!flags.isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    PrepareOpenGL();
    QStringList tried;
    for (const QString& path : ModuleCandidates()) {
        if (!QFileInfo::exists(path)) {
            tried << path;
            continue;
        }
        QLibrary library(path); // never unloaded: the pane's objects live until exit
        library.setLoadHints(QLibrary::ExportExternalSymbolsHint);
        loaded.create = reinterpret_cast<CreateLivePreviewViewFunction>(library.resolve(CreateLivePreviewViewSymbol));
        loaded.version = reinterpret_cast<WebEngineVersionFunction>(library.resolve(WebEngineVersionSymbol));
        if (loaded.create)
            return loaded;
        loaded.error = library.errorString();
        return loaded;
    }
    loaded.error = QStringLiteral("The module %1 was not found (looked for %2).").arg(ModuleName, tried.join(", "));
    return loaded;
}
} // namespace

QString LoadedWebEngineVersion() {
    const Loaded& loaded = State();
    return loaded.create && loaded.version ? QString::fromUtf8(loaded.version()) : QString();
}

QByteArray EngineFlags(const QByteArray& userFlags, bool root) {
    if (!root || userFlags.split(' ').contains("--no-sandbox"))
        return userFlags;
    return userFlags.isEmpty() ? QByteArray("--no-sandbox") : userFlags + " --no-sandbox";
}

LivePreviewView* CreateLivePreviewView(QWidget* parent, QString& error) {
    Loaded& module = Module();
    if (!module.create) {
        error = module.error;
        return nullptr;
    }
    LivePreviewView* view = module.create(parent, &error);
    if (!view && error.isEmpty())
        error = QStringLiteral("The page view could not be made.");
    return view;
}

} // namespace velto
