// The operations of the group grid that change the group's organisation: banks, channels, user
// IDs and search ranges inserted, removed, copied, merged, numbered and sorted.
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"

#include <algorithm>

namespace {

template <class T, class List>
std::size_t IndexIn(const T* element, const List& list) {
    return static_cast<std::size_t>(
        std::ranges::find_if(list, [&](const auto& m) { return m.get() == element; }) -
        list.begin());
}

void CopyChannel(const Chan& from, Chan& to) {
    to.SetParm(from.record());
    to.setName(from.name());
    to.setDescription(from.description());
}

// A bank member by its kind: a search range keeps its options, lock-out map and found channels.
std::unique_ptr<Chan> CopyOf(const Chan& channel) {
    const auto* range = dynamic_cast<const Range*>(&channel);
    if (!range) {
        auto copy = std::make_unique<Chan>(channel.kind());
        CopyChannel(channel, *copy);
        return copy;
    }
    auto copy = std::make_unique<Range>();
    CopyChannel(*range, *copy);
    copy->setOptions(range->options());
    for (const auto& record : range->records()) {
        copy->records().push_back(std::make_unique<Blob>(*record));
    }
    for (const auto& found : range->found()) {
        copy->addFound(CopyOf(*found));
    }
    return copy;
}

std::unique_ptr<UserIdEntry> CopyOf(const UserIdEntry& entry) {
    auto copy = std::make_unique<UserIdEntry>();
    copy->setName(entry.name());
    copy->setDescription(entry.description());
    copy->setTag(entry.tag());
    copy->id() = entry.id();
    copy->setOptions(entry.options());
    for (const std::size_t index : {UserIdEntry::kOptionAlarm, UserIdEntry::kOptionRadio}) {
        copy->setOptionByte(index, entry.optionByte(index));
    }
    return copy;
}

std::unique_ptr<Bank> CopyOf(const Bank& bank) {
    auto copy = std::make_unique<Bank>();
    copy->number = bank.number;
    copy->trunkType = bank.trunkType;
    copy->trunkFlags = bank.trunkFlags;
    copy->base = bank.base;
    copy->spacing = bank.spacing;
    copy->offset = bank.offset;
    copy->fleetMap = bank.fleetMap;
    copy->delay = bank.delay;
    copy->option = bank.option;
    copy->setName(bank.name());
    copy->setDescription(bank.description());
    for (const auto& member : bank.members()) {
        copy->addMember(CopyOf(*member));
    }
    for (const auto& entry : bank.userIds()) {
        copy->addUserId(CopyOf(*entry));
    }
    return copy;
}

std::size_t IndexOf(const Bank* bank, const Group& group) {
    return IndexIn(bank, group.banks());
}

std::size_t IndexOf(const Chan* channel, const Bank& bank) {
    return IndexIn(channel, bank.members());
}

std::size_t IndexOf(const UserIdEntry* entry, const Bank& bank) {
    return IndexIn(entry, bank.userIds());
}

std::size_t IndexOf(const Chan* extra, const Group& group) {
    return IndexIn(extra, group.extras());
}

} // namespace

std::vector<long> CGroupGrid::SelectedRowsOf(int sheet) const {
    return GetSheetNumber() == sheet && GetNumberRows() > 0 ? GetSelectedRows()
                                                            : std::vector<long>{};
}

void CGroupGrid::Reorganised() {
    if (Group* group = GetGroup()) {
        Changed(*group);
    }
    SetupGrid();
    ClearSelection();
}

void CGroupGrid::Renumber(int first) {
    Group* group = GetGroup();
    if (!group) {
        return;
    }
    int number = first;
    for (const auto& bank : group->banks()) {
        bank->number = static_cast<std::uint16_t>(number++);
    }
    Reorganised();
}

void CGroupGrid::InsertRow(BOOL before) {
    Group* group = GetGroup();
    if (!group) {
        return;
    }
    if (GetSheetNumber() == kUserIdsSheet) {
        InsertUserIds(before);
        return;
    }
    if (GetSheetNumber() == kRangesSheet) {
        InsertRanges(before);
        return;
    }
    if (GetSheetNumber() == kBanksSheet || group->banks().empty()) {
        const std::size_t at = group->banks().empty()
                                   ? 0
                                   : static_cast<std::size_t>(GetCurrentRow()) + (before ? 0 : 1);
        group->insertBank(at, std::make_unique<Bank>());
        Renumber(group->banks().size() > 1 ? group->banks().front()->number : 1);
        return;
    }
    auto channel = std::make_unique<Chan>();
    channel->reset(m_radio);
    if (Chan* current = ChannelAt(GetCurrentRow())) {
        Bank* bank = m_channelBanks[static_cast<std::size_t>(GetCurrentRow())];
        bank->insertMember(IndexOf(current, *bank) + (before ? 0 : 1), std::move(channel));
    } else {
        group->banks().front()->addMember(std::move(channel));
    }
    Reorganised();
}

void CGroupGrid::SortChannels(int key) {
    Group* group = GetGroup();
    if (!group) {
        return;
    }
    for (const auto& bank : group->banks()) {
        std::vector<std::unique_ptr<Chan>> members;
        while (!bank->members().empty()) {
            members.push_back(bank->removeMember(0));
        }
        std::ranges::stable_sort(members, [key](const auto& a, const auto& b) {
            if (key == kSortName) {
                return a->record().text(hb::records::Parm::kName) <
                       b->record().text(hb::records::Parm::kName);
            }
            // Empty channels go last.
            return a->frequency() - 1 < b->frequency() - 1;
        });
        for (auto& member : members) {
            bank->addMember(std::move(member));
        }
    }
    Reorganised();
}

int CGroupGrid::InsertBanks(BOOL before) {
    const std::vector<long> rows = SelectedRowsOf(kBanksSheet);
    Group* group = GetGroup();
    if (rows.empty() || !group) {
        return 0;
    }
    const auto at = static_cast<std::size_t>(before ? rows.front() : rows.back() + 1);
    for (std::size_t count = 0; count < rows.size(); ++count) {
        group->insertBank(at, std::make_unique<Bank>());
    }
    Renumber(group->banks().front()->number > 0 && at > 0 ? group->banks().front()->number : 1);
    return 1;
}

int CGroupGrid::InsertUserIds(BOOL before) {
    const std::vector<long> rows = SelectedRowsOf(kUserIdsSheet);
    if (rows.empty()) {
        return 0;
    }
    const auto next = static_cast<std::size_t>(before ? rows.front() : rows.back());
    Bank& bank = *m_userIdBanks[next];
    const std::size_t at = IndexOf(m_userIds[next], bank) + (before ? 0 : 1);
    for (std::size_t count = 0; count < rows.size(); ++count) {
        bank.insertUserId(at, std::make_unique<UserIdEntry>());
    }
    Reorganised();
    return 1;
}

int CGroupGrid::InsertRanges(BOOL before) {
    const std::vector<long> rows = SelectedRowsOf(kRangesSheet);
    if (rows.empty()) {
        return 0;
    }
    const auto next = static_cast<std::size_t>(before ? rows.front() : rows.back());
    Bank* bank = m_rangeBanks[next];
    Group* group = GetGroup();
    if (!bank && !group) {
        return 0;
    }
    const std::size_t at =
        (bank ? IndexOf(m_ranges[next], *bank) : IndexOf(m_ranges[next], *group)) +
        (before ? 0 : 1);
    for (std::size_t count = 0; count < rows.size(); ++count) {
        auto range = std::make_unique<Range>();
        range->reset(m_radio);
        if (bank) {
            bank->insertMember(at, std::move(range));
        } else {
            group->insertExtra(at, std::move(range));
        }
    }
    Reorganised();
    return 1;
}

int CGroupGrid::EditSelectedRows(int sheet, const std::function<void(std::size_t row)>& edit) {
    const std::vector<long> rows = SelectedRowsOf(sheet);
    if (rows.empty()) {
        return 0;
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        edit(static_cast<std::size_t>(*it));
    }
    Reorganised();
    return 1;
}

int CGroupGrid::DeleteBanks() {
    Group* group = GetGroup();
    if (!group) {
        return 0;
    }
    return EditSelectedRows(kBanksSheet, [&](std::size_t row) { group->removeBank(row); });
}

int CGroupGrid::DeleteChannels() {
    return EditSelectedRows(kChannelsSheet, [&](std::size_t row) {
        Bank& bank = *m_channelBanks[row];
        bank.removeMember(IndexOf(ChannelAt(static_cast<long>(row)), bank));
    });
}

int CGroupGrid::DeleteUserIds() {
    return EditSelectedRows(kUserIdsSheet, [&](std::size_t row) {
        m_userIdBanks[row]->removeUserId(IndexOf(m_userIds[row], *m_userIdBanks[row]));
    });
}

int CGroupGrid::DeleteRanges() {
    Group* group = GetGroup();
    return EditSelectedRows(kRangesSheet, [&](std::size_t row) {
        if (Bank* bank = m_rangeBanks[row]) {
            bank->removeMember(IndexOf(m_ranges[row], *bank));
        } else if (group) {
            group->removeExtra(IndexOf(m_ranges[row], *group));
        }
    });
}

int CGroupGrid::DuplicateBanks() {
    const std::vector<long> rows = SelectedRowsOf(kBanksSheet);
    Group* group = GetGroup();
    if (rows.empty() || !group) {
        return 0;
    }
    const auto at = static_cast<std::size_t>(rows.back() + 1);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const long row = *it;
        group->insertBank(at, CopyOf(*BankAt(row)));
    }
    Renumber(group->banks().front()->number);
    return 1;
}

int CGroupGrid::DuplicateChannels() {
    return EditSelectedRows(kChannelsSheet, [&](std::size_t row) {
        Bank& bank = *m_channelBanks[row];
        const Chan& channel = *ChannelAt(static_cast<long>(row));
        bank.insertMember(IndexOf(&channel, bank) + 1, CopyOf(channel));
    });
}

int CGroupGrid::DuplicateUserIds() {
    return EditSelectedRows(kUserIdsSheet, [&](std::size_t row) {
        Bank& bank = *m_userIdBanks[row];
        bank.insertUserId(IndexOf(m_userIds[row], bank) + 1, CopyOf(*m_userIds[row]));
    });
}

int CGroupGrid::MergeBanks() {
    const std::vector<long> rows = SelectedRowsOf(kBanksSheet);
    Group* group = GetGroup();
    if (rows.size() < 2 || !group) {
        return 0;
    }
    Bank& into = *BankAt(rows.front());
    // Behind the first bank's own channels, in bank order: the last bank goes in first.
    const std::size_t end = into.members().size();
    for (auto it = rows.rbegin(); it + 1 != rows.rend(); ++it) {
        const long row = *it;
        std::unique_ptr<Bank> merged = group->removeBank(IndexOf(BankAt(row), *group));
        while (!merged->members().empty()) {
            into.insertMember(end, merged->removeMember(merged->members().size() - 1));
        }
    }
    Reorganised();
    return 1;
}
