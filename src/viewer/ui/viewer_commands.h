#pragma once
// The article viewer in the main window: the browser host in the right
// panel, opening articles from the tree, the start page, and the browser
// commands acBack, acForward (with their history menus), acStop,
// acRefresh, acBlank and acGoAddress.

namespace lrv {

class TfmLrvMain;

namespace viewer {
class BrowserHost;
}

// Runs from the window's constructor, before the menus are filled.
void InstallViewerCommands(TfmLrvMain& window);

// The note panel under the browser and the note commands (acNoteAdd,
// acNoteSave, acNoteLoad, acNoteDelete, acNoteLockPanel, acDelAllNotes);
// the viewer's installer runs it.
void InstallNoteCommands(TfmLrvMain& window, viewer::BrowserHost& host);

}  // namespace lrv
