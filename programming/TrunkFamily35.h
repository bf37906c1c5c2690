#pragma once
// What the transfers of the type-35 family share with those of the families built on it (types 45,
// 51 and 99): where the group's banks, channels and user IDs go on the radio, the erase before
// writing, one command with the family's paced retry, and a memory and an ID slot read back.
#include "platform/records/Parm.h"
#include "programming/PacedRetry.h"
#include "programming/TrunkCommandCodec.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Bank;
class Chan;
class CLoader;
class CLoadProgressDlg;
class Group;
class Radio;
class UserIdEntry;

namespace TrunkFamily35 {

// ---- A transfer as a whole.
// How a family erases the radio before writing: how long the radio may take, whether the loader's
// no-erase flag keeps the memory, and the status line shown meanwhile (none when null).
struct EraseRule {
    std::uint32_t waitMs = 10000;
    bool keptByNoErase = true;
    const char* statusLine = "Erasing Radio Memory";
};
// The commands that open and close a transfer, each list sent as list A: a failure of the opening
// ends the transfer, one of the closing skips the rest of it. The closing uses ref + 1.
struct Framing {
    const char* opening;
    const char* closing;
    int ref;
    EraseRule erase{};
};
// PC to Radio: nothing when the radio refuses the group; else the erase, the opening, `write`
// (false when it ended the transfer) and the closing.
void Download(CLoader& loader, const Framing& framing, const std::function<bool(Group&)>& write);
// Radio to PC: nothing when the radio refuses the group; else the opening, `read` (false when it
// ended the transfer) and the closing, and the document is marked changed.
void Upload(CLoader& loader, const Framing& framing, const std::function<bool(Group&)>& read);
// `step` for each of the chosen banks (below) in turn; false when one answered 1.
bool EachChosenBank(const CLoader& loader, Group& group, const std::function<int(Bank&)>& step);

// The group's banks the user chose in the transfer's bank dialog, no more than the radio has, each
// numbered as the radio numbers it: the n-th bank of the group (from 0) is the radio's first bank
// number + n, and box n of the dialog selects it.
std::vector<Bank*> SelectedBanks(const CLoader& loader, Group& group);

// Visits the bank's channels in list order, no more than the radio's channels a bank, each after
// its memory number (the bank's first memory + its place in the list) is stored in its record.
// With `skipEmpty` a channel without a frequency is passed over; it keeps its memory all the same.
// The first answer of `visit` that is not 0 ends the walk and is returned.
int WalkBankChannels(Bank& bank, const Radio& radio, bool skipEmpty,
                     const std::function<int(Chan&)>& visit);
// Visits the bank's user-ID entries in list order with their slot index from 0, no more than the
// radio's IDs a bank. With `skipEmpty` an entry whose ID value and flags are 0 is passed over; its
// slot still counts. Ends as the channel walk.
int WalkBankUserIds(Bank& bank, const Radio& radio, bool skipEmpty,
                    const std::function<int(UserIdEntry&, unsigned slot)>& visit);

// Visits the group's search ranges (its extra objects of the range and stand-alone channel kinds)
// in list order, no more than the radio has, each after its number (the radio's first bank number
// + its place) is stored in its record. Ends as the channel walk.
int WalkSearchRanges(Group& group, const Radio& radio, const std::function<int(Chan&)>& visit);

// Erases the radio's memory before writing when none of it is to be kept: Settings and all ten
// banks A to J checked in the bank dialog (and the no-erase flag clear, where the rule says so).
// The erased flag is set only when the radio took "AC", answered it and finished. False when Stop
// ended the wait: the transfer ends.
bool EraseBeforeWriting(CLoader& loader, CLoadProgressDlg* dialog, const EraseRule& rule);

// One command tried up to ten times, with pauses of 20 ms more before each try and by default a
// beep after each failed try but the first.
RetryOutcome SendPaced(CLoader& loader, const std::string& command, int ref,
                       CLoadProgressDlg* dialog, RetryBeep beep = RetryBeep::AfterLaterFailures);

// One command tried up to ten times without pauses, with a beep after each failed try but the
// first; `succeeded` judges each try's result (by default, a result of 0 is done).
RetryOutcome SendRepeated(CLoader& loader, const std::string& command, int ref,
                          CLoadProgressDlg* dialog,
                          const std::function<bool(int result)>& succeeded = {});
// A channel's lock-out "LO%c" (N for on), tried as SendRepeated; a lock-out the radio refuses
// counts as done where the device says so.
RetryOutcome SendLockOut(CLoader& loader, bool on, int ref, CLoadProgressDlg* dialog);

// A channel written: item field its memory, value field its frequency; `programme` (selecting the
// memory and writing it, answering as a transaction) tried up to ten times without pauses, with a
// beep before each try but the first; then, for a channel with a frequency, its switches (below).
// 1 when the transfer is to end.
int WriteChannel(CLoader& loader, const hb::records::Parm& record, CLoadProgressDlg* dialog,
                 const std::function<int()>& programme, int switchRef, bool attenuator);
// A written channel's switches, each tried up to ten times without pauses and with a beep after
// each failed try but the first: "LO%c" (a lock-out the radio refuses counts as done where the
// device says so), "DL%c" and, with `attenuator`, "AT%c"; N for on. The switches use the refs
// from `ref` on. 1 when one was given up or Stop was pressed.
int WriteChannelSwitches(CLoader& loader, const hb::records::Parm& record, CLoadProgressDlg* dialog,
                         int ref, bool attenuator);

// The search range's limits to send, lower first, put in that order in the range when it holds
// them the other way round; none, and the range left as it is, while either limit is 0.
struct Limits {
    std::uint32_t lower;
    std::uint32_t upper;
};
std::optional<Limits> LimitsToSend(Chan& range);

// ---- Reading.
// The trunk type a code the radio reported stands for, with its Type II variant; a bank of a code
// that stands for none has no trunking.
void TakeTrunkType(Bank& bank, const std::optional<TrunkCommandCodec::BankTrunkType>& trunkType);
enum class Recall { kEnded, kEmpty, kHeld };
// The channel as the radio answers "MA" for its memory (paced retry), its memory number kept:
// kHeld when the memory holds a frequency, kEmpty when it is empty (the channel is reset), kEnded
// when the radio did not answer or Stop was pressed.
Recall RecallChannel(CLoader& loader, Chan& channel, CLoadProgressDlg* dialog, int ref);
// The delay, flags and trunk word the radio reported for the channel, which is now read in full.
void TakeChannelSettings(Chan& channel, const hb::records::Parm& answer);
// The bank's channels read one by one, each then taking its trunk kind (below). 1 when a read
// ended the transfer.
using ChannelReader = int (CLoader::*)(Chan& channel, CLoadProgressDlg* dialog);
int ReadBankChannels(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog, ChannelReader read);
// A channel read from a trunked frequency loses its trunk values and takes the bank's trunk type as
// its trunk kind; any other channel stays as read.
void TakeTrunkKind(Chan& channel, const Bank& bank);
// The bank's user IDs read slot by slot until one read answers 1, which ends only the ID list.
using UserIdReader = int (CLoader::*)(UserIdEntry& entry, const Bank& bank,
                                      CLoadProgressDlg* dialog, unsigned slot);
void ReadBankUserIds(CLoader& loader, Bank& bank, CLoadProgressDlg* dialog, UserIdReader read);
// A slot's reply ("IC A A1 012345", "TG A A1 012345": the ID from position 8, "------" for an
// empty slot) read into the cleared entry. An ID that reads as nothing loses its tag and options.
void TakeUserIdReply(const CLoader& loader, UserIdEntry& entry, const Bank& bank,
                     CLoadProgressDlg* dialog, unsigned slot);

} // namespace TrunkFamily35
