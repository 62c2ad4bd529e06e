// The sound module: the cues played through OpenAL, one source for the whole program.

#include "CueWav.h"
#include "SoundModule.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <QFile>

#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tezzle::ui {

namespace {

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Before the library first reads its settings: ours, beside the module (alsoft.conf), unless the
// player has named a file of their own. And no messages of its own nor of ALSA's under it, which
// fill a screen on a machine without a sound card: the game says once why it is silent.
void useOurSettings() {
    Dl_info module{};
    if (dladdr(reinterpret_cast<const void*>(&useOurSettings), &module) != 0 &&
        module.dli_fname != nullptr) {
        std::string conf = module.dli_fname;
        conf.replace(conf.find_last_of('/') + 1, std::string::npos, "alsoft.conf");
        setenv("ALSOFT_CONF", conf.c_str(), 0);
    }
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
            set(&ignoreAlsaError);
        dlclose(alsa); // only the reference taken here: OpenAL keeps it loaded
    }
}

class OpenAlCuePlayer final : public CuePlayer {
public:
    explicit OpenAlCuePlayer(const QStringList& files) {
        std::vector<std::string> paths;
        for (const QString& file : files)
            paths.push_back(QFile::encodeName(file).toStdString());
        useOurSettings();
        // Opening a device can take a tenth of a second, more under load: never on the
        // window's thread.
        opener_ = std::thread([this, paths = std::move(paths)] { open(paths); });
    }

    ~OpenAlCuePlayer() override {
        opener_.join();
        if (context_ != nullptr) {
            alDeleteSources(1, &source_);
            alDeleteBuffers(kCueCount, buffers_.data());
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
        }
        if (device_ != nullptr)
            alcCloseDevice(device_);
    }

    void play(Cue cue) override {
        const std::lock_guard lock(mutex_);
        if (ready_)
            start(cue);
        else
            pending_ = cue; // played as soon as the device is open
    }

private:
    void open(const std::vector<std::string>& paths) {
        std::array<std::vector<std::int16_t>, kCueCount> cues;
        for (std::size_t i = 0; i < cues.size() && i < paths.size(); ++i)
            cues[i] = readCueWav(paths[i]).value_or(std::vector<std::int16_t>());

        ALCdevice* device = alcOpenDevice(nullptr);
        // The cues' own rate spares the mixer a resampling.
        const std::array<ALCint, 3> attributes{ALC_FREQUENCY, kCueRate, 0};
        ALCcontext* context =
            device != nullptr ? alcCreateContext(device, attributes.data()) : nullptr;
        if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
            std::fputs("tezzle: no sound: no audio device can be opened\n", stderr);
            if (context != nullptr)
                alcDestroyContext(context);
            if (device != nullptr)
                alcCloseDevice(device);
            return; // never ready: every cue is silence
        }
        alGenSources(1, &source_);
        alGenBuffers(kCueCount, buffers_.data());
        for (std::size_t i = 0; i < cues.size(); ++i) {
            const std::vector<std::int16_t>& pcm = cues[i];
            if (pcm.empty()) {
                alDeleteBuffers(1, &buffers_[i]);
                buffers_[i] = 0; // a missing or damaged file: a silent cue
                continue;
            }
            alBufferData(buffers_[i], AL_FORMAT_MONO16, pcm.data(),
                         static_cast<ALsizei>(pcm.size() * sizeof(std::int16_t)), kCueRate);
        }

        const std::lock_guard lock(mutex_);
        device_ = device;
        context_ = context;
        ready_ = true;
        if (pending_)
            start(*pending_);
    }

    // A new cue cuts off the one playing, as the game has always sounded.
    void start(Cue cue) {
        alSourceStop(source_);
        const auto index = static_cast<std::size_t>(cue);
        if (index >= buffers_.size() || buffers_[index] == 0)
            return;
        alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffers_[index]));
        alSourcePlay(source_);
    }

    std::thread opener_;
    std::mutex mutex_;
    bool ready_ = false;         // guarded by mutex_, as is pending_
    std::optional<Cue> pending_; // the latest cue asked for while the device was opening
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    ALuint source_ = 0;
    std::array<ALuint, kCueCount> buffers_{};
};

} // namespace

} // namespace tezzle::ui

extern "C" Q_DECL_EXPORT tezzle::ui::CuePlayer*
tezzleMakeModuleCuePlayer(const QStringList& files) {
    return new tezzle::ui::OpenAlCuePlayer(files);
}
