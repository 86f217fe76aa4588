// The Live Preview command: the pane made, with its engine, on first show.
#pragma once

namespace velto {

class CMainFrame;
class CommandTable;
class LivePreviewPane;

void RegisterLivePreviewCommands(CommandTable& table, CMainFrame& frame);
// The pane when it is made and shown (not hidden behind another dock's tab), or nullptr.
LivePreviewPane* ShownLivePreview(const CMainFrame& frame);

} // namespace velto
