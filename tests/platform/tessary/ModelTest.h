#pragma once
// Fixture for the data-model tests: a clean platform with HALBRIDGE_HOME in a scratch folder, so
// documents are read and written there.

#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"

#include <string>

namespace hb::tessary::test {

class ModelTest : public hb::testkit::PlatformTest {
protected:
    std::string Home() const { return m_home.Path(); }
    std::string Documents() const { return m_home.Documents(); }
    std::string Doc(const std::string& name) const { return Documents() + "/" + name; }

    static std::string ReadBytes(const std::string& path) { return testkit::ReadFileBytes(path); }
    static void WriteBytes(const std::string& path, const std::string& bytes) {
        testkit::WriteFileBytes(path, bytes);
    }

    // A channel with a frequency, a name and the given mode.
    static std::unique_ptr<Chan> Channel(std::uint32_t hz, const std::string& name,
                                         Object::Kind kind = Object::Kind::Channel) {
        auto channel = std::make_unique<Chan>(kind);
        hb::records::Parm record;
        record.set(hb::records::Parm::kFrequency, hz);
        record.set(hb::records::Parm::kStep, 12500);
        record.setText(hb::records::Parm::kName, name);
        channel->SetParm(record);
        channel->setName(name);
        return channel;
    }

    static std::unique_ptr<Range> SearchRange(std::uint32_t lower, std::uint32_t upper,
                                              std::uint32_t step) {
        auto range = std::make_unique<Range>();
        range->setLimits(lower, upper, step);
        range->setName("Air band");
        return range;
    }

    // A group of two banks: two channels, one empty channel and a range; plus an extra range.
    static std::unique_ptr<Group> SampleGroup() {
        auto group = std::make_unique<Group>();
        group->setName("Police");
        group->setDescription("County police");
        group->setRadioType(17);
        Bank& a = group->addBank(std::make_unique<Bank>());
        a.number = 1;
        a.setName("Dispatch");
        a.addMember(Channel(155'010'000, "Dispatch 1"));
        a.addMember(Channel(155'475'000, "Car to car"));
        Bank& b = group->addBank(std::make_unique<Bank>());
        b.number = 2;
        b.addMember(Channel(0, ""));
        b.addMember(SearchRange(156'000'000, 157'000'000, 25'000));
        group->addExtra(SearchRange(118'000'000, 137'000'000, 25'000));
        group->clearChanged();
        return group;
    }

private:
    testkit::ScratchHome m_home;
};

} // namespace hb::tessary::test
