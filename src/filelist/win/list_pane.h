#pragma once
// The list's view state and its input: cursor, restore requests, the pending
// header click, the rubber band and the drag arming. Keys and mouse messages
// are turned into cursor moves, selection toggles or posted command ids; the
// commands themselves run elsewhere.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "filelist/folder_listing.h"
#include "filelist/key_table.h"
#include "filelist/list_cursor.h"
#include "filelist/list_geometry.h"
#include "filelist/rubber_band.h"
#include "platform/gdi_draw.h"
#include "shell/list_metrics.h"

namespace tarvelo::filelist::win {

enum class DragState { Idle, Pressed, Band, ArmedByKey, AfterDrag };

// What the window must do after an input message the pane handled.
struct InputResult {
    bool consumed = false;
    bool repaint = false;
    int postCommand = 0;          // command id to post, 0 none
    KeyAction special = KeyAction::NotHandled;  // actions the window carries out itself
    bool startDrag = false;       // a drag-and-drop out of the list should start now
    bool openEntry = false;       // Enter / double click on the cursor entry
    bool doubleClick = false;
    bool contextMenuRow = false;  // a right press moved the cursor
    bool previewEntry = false;    // middle release on a file
};

class ListPane {
public:
    ListCursor cursor;
    int pendingTop = -1;
    int pendingRow = -1;
    shell::ListMetrics metrics;
    int dpi = 96;

    // Header click waiting for the next paint.
    bool headerClickPending = false;
    POINT headerClickPoint{};
    std::vector<shell::PixelRect> headerCells;  // from the last paint

    DragState dragState = DragState::Idle;
    bool dragArmed = false;
    POINT pressPoint{};
    BandRect band;
    bool bandVisible = false;

    POINT pointer{-1, -1};  // last pointer position over the pane

    platform::BackBuffer buffer;

    // Recomputes metrics and the back buffer for the pane's client size.
    void layout(int width, int height, shell::ListView view, int lineHeight, int fontSize, int newDpi);

    // Before a paint of a complete listing: the pending header click
    // (sorting), the restore requests, the parent entry's marks.
    void beforePaint(FolderListing& listing, shell::ListView view);

    // Keys (already looked up in the key table and past their guards).
    InputResult applyKey(const KeyBinding& binding, FolderListing& listing, shell::ListView view);

    // Mouse, in pane coordinates. `complete`/`idle` are the guards.
    InputResult leftPress(POINT pt, bool shift, bool ctrl, FolderListing& listing, bool idleAndComplete);
    InputResult pointerMove(POINT pt, FolderListing& listing);
    InputResult leftRelease(POINT pt, FolderListing& listing);
    InputResult doubleClick(POINT pt, bool shift, bool ctrl, FolderListing& listing, bool idleAndComplete);
    InputResult rightPress(POINT pt, bool ctrl, FolderListing& listing, bool idleAndComplete);
    InputResult middleRelease(POINT pt, FolderListing& listing, bool idleAndComplete);

    // A scroll-bar action or anything else that cancels a band or a drag.
    void cancelBandAndDrag(FolderListing& listing);
    // Resets drag, band and capture state (guarded commands do this).
    void resetInteraction(FolderListing& listing);

    // The display row under a point, or -1.
    int rowAt(POINT pt, int count) const;
    bool inHeader(POINT pt) const;

private:
    void updateBandMarks(FolderListing& listing);
};

}  // namespace tarvelo::filelist::win
