// Loading the WebEngine module of the live preview on first use: found beside the
// executable (or where it is installed), never linked, so the editor starts without it.
#pragma once

#include <QString>

class QWidget;

namespace velto {

class LivePreviewView;

// A new page view, or nullptr with the reason (no module, no engine); once the module
// has failed to load, it is not tried again in this run.
LivePreviewView* CreateLivePreviewView(QWidget* parent, QString& error);

// The engine's version when its module has been loaded in this run, else an empty text
// (asking never loads it).
[[nodiscard]] QString LoadedWebEngineVersion();

// The Chromium flags the engine starts with: "--no-sandbox" added for root, whose
// processes Chromium's sandbox refuses to run; the user's own flags are kept.
[[nodiscard]] QByteArray EngineFlags(const QByteArray& userFlags, bool root);

} // namespace velto
