// The common base of the load and save screens: the 60 save entries as
// panels on three pages of 5 x 4 places, which the player rearranges by
// dragging and parks on a side strip (the pad). The arrangement is the slot
// table, kept in its file. The screen runs "System/Gallery.txt" for its
// decoration and its event pages, builds its panels natively, hears its
// panel buttons as their listener and hands the choice of an entry to the
// screen derived from it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "scene/button_listener.h"
#include "screens/slot_table.h"
#include "screens/slot_table_file.h"
#include "script/scene.h"

class CNode;

// What the screen is doing.
enum GalleryState : int32_t {
    kGalleryNotOpened = 0,
    kGalleryBusy = 1,          // an event page runs; the pending state follows
    kGalleryReady = 2,
    kGalleryDragging = 3,
    kGalleryLeaving = 4,       // the screen returns to the scene below
    kGallerySavingNotice = 5,  // "BeginCaution_TableSaving" shown
    kGalleryAskSave = 6,       // "BeginCaution_TableNoSave" shown, Yes or No awaited
    kGalleryConfirm = 7,       // a derived screen's confirmation
};

// The first word a panel button hands its listener.
enum PanelKind : int32_t {
    kPanelBody = 1,   // "Data%02d"
    kPanelFrame = 2,  // "Data%02d/Frame", the drag handle
    kPanelThumb = 3,  // "Data%02d/Thumb", the choice
    kPanelWork = 4,   // "Work%04d", a dragged or parked panel
};

class CGalleryScreen : public CScene, public CButtonListener {
public:
    static constexpr const char* kScriptFile = "System/Gallery.txt";

    // Every place empty, not opened.
    CGalleryScreen();
    ~CGalleryScreen() override;

    // Before the scene's: drags follow the cursor and end on the left
    // button's release; a click or key ends the saving notice, and the right
    // button or a key answers No to the question on leaving.
    int HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The scene's frame, then the end of an event page that has finished.
    void Update(int ms) override;
    // A held capture is released before the scene closes.
    void Close() override;
    // The named messages of the buttons and of "System" in the script.
    void OnEvent(std::string name) override;
    // The opening: the entries, the slot table, "Main" of the script, the
    // tabs, buttons and pad, and the first page.
    void StartMain() override;

    // The screen's own operations, in the order the derived screens see them.
    virtual void SetState(int32_t state);
    virtual void PrepareEntries() = 0;
    virtual void CompleteTable();
    virtual void SelectEntry(int32_t entry) = 0;
    virtual void SelectProjector() = 0;
    virtual std::string GetPanelImage(int32_t entry) = 0;
    virtual std::string GetThumbnailImage(int32_t entry) = 0;
    virtual std::string GetPanelText(int32_t entry) = 0;
    virtual std::string GetBalloonText(int32_t entry) = 0;
    virtual std::string GetBalloonLogoImage(int32_t entry) = 0;
    virtual bool IsEntryEnabled(int32_t entry) = 0;
    virtual std::string GetTotalText();

    // CButtonListener: the words are (PanelKind, place or work-panel
    // number, 0). Hover, outside and down act; the others do nothing.
    void OnCreate(int32_t kind, int32_t index, uint32_t extra) override;
    void OnDestroy(int32_t kind, int32_t index, uint32_t extra) override;
    void OnEnable(int32_t kind, int32_t index, uint32_t extra) override;
    void OnDisable(int32_t kind, int32_t index, uint32_t extra) override;
    void OnHover(int32_t kind, int32_t index, uint32_t extra) override;
    void OnOutside(int32_t kind, int32_t index, uint32_t extra) override;
    void OnDown(int32_t kind, int32_t index, uint32_t extra) override;
    void OnUp(int32_t kind, int32_t index, uint32_t extra) override;
    void OnPress(int32_t kind, int32_t index, uint32_t extra) override;
    void OnRelease(int32_t kind, int32_t index, uint32_t extra) override;

    // Runs the script's page of that name at once; while it has not ended
    // the screen is busy and the next state waits for it. An event raised
    // while another runs is dropped; a missing page changes the state at
    // once.
    void RaiseEvent(int32_t next, const std::string& page);
    // Shows page p (0..2): its title, its tab in front and its panels.
    void SelectPage(int32_t page);
    // The panel "Data%02d" of the place in column and row with the entry.
    void BuildPanel(int32_t column, int32_t row, int32_t entry);
    // Rebuilds the entry's panel on the current page and flashes it.
    void RefreshEntry(int32_t entry);

    int32_t GetState() const { return state_; }
    int32_t GetCurrentPage() const { return currentPage_; }
    int32_t GetHighlighted() const { return highlighted_; }
    const SlotTable& GetTable() const { return table_; }
    const SlotTable& GetTableCopy() const { return tableCopy_; }
    bool IsEventRunning() const { return eventLatch_; }

    // The pad's area and a place's square, in screen pixels.
    static bool IsInPad(int x, int y);
    static RECT PlaceSquare(int32_t place);
    // Where "Data%02d" of a place stands.
    static POINT PanelPosition(int32_t place);

protected:
    // Set by the derived screen's constructor.
    std::string pageTitles_[3];
    std::string titleImage_;
    bool projectorShown_ = false;
    bool totalShown_ = false;
    bool waveMarks_ = true;
    int32_t pageCount_ = 3;
    SlotTableFile tableFile_;
    SlotTable table_;
    SlotTable tableCopy_;
    int32_t nextWorkNumber_ = 100;
    int32_t state_ = kGalleryNotOpened;
    int32_t currentPage_ = -1;
    bool eventLatch_ = false;
    int32_t pendingState_ = 0;
    int32_t highlighted_ = -1;

    // Every "*/Wave" hidden, then the one of the entry's place on the
    // current page shown.
    void MoveHighlight(int32_t entry);
    // The entry at place 0..19 of the current page, -1 when empty.
    int32_t EntryAtPlace(int32_t place) const;

private:
    // The dragged panel and where it came from.
    struct DragRecord {
        CNode* node = nullptr;
        int32_t number = -1;
        int32_t origin = 0;  // kFromPlace or kFromPad
        int32_t place = -1;
        int32_t startX = 0;
        int32_t startY = 0;
        int32_t grabX = 0;
        int32_t grabY = 0;
    };
    static constexpr int32_t kFromPlace = 1;
    static constexpr int32_t kFromPad = 4;

    void Build();
    void RequestPanels(const char* message);
    void WriteTableNow();
    void HandleReadyEvent(const std::string& name);
    // Mouse capture, the pad disabled, "OnDrag".
    void BeginDrag();
    void PickUpFromPlace(int32_t place);
    void PickUpFromPad(int32_t number);
    // The grab offset and the 0 ms move, common to both pick-ups.
    void HoldDragged(CNode* node);
    void Drop();
    void PlaceInto(int32_t place);
    void FlyBack();
    void MoveDraggedToCursor();
    // The panel's balloon "Info%02d" shown on hover.
    void ShowBalloon(int32_t place);
    void RemoveBalloon(int32_t place);
    // The pictures and texts of a panel under node, at the places the
    // panel and its work copy share.
    void AddPanelTexts(CNode* node, int32_t entry);
    void AddWave(CNode* node, int32_t entry);
    // The entry a work panel carries, -1 when the number is unknown.
    int32_t WorkEntry(int32_t number) const;

    DragRecord drag_;
    // Work-panel number to the entry it carries.
    std::map<int32_t, int32_t> workEntries_;
};
