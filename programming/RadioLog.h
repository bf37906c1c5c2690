#pragma once
// The activity log of a radio window (dialog 1609) or a band scope (1623): each logged
// transmission becomes a fixed-width line of the day's text file, a line of its comma-separated
// file and, while the database is on, a record of the table. The base owns the files, the table
// and the run; this class writes the lines and checks the table's organisation when one opens.

#include "platform/afx/CString.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/records/HistoryRecord.h"
#include "platform/tessary/app/Log.h"

#include <array>
#include <cstdint>
#include <vector>

class CRig;

class CRadioLog : public CLog {
public:
    static constexpr UINT kDialogId = 1609;
    static constexpr std::size_t kFieldCount = 21;
    static constexpr std::size_t kShortFieldCount = 16;
    // One dBASE field descriptor: name padded with zero bytes to 11, type letter, 4 reserved
    // bytes, length, decimal count, 14 reserved bytes.
    using FieldDescriptor = std::array<std::uint8_t, 32>;
    static const std::array<FieldDescriptor, kFieldCount> LogFieldTable;

    explicit CRadioLog(UINT nIDTemplate = kDialogId, CWnd* pParentWnd = nullptr);
    // A log still running is stopped first.
    ~CRadioLog() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void CheckDatabaseFields() override;
    int OffersDatabase() override;
    // One logged transmission of the rig; the record is only read.
    void LogRecord(CString label, CRig* rig, const HistoryRecord* record, CString name) override;
    void WriteTextLine(CString label, CRig* rig, const HistoryRecord* record,
                       CString name) override;
    void WriteCsvLine(CString label, CRig* rig, const HistoryRecord* record, CString name) override;
    // The long organisation, character fields with 0 decimals.
    std::vector<DbaseField> DatabaseFields() const override;

    DECLARE_MESSAGE_MAP()

private:
    void WriteDbaseRecord(const CString& label, CRig* rig, const HistoryRecord* record,
                          const CString& name);

    CiLabelX m_label;
};
