// A card's mixer through ALSA's simple elements: "Master" is the speaker line, "PCM" the wave-out
// source; a mute is the element's playback switch turned off. A thread per open card waits on the
// mixer's poll descriptors and reports what changed, whoever changed it.

#include "platform/win/mm/MixerDevice.h"

#include <alsa/asoundlib.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <string>
#include <thread>

namespace hb::win::mm {
namespace {

using detail::ControlKind;

struct Element {
    snd_mixer_elem_t* elem = nullptr;
    detail::MixerLine line;
};

class AlsaCard final : public detail::MixerCard {
public:
    AlsaCard(snd_mixer_t* mixer, detail::ControlChanged changed)
        : m_mixer(mixer), m_changed(std::move(changed)) {
        AddElement("Master", MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);
        if (!m_elements.empty()) {
            AddElement("PCM", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT);
        }
        m_values = Values();
        if (pipe(m_wake.data()) == 0) {
            m_thread = std::thread([this] { Watch(); });
        }
    }

    ~AlsaCard() override {
        if (m_thread.joinable()) {
            const char quit = 0;
            [[maybe_unused]] const ssize_t written = write(m_wake[1], &quit, 1);
            m_thread.join();
            close(m_wake[0]);
            close(m_wake[1]);
        }
        snd_mixer_close(m_mixer);
    }

    std::vector<detail::MixerLine> Lines() override {
        std::vector<detail::MixerLine> lines;
        for (const Element& element : m_elements) {
            lines.push_back(element.line);
        }
        return lines;
    }

    bool Get(std::size_t line, ControlKind kind, DWORD& value) override {
        std::lock_guard lock(m_lock);
        return Read(line, kind, value);
    }

    bool Set(std::size_t line, ControlKind kind, DWORD value) override {
        std::lock_guard lock(m_lock);
        snd_mixer_elem_t* elem = m_elements[line].elem;
        return kind == ControlKind::Mute
                   ? snd_mixer_selem_set_playback_switch_all(elem, value ? 0 : 1) == 0
                   : snd_mixer_selem_set_playback_volume_all(elem, static_cast<long>(value)) == 0;
    }

private:
    void AddElement(const char* name, DWORD component) {
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, name);
        snd_mixer_elem_t* elem = snd_mixer_find_selem(m_mixer, id);
        if (!elem) {
            return;
        }
        Element element{elem, {component, name, false, false, 0, 0}};
        if (snd_mixer_selem_has_playback_volume(elem)) {
            long minimum = 0;
            long maximum = 0;
            snd_mixer_selem_get_playback_volume_range(elem, &minimum, &maximum);
            element.line.volume = true;
            element.line.minimum = static_cast<DWORD>(std::max(minimum, 0L));
            element.line.maximum = static_cast<DWORD>(std::max(maximum, 0L));
        }
        element.line.mute = snd_mixer_selem_has_playback_switch(elem) != 0;
        m_elements.push_back(element);
    }

    bool Read(std::size_t line, ControlKind kind, DWORD& value) {
        snd_mixer_elem_t* elem = m_elements[line].elem;
        if (kind == ControlKind::Mute) {
            int on = 0;
            if (snd_mixer_selem_get_playback_switch(elem, SND_MIXER_SCHN_FRONT_LEFT, &on) < 0) {
                return false;
            }
            value = on ? 0 : 1;
            return true;
        }
        long volume = 0;
        if (snd_mixer_selem_get_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, &volume) < 0) {
            return false;
        }
        value = static_cast<DWORD>(std::max(volume, 0L));
        return true;
    }

    // Every control's value by id; one that cannot be read keeps a value no control has.
    std::vector<DWORD> Values() {
        std::vector<DWORD> values(m_elements.size() * 2, 0xFFFFFFFF);
        for (std::size_t line = 0; line < m_elements.size(); ++line) {
            for (const ControlKind kind : {ControlKind::Volume, ControlKind::Mute}) {
                DWORD value = 0;
                if (Read(line, kind, value)) {
                    values[detail::ControlId(line, kind)] = value;
                }
            }
        }
        return values;
    }

    void Watch() {
        for (;;) {
            std::vector<pollfd> fds(1);
            fds[0] = {m_wake[0], POLLIN, 0};
            {
                std::lock_guard lock(m_lock);
                const int count = snd_mixer_poll_descriptors_count(m_mixer);
                fds.resize(1 + static_cast<std::size_t>(std::max(count, 0)));
                snd_mixer_poll_descriptors(m_mixer, fds.data() + 1, static_cast<unsigned>(count));
            }
            if (poll(fds.data(), fds.size(), -1) < 0 || fds[0].revents) {
                return;
            }
            std::vector<DWORD> changed;
            {
                std::lock_guard lock(m_lock);
                snd_mixer_handle_events(m_mixer);
                const std::vector<DWORD> now = Values();
                for (DWORD id = 0; id < now.size(); ++id) {
                    if (now[id] != m_values[id]) {
                        changed.push_back(id);
                    }
                }
                m_values = now;
            }
            for (const DWORD id : changed) {
                m_changed(id);
            }
        }
    }

    snd_mixer_t* m_mixer;
    detail::ControlChanged m_changed;
    std::vector<Element> m_elements;
    std::vector<DWORD> m_values;
    std::mutex m_lock;
    std::array<int, 2> m_wake{-1, -1};
    std::thread m_thread;
};

std::vector<int> Cards() {
    std::vector<int> cards;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        cards.push_back(card);
    }
    return cards;
}

class AlsaMixerBackend final : public detail::MixerBackend {
public:
    UINT Count() override {
        const std::vector<int> cards = Cards();
        return cards.empty() ? 0 : static_cast<UINT>(cards.back() + 1);
    }

    MMRESULT Open(UINT card, detail::ControlChanged changed,
                  std::unique_ptr<detail::MixerCard>& opened) override {
        snd_mixer_t* mixer = nullptr;
        if (snd_mixer_open(&mixer, 0) < 0) {
            return MMSYSERR_NOMEM;
        }
        const std::string name = "hw:" + std::to_string(card);
        if (snd_mixer_attach(mixer, name.c_str()) < 0 ||
            snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 || snd_mixer_load(mixer) < 0) {
            snd_mixer_close(mixer);
            return MMSYSERR_BADDEVICEID;
        }
        opened = std::make_unique<AlsaCard>(mixer, std::move(changed));
        return MMSYSERR_NOERROR;
    }
};

} // namespace

namespace detail {

std::unique_ptr<MixerBackend> MakeAlsaMixerBackend() {
    return std::make_unique<AlsaMixerBackend>();
}

} // namespace detail
} // namespace hb::win::mm
