// The enabled rules and handlers that the subsystems' commands share.
#pragma once

#include <functional>

namespace velto {

class CMainFrame;
class CQuorView;

// Enabled while a document is active.
std::function<bool()> WhenView(CMainFrame& frame);
// Enabled while the active view has a selection.
std::function<bool()> WhenSelection(CMainFrame& frame);
// Enabled while any document is open.
std::function<bool()> WhenDocuments(CMainFrame& frame);
// Runs a command of the active view when there is one.
std::function<void()> OnView(CMainFrame& frame, void (CQuorView::*command)());

} // namespace velto
