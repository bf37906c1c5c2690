#pragma once
// The grid of a group window: a "Banks" sheet (Bank, Name, Channels) and a "Channels" sheet with
// one row per channel of every bank. Edits are checked against the radio model (coverage, modes,
// steps) before they reach the channel; a refused edit leaves the channel as it was.
#include "platform/tessary/grid/Grid.h"

#include <vector>

class Bank;
class Object;
class Chan;
class Group;

class CGroupGrid : public CGrid {
    DECLARE_DYNAMIC(CGroupGrid)

public:
    static constexpr int kBanksSheet = 0;
    static constexpr int kChannelsSheet = 1;
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

    Chan* ChannelAt(long row) const;
    Bank* BankAt(long row) const;

private:
    Group* GetGroup() const;
    void FillBankRow(long row);
    void FillChannelRow(long row);
    // True when the channel took the text.
    bool StoreChannelText(Chan& channel, int col, const CString& text);
    void Changed(Object& object);

    std::vector<Bank*> m_banks;
    std::vector<Chan*> m_channels;
    std::vector<Bank*> m_channelBanks;
    std::vector<int> m_channelNumbers;
};
