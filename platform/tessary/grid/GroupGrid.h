#pragma once
// The grid of a group window, one sheet per entry of the radio model's sheet list: "Banks" (Bank,
// Name, Channels), "Channels" with one row per channel of every bank, and for the models that
// keep them "User IDs" and "Search Ranges". Edits are checked against the radio model (coverage,
// modes, steps) before they reach the object; a refused edit leaves the object as it was. The
// group is a group document's, or the first entry's of a scan list shown as one group.
#include "platform/tessary/grid/Grid.h"
#include "platform/tessary/model/Object.h"

#include <functional>
#include <vector>

class Bank;
class Chan;
class Group;
class Range;
class UserIdEntry;

class CGroupGrid : public CGrid {
    DECLARE_DYNAMIC(CGroupGrid)

public:
    static constexpr int kBanksSheet = Object::kBanksSheet;
    static constexpr int kChannelsSheet = Object::kChannelsSheet;
    static constexpr int kUserIdsSheet = Object::kUserIdsSheet;
    static constexpr int kRangesSheet = Object::kRangesSheet;
    enum ChannelColumn {
        kBankColumn,
        kChannelColumn,
        kFrequencyColumn,
        kModeColumn,
        kStepColumn,
        kToneColumn,
        kDelayColumn,
        kAttColumn,
        kLockOutColumn,
        kNameColumn,
        kHitsColumn,
        kAirTimeColumn,
        kLastHitColumn,
        kChannelColumns
    };
    enum BankColumn { kBankNumberColumn, kBankNameColumn, kBankChannelsColumn, kBankColumns };
    enum UserIdColumn { kIdBankColumn, kIdColumn, kIdNameColumn, kIdLockOutColumn, kIdColumns };
    enum RangeColumn {
        kRangeNumberColumn,
        kRangeLowerColumn,
        kRangeUpperColumn,
        kRangeStepColumn,
        kRangeModeColumn,
        kRangeNameColumn,
        kRangeColumns
    };

    void SetupGrid() override;
    int FinishTextEdit(int col, long row, CWnd* edit, LPCSTR text, BOOL cancel) override;

    // The group window's operations. The element ones answer non-zero when done and 0 when
    // nothing of their kind is selected (merging: fewer than two banks).
    // Numbers the banks from `first` on, in their order.
    void Renumber(int first);
    // An empty channel (on the banks sheet a bank) before or after the current row.
    void InsertRow(BOOL before);
    // Sorts each bank's channels by frequency (kSortFrequency) or name (kSortName).
    void SortChannels(int key);
    int InsertBanks(BOOL before);
    int DeleteBanks();
    int DeleteChannels();
    int InsertUserIds(BOOL before);
    int InsertRanges(BOOL before);
    int DeleteUserIds();
    int DeleteRanges();
    int DuplicateBanks();
    int DuplicateChannels();
    int DuplicateUserIds();
    // The channels of every selected bank go to the first of them; the others are removed.
    int MergeBanks();

    static constexpr int kSortFrequency = 1001;
    static constexpr int kSortName = 1100;

    // The object's sheet made current, and the cell of column `col` in its row current, selected
    // and in view; false when no sheet shows the object.
    bool GotoObject(int col, Object* object);
    // The object's row shown again from the object.
    void RefreshObject(Object* object);

    Chan* ChannelAt(long row) const;
    Bank* BankAt(long row) const;
    UserIdEntry* UserIdAt(long row) const;
    Range* RangeAt(long row) const;

protected:
    Object* RowObject(long row) const override;

private:
    Group* GetGroup() const;
    // Where the object shows; false when no sheet shows it.
    bool FindObject(const Object& object, int& sheet, long& row) const;
    void FillRow(int sheet, long row);
    // The sheets of the radio's list, each filled from the group.
    void SetupSheets();
    void FillBankRow(long row);
    void FillChannelRow(long row);
    void FillUserIdRow(long row);
    void FillRangeRow(long row);
    // Each true when the object took the text.
    bool StoreChannelText(Chan& channel, int col, const CString& text);
    bool StoreUserIdText(UserIdEntry& entry, int col, const std::string& text);
    bool StoreRangeText(Range& range, int col, const std::string& text);
    void Changed(Object& object);
    // The rows of the sheet selected, when it is the current one.
    std::vector<long> SelectedRowsOf(int sheet) const;
    // After a change of the group's organisation: rebuilt, the document modified.
    void Reorganised();
    // Runs `edit` on the sheet's selected rows from the last one up, so that what it removes or
    // inserts behind a row leaves the rows above where they are, then reorganises; 0 with nothing
    // selected.
    int EditSelectedRows(int sheet, const std::function<void(std::size_t row)>& edit);

    std::vector<Bank*> m_banks;
    std::vector<Chan*> m_channels;
    std::vector<Bank*> m_channelBanks;
    std::vector<int> m_channelNumbers;
    std::vector<UserIdEntry*> m_userIds;
    std::vector<Bank*> m_userIdBanks;
    std::vector<Range*> m_ranges;
    // The bank of each range; none for a range beside the banks, in the group's extra list.
    std::vector<Bank*> m_rangeBanks;
    bool m_setUp = false;
};
