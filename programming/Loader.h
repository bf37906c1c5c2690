#pragma once
// The radio memory transfer: "Radio to PC" fills a group from the radio, "PC to Radio" writes a
// group into it. Made on the caller's stack for one transfer. A rig is used by one transfer at a
// time: a second one on it is refused as busy.
//
// The command families talk to the radio through the transaction layer: one text command at a
// time, handed to the engine, waited for in a nested message loop that keeps the windows alive,
// its reply checked and every failure shown in one fixed box. A transaction answers 0 (done),
// 1 (stopped: Stop was pressed, the program is quitting, or the user aborted a list) or -1
// (failed, already reported).
#include "platform/afx/CString.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/Parm.h"
#include "platform/win/WinTypes.h"
#include "programming/LoadBankDlg.h"
#include "programming/LoadProgressDlg.h"
#include "programming/PacedRetry.h"
#include "programming/TransferFamilies.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Bank;
class Chan;
class CObjectDoc;
class CRig;
class CWnd;
class Group;
class Object;
class Radio;
class RadioSettingsRecord;
class UserIdEntry;
struct TransferCursor;
namespace TrunkCommandCodec {
struct TrunkModel63;
}

class CLoader {
public:
    // What differs between the two directions.
    struct Way;

    // Every transfer error report names this source; its box shows "Load".
    static constexpr LPCSTR kSourcePath = "programming/Load.cpp";
    static constexpr std::uint32_t kReplyTimeoutMs = 5000;
    // WaitReply: the time ran out; Stop was pressed or the program is quitting.
    static constexpr std::uint16_t kStatusTimeout = 0x9800;
    static constexpr std::uint16_t kStatusStopped = 0xFFFF;
    // Commands are cut to this many characters.
    static constexpr std::size_t kCommandLimit = 511;

    CLoader();
    ~CLoader();
    CLoader(const CLoader&) = delete;
    CLoader& operator=(const CLoader&) = delete;

    void Upload(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent);
    void Download(Object* group, CRig* rig, CObjectDoc* doc, CWnd* parent);

    // Whether a transfer is using the rig now.
    static bool InTransfer(const CRig* rig);

    // Fills the cursor for the whole radio (or the memories selected in the group) and asks the
    // user what to move: 0 go on; 1 or -1 the transfer ends quietly.
    int PrepareTransfer(HWND owner, TransferCursor& cursor, Object* root);
    // The radio's memory number of a bank and channel.
    static std::uint16_t MemoryNumber(std::uint8_t rootType, const Radio& radio, std::uint16_t bank,
                                      std::uint16_t channel);
    // One memory further: 0 while the transfer goes on, 255 when it is through.
    int StepProgress(TransferCursor& cursor);
    // The group's channel the cursor's memory goes to or comes from, the scratch channel, or
    // none when the transfer ends. Reading adds the banks and channels the group lacks.
    Chan* LocateRecord(Object* root, TransferCursor& cursor);

    // Transactions.
    void AppendCommand(LPCSTR text);
    int SendCommand(LPCSTR text, int ref, CLoadProgressDlg* dialog);
    int Transact(int ref, CLoadProgressDlg* dialog);
    // 0 once the device is idle, kStatusTimeout, kStatusStopped, or the failing status read.
    std::uint16_t WaitReply(std::uint32_t limit, CLoadProgressDlg* dialog);
    void ReportTransferError(LPCSTR source, int ref);
    // List A: each command of the list, each tried up to ten times with growing pauses. 0 when
    // all went through, 1 when one was given up or the transfer stopped. The list is used up.
    int SendCommands(int ref, std::string& list, CLoadProgressDlg* dialog);
    int SendCommandList(int ref, LPCSTR text, CLoadProgressDlg* dialog);
    // List B: failures counted over the whole list; after the twelfth the user chooses Abort,
    // Retry or Ignore. 0 when all went through or the rest was ignored, else 1.
    int SendCommandsChecked(int ref, const std::string& list, CLoadProgressDlg* dialog);
    int SendCommandsChecked(int ref, LPCSTR text, CLoadProgressDlg* dialog);
    // -1 Retry, 0 Ignore; Abort marks the transfer aborted and answers 1.
    int AskAbortRetryIgnore(LPCSTR source, int ref);
    // The families' erase before writing ("AC"): the erased flag is set only when the radio took
    // the erase, answered it and finished within `waitMs`. False when Stop was pressed meanwhile.
    bool EraseRadio(std::uint32_t waitMs, CLoadProgressDlg* dialog);

    // Whether the transfer is to end: Stop pressed in the progress dialog, or aborted.
    bool Stopped() const { return m_aborted || m_progress.Aborted(); }
    // The reply of the last transaction, within its field.
    std::string Reply() const;

    CRig* m_rig = nullptr;
    std::unique_ptr<Radio> m_radio;
    CObjectDoc* m_document = nullptr;
    CWnd* m_owner = nullptr;
    Object* m_root = nullptr;
    hb::records::DeviceStatus m_device_status;
    std::string m_command;
    std::string m_last_command;
    std::string m_spare_text;
    std::uint32_t m_reply_timeout = kReplyTimeoutMs;
    std::uint16_t m_skip_until = 0;
    CLoadBankDlg m_bank_dialog;
    // The progress window of the transfer; the object lives as long as the loader.
    CLoadProgressDlg m_progress;
    bool m_erased = false;
    bool m_no_erase = false;
    bool m_rig_given = false;
    bool m_freq_mhz = true;
    bool m_skipping = false;
    // Set by Abort in list B, never cleared: nothing more is sent.
    bool m_aborted = false;

    // Radio type 43, the twenty-bank trunk scanner.
    // Each step answers 0 to go on, 1 when the family is to end (Stop, or a command given up).
    // Banks are named by their number on the radio, channels by their memory number.
    void DownloadType43(TransferCursor& cursor);
    void UploadType43(TransferCursor& cursor);
    int WriteBank43(Bank& bank, std::uint16_t number);
    // The channel into the memory, then its delay and lock-out. Always 0: a failure is reported
    // and passed over, and the caller looks for Stop.
    int WriteChannel43(const Chan& channel, std::uint16_t memory);
    int WriteTalkgroup43(UserIdEntry& entry, const Bank& bank, std::uint16_t number, unsigned slot);
    // The limits in order ("LL", "LU"); a range with a limit of 0 sends nothing. The range itself
    // is never changed.
    int WriteSearchLimits43(const Chan& range, unsigned number);
    // The limits, then the mode and step through the search menu.
    int WriteSearchRange43(const Chan& range, unsigned number);
    int ReadBank43(Bank& bank, std::uint16_t number);
    int ReadChannel43(Chan& channel, std::uint16_t memory);
    int ReadTalkgroup43(UserIdEntry& entry, const Bank& bank, std::uint16_t number, unsigned slot);
    int ReadSearchLimits43(Chan& range, unsigned number);
    int ReadSearchRange43(Chan& range, unsigned number);
    // One command tried up to ten times, with growing pauses and beeps, as list A tries each.
    RetryOutcome SendRetried43(const std::string& command, int ref);
    // Radio types 35 and 99; the routines answering int give 0 to go on, 1 to end the transfer.
    void DownloadType35(TransferCursor& cursor);
    int DownloadBank35(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int WriteChannel35(Chan& channel, CLoadProgressDlg* dialog);
    int WriteUserId35(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                      unsigned slot);
    int WriteSearchRange35(Chan& range, CLoadProgressDlg* dialog);
    void UploadType35(TransferCursor& cursor);
    int ReadBank35(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int ReadChannel35(Chan& channel, CLoadProgressDlg* dialog);
    int ReadSearchRange35(Chan& range, CLoadProgressDlg* dialog);
    int ReadUserId35(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog, unsigned slot);
    void DownloadType99(TransferCursor& cursor);
    int DownloadBank99(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int WriteChannel99(Chan& channel, CLoadProgressDlg* dialog);
    int WriteUserId99(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                      unsigned slot) {
        return WriteUserId35(entry, bank, dialog, slot);
    }
    void UploadType99(TransferCursor& cursor);
    int ReadBank99(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int ReadChannel99(Chan& channel, CLoadProgressDlg* dialog);
    int ReadUserId99(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog, unsigned slot);

    // ---- Trunk-tracking scanners of types 63, 64, 70, 71, 89, 90, 91 and 92.
    // The family's reader and writer as the driver calls them.
    void UploadType63(TransferCursor& cursor);
    void DownloadType63(TransferCursor& cursor);
    void UploadType63(Object* root, CLoadProgressDlg* dialog);
    void DownloadType63(Object* root, CLoadProgressDlg* dialog);
    // One bank, channel, ID or search range: 0 to go on, 1 to end the transfer.
    int DownloadBank63(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int WriteChannel63(Chan& channel, CLoadProgressDlg* dialog);
    int WriteUserId63(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                      unsigned slot);
    int WriteSearchRange63(Chan& range, CLoadProgressDlg* dialog);
    int ReadBank63(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int ReadChannel63(Chan& channel, CLoadProgressDlg* dialog);
    int ReadUserId63(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog, unsigned slot);
    int ReadSearchRange63(Chan& range, CLoadProgressDlg* dialog);
    // The model the device reports: its exit key kept in the spare text, the group given the
    // model's type, the transfer's radio object that of the type, "Settings"/"DefaultRadioType"
    // following it. False, with the engine's message 10 and nothing changed, for a model the
    // family does not know.
    bool TakeTrunkModel63(Object* root);
    // Opening commands, each on its own and whatever it gives; the closing list of the direction.
    void SendOpeningCommands63(CLoadProgressDlg* dialog);
    int SendClosingCommands63(bool reading, CLoadProgressDlg* dialog);
    // Presses "KEY07" until the highlighted display line begins with the text: 0 when it does, 1
    // when the search gave up (reported) or the transfer stopped.
    int WaitForDisplayText(LPCSTR text, int ref, CLoadProgressDlg* dialog);
    // Sends the keys (none when empty) and reads the four display lines: the offset of the
    // highlighted line in the display image (0, 32, 64 or 96), kNoHighlight when no line is
    // highlighted, -1 when a send failed or the transfer stopped.
    static constexpr int kNoHighlight = 256;
    int ReadDisplay(LPCSTR keys, int ref, CLoadProgressDlg* dialog);
    // Menu excursions. Into a menu by its keys, then, when given, by display search: 0 or 1.
    int OpenMenu63(const std::string& keys, LPCSTR searchText, int ref, CLoadProgressDlg* dialog);
    // Into the bank's end-code or EDACS ID-format menu, as the model reaches it.
    int OpenTrunkOption63(const Bank& bank, LPCSTR searchText, int ref, CLoadProgressDlg* dialog);
    // The keys that end an excursion, sent after `keys` in one list.
    int SendAndLeave63(const std::string& keys, int ref, CLoadProgressDlg* dialog);
    // The display read after `readKeys`, then the exit key: the first character of the highlighted
    // line, none when the transfer is to end.
    std::optional<char> ReadPositionAndLeave63(LPCSTR readKeys, int ref, CLoadProgressDlg* dialog);
    // The group's banks and search ranges as the radio numbers them: each is given its number
    // (from the first bank number, up to the radio's count), and every range and each chosen bank
    // goes to `step` until one answers 1, which the walk answers.
    int WalkBanks63(Group& group, const std::function<int(Bank&)>& step);
    int WalkSearchRanges63(Group& group, const std::function<int(Chan&)>& step);
    // A bank's channels given their memory numbers, and its ID entries with their slot indexes.
    int WalkChannels63(Bank& bank, const std::function<int(Chan&)>& step);
    int WalkUserIds63(const Bank& bank, const std::function<int(UserIdEntry&, unsigned)>& step);
    // What "Settings" moves: writing, the search ranges and the global settings of the record;
    // reading, the global settings (the ranges come first there).
    int WriteSettings63(Group& group, CLoadProgressDlg* dialog);
    int ReadSettings63(Group& group, CLoadProgressDlg* dialog);
    // A Type II bank's three band plans, by "BC" or from the display as the model shows them.
    int ReadBandPlans63(Bank& bank, std::uint8_t trunkCode, RadioSettingsRecord& record,
                        CLoadProgressDlg* dialog);
    // The tags of the chosen banks' ID lists, into the record.
    int ReadIdListTags63(Group& group, CLoadProgressDlg* dialog);
    // Line 1 to 4 of the radio's display, within its 32 bytes.
    std::string DisplayLine(std::size_t line) const;
    // The record the engine read from the last reply, and its name without the padding blanks.
    hb::records::Parm ReplyRecord() const;
    std::string ReplyName() const;
    // Whether the radio can hold the frequency: 0 (an empty channel) or one it covers.
    bool StorableFrequency(std::uint32_t hz) const;
    // The dialog a family step shows its progress in.
    CLoadProgressDlg& Progress(CLoadProgressDlg* dialog) { return dialog ? *dialog : m_progress; }

    const TrunkCommandCodec::TrunkModel63* m_trunk_model = nullptr;
    std::uint8_t m_model_variant = 0;

    // Radio type 17, the trunk scanner of ten scan lists programmed on its keypad.
    // Channels and search limits go as on type 43. A list's trunk system, fleet map and IDs exist
    // only in the radio's menus: they are typed key by key and read back slot by slot. Steps answer
    // 0 to go on, 1 when the family is to end.
    void DownloadType17(TransferCursor& cursor);
    void UploadType17(TransferCursor& cursor);
    int WriteBank17(Bank& bank, std::uint16_t number);
    // As WriteChannel43: always 0.
    int WriteChannel17(const Chan& channel, std::uint16_t memory);
    // The limits only.
    int WriteSearchRange17(const Chan& range, unsigned number);
    int ReadBank17(Bank& bank, std::uint16_t number);
    int ReadChannel17(Chan& channel, std::uint16_t memory);
    int ReadSearchRange17(Chan& range, unsigned number);
    // Brings the radio to the ID list of scan list `number`: 0 when it shows the list with the
    // cursor on its first slot, -1 when it could not be brought there (or Stop was pressed).
    int OpenIdList17(std::uint16_t number);
    // The trunk pass of either direction: the chosen banks among the first ten that hold trunk
    // frequencies, their trunk type made Type I or II, in turn; false from `visit` ends the pass.
    void ForEachTrunkList17(Group& group, const std::function<bool(Bank&, std::uint16_t)>& visit);
    void WriteTrunkList17(Bank& bank, std::uint16_t number);
    void EnterFleetMap17(const Bank& bank, std::uint16_t number);
    void TypeUserId17(UserIdEntry& entry, const Bank& bank, unsigned slot);
    // 0 when the next bank follows, 1 when the pass ends.
    int ReadIdList17(Bank& bank);

    // Radio types 45 and 51; the routines answering int give 0 to go on, 1 to end the transfer.
    void DownloadType45(TransferCursor& cursor);
    int DownloadBank45(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int WriteChannel45(Chan& channel, CLoadProgressDlg* dialog);
    int WriteUserId45(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog,
                      unsigned slot);
    int WriteSearchRange45(Chan& range, CLoadProgressDlg* dialog);
    void UploadType45(TransferCursor& cursor);
    int ReadBank45(Bank& bank, Object* root, CLoadProgressDlg* dialog);
    int ReadChannel45(Chan& channel, CLoadProgressDlg* dialog);
    int ReadSearchRange45(Chan& range, CLoadProgressDlg* dialog);
    int ReadUserId45(UserIdEntry& entry, const Bank& bank, CLoadProgressDlg* dialog, unsigned slot);

private:
    void Run(const Way& way, Object* root, CRig* rig, CObjectDoc* doc, CWnd* owner);
    // With the rig claimed: what to move asked, the device opened, the memories moved by the
    // family's step or the generic path, and the closing steps.
    void Transfer(const Way& way, TransferFamily::Step familyStep);
    // The rig to use, claimed for the owner; null when the transfer is refused or has none.
    CRig* ChooseRig(const Way& way, std::uint8_t type);
    void Release();
    // Types 42, 46, 62 and 75: the radio model moves the memory by its own means.
    void RunOwnTransfer(const Way& way);
    void ShowProgress(const Way& way);
    void ShowMemory(const TransferCursor& cursor, const std::string& name, std::uint32_t hz);
    // The bank's name, read or written once per bank; false when the transfer ends.
    bool TransferBankName(const Way& way, const TransferCursor& cursor, std::uint16_t& lastBank);
    void ReadMemories(const Way& way, TransferCursor& cursor);
    void WriteMemories(const Way& way, TransferCursor& cursor);
    // False after a failure, reported, or Stop.
    bool ReadMemory(hb::records::Parm& record);
    // The record written as its memory ("Write Channel") and the radio awaited; a failure is
    // reported with `writeRef` for the write or `waitRef` for the wait.
    enum class MemoryWrite { kWritten, kFailed, kStopped };
    MemoryWrite WriteMemory(const hb::records::Parm& record, int writeRef, int waitRef,
                            CLoadProgressDlg* dialog);
    void CloseTransfer(const Way& way, const TransferCursor& cursor);
    void Report(LPCSTR caption, int ref, std::uint16_t status);

    bool DialogStopped(const CLoadProgressDlg* dialog) const {
        return m_aborted || (dialog && dialog->Aborted());
    }
    CString RigName() const;
    // The box text: the failure, the reference, a file and what went to and came from the radio.
    std::string TransferErrorText(int ref, const std::string& file,
                                  const std::string& transmit) const;
    int ShowTransferBox(const std::string& text, UINT type) const;
};
