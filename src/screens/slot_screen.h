// The load and save screens: one gallery over the 60 save slots
// "UserData/Play%04d.dat" (entry i is slot i + 1), whose panels show what
// "System/Save.def" says of each slot's caption. Choosing an entry asks for
// confirmation; "Yes" loads the slot into the running game and returns
// "LoadGame" (load screen), or saves the game into the slot and flashes its
// panel (save screen). The two screens differ only in the row of
// SlotScreenKind they are made with.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/save_data.h"
#include "screens/gallery_screen.h"
#include "screens/save_def.h"

// Where the load and save screens differ.
struct SlotScreenKind {
    const char* titleImage;
    const char* selectEvent;
    // The confirmation looks up the chosen slot's caption (load) or the
    // caption of the game to be saved (save).
    bool keyFromChosenSlot;
    int commentY;
    bool showsDate;
    bool loads;
    bool onlyExistingSlots;
    int module;
    int placeSaveDefMissing;
    int placeRepeatedKey;
    int placeNoSelection;
    int placeSlotFailed;
};

extern const SlotScreenKind kLoadScreenKind;
extern const SlotScreenKind kSaveScreenKind;

// One save slot as the scan found it.
struct SaveSlotRecord {
    std::string fileName;
    std::string caption;
    SaveStamp stamp;
    bool exists = false;
    bool marked = false;  // the saved game's variable 116 is 1
};

class CSlotScreen : public CGalleryScreen {
public:
    // The saved game's variable that marks a slot when it is 1.
    static constexpr int kMarkVariable = 116;

    // State 7: "Yes" confirms and "No" cancels; everything else as the
    // gallery.
    void OnEvent(std::string name) override;
    // A right click in state 7 cancels like "No".
    int HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The slot scan, then the descriptions.
    void PrepareEntries() override;
    // The highlight, the confirmation's event, then its thumbnail and texts
    // when the key has a description.
    void SelectEntry(int32_t entry) override;
    void SelectProjector() override;
    std::string GetPanelImage(int32_t entry) override;
    std::string GetThumbnailImage(int32_t entry) override;
    std::string GetPanelText(int32_t entry) override;
    std::string GetBalloonText(int32_t entry) override;
    std::string GetBalloonLogoImage(int32_t entry) override;
    bool IsEntryEnabled(int32_t entry) override;

    const SaveSlotRecord& GetRecord(int32_t entry) const { return records_[entry]; }
    int32_t GetSelected() const { return selected_; }

protected:
    explicit CSlotScreen(const SlotScreenKind& kind);

private:
    // The description of an existing slot's caption, or null.
    const SaveDefEntry* DescriptionOf(int32_t entry) const;
    // The description text and the stamp's date, with the time when asked.
    std::string DescribedText(int32_t entry, bool withTime) const;
    void Confirm();
    void Cancel();

    const SlotScreenKind& kind_;
    std::array<SaveSlotRecord, kSlotTableSize> records_;
    SaveDefTable descriptions_;
    int32_t selected_ = -1;
    int32_t stateBefore_ = 0;
};

class CLoadScreen : public CSlotScreen {
public:
    CLoadScreen();
};

class CSaveScreen : public CSlotScreen {
public:
    CSaveScreen();
};
