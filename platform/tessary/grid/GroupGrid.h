#pragma once
// The grid of a group window: a "Banks" sheet (Bank, Name, Channels) and a "Channels" sheet with
// one row per channel of every bank. Edits are checked against the radio model (coverage, modes,
// steps) before they reach the channel; a refused edit leaves the channel as it was.
#include "platform/tessary/grid/Grid.h"
#include "platform/tessary/model/Object.h"

#include <vector>

class Bank;
class Chan;
class Group;

class CGroupGrid : public CGrid {
    DECLARE_DYNAMIC(CGroupGrid)

public:
    static constexpr int kBanksSheet = Object::kBanksSheet;
    static constexpr int kChannelsSheet = Object::kChannelsSheet;
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
    int DuplicateBanks();
    int DuplicateChannels();
    // The channels of every selected bank go to the first of them; the others are removed.
    int MergeBanks();

    static constexpr int kSortFrequency = 1001;
    static constexpr int kSortName = 1100;

    Chan* ChannelAt(long row) const;
    Bank* BankAt(long row) const;

protected:
    Object* RowObject(long row) const override;

private:
    Group* GetGroup() const;
    void FillBankRow(long row);
    void FillChannelRow(long row);
    // True when the channel took the text.
    bool StoreChannelText(Chan& channel, int col, const CString& text);
    void Changed(Object& object);
    // The rows of the sheet selected, when it is the current one.
    std::vector<long> SelectedRowsOf(int sheet) const;
    // After a change of the group's organisation: rebuilt, the document modified.
    void Reorganised();

    std::vector<Bank*> m_banks;
    std::vector<Chan*> m_channels;
    std::vector<Bank*> m_channelBanks;
    std::vector<int> m_channelNumbers;
    bool m_setUp = false;
};
