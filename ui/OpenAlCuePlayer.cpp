// The sound module: the cues played through OpenAL, one source for the whole program.

#include "CueWav.h"
#include "SoundModule.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <AL/efx.h>

#include <QFile>

#include <dlfcn.h>

#include <array>
#include <chrono>
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
        for (const QString& file : files)
            paths_.push_back(QFile::encodeName(file).toStdString());
        useOurSettings();
        const std::lock_guard lock(mutex_);
        startOpening();
    }

    ~OpenAlCuePlayer() override {
        if (opener_.joinable())
            opener_.join();
        close();
    }

    void play(Cue cue) override {
        const std::lock_guard lock(mutex_);
        if (ready_ && !connected())
            ready_ = false; // the server went away or restarted: open the device again
        if (ready_) {
            start(cue);
            return;
        }
        pending_ = cue; // played as soon as the device is open
        // A device may come later (a sound server started, a headset plugged in); retried
        // while cues are wanted, but not at every cue.
        if (!opening_ && Clock::now() - failedAt_ >= std::chrono::seconds(5))
            startOpening();
    }

private:
    using Clock = std::chrono::steady_clock;

    // Opening a device can take a tenth of a second, more under load: never on the window's
    // thread. With mutex_ held; the previous opener has finished.
    void startOpening() {
        if (opener_.joinable())
            opener_.join();
        opening_ = true;
        opener_ = std::thread([this] { open(); });
    }

    void open() {
        close();
        device_ = alcOpenDevice(nullptr);
        // The cues' own rate spares the mixer a resampling; one cue at a time and no effects
        // keep the library's memory down. Pairs of name and value, then 0.
        const ALCint attributes[] = {ALC_FREQUENCY,
                                     kCueRate,
                                     ALC_MONO_SOURCES,
                                     1,
                                     ALC_STEREO_SOURCES,
                                     0,
                                     ALC_MAX_AUXILIARY_SENDS,
                                     0,
                                     0};
        context_ = device_ != nullptr ? alcCreateContext(device_, attributes) : nullptr;
        const bool opened = context_ != nullptr && alcMakeContextCurrent(context_) == ALC_TRUE;
        if (opened) {
            alGenSources(1, &source_);
            // OpenAL keeps its own copy: ours is read anew if the device has to be opened again.
            for (std::size_t i = 0; i < paths_.size() && i < buffers_.size(); ++i) {
                const std::optional<std::vector<std::int16_t>> pcm = readCueWav(paths_[i]);
                if (!pcm || pcm->empty())
                    continue; // a missing or damaged file: a silent cue
                alGenBuffers(1, &buffers_[i]);
                alBufferData(buffers_[i], AL_FORMAT_MONO16, pcm->data(),
                             static_cast<ALsizei>(pcm->size() * sizeof(std::int16_t)), kCueRate);
            }
        } else {
            close();
        }

        const std::lock_guard lock(mutex_);
        opening_ = false;
        ready_ = opened;
        if (opened && pending_)
            start(*pending_);
        pending_.reset();
        if (!opened) {
            failedAt_ = Clock::now();
            if (!told_)
                std::fputs("tezzle: no sound: no audio device can be opened\n", stderr);
            told_ = true;
        }
    }

    // Gives up the device and all that was made on it; nothing plays meanwhile.
    void close() {
        if (context_ != nullptr) {
            alDeleteSources(1, &source_);
            for (ALuint& buffer : buffers_)
                if (buffer != 0)
                    alDeleteBuffers(1, &buffer);
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
        }
        if (device_ != nullptr)
            alcCloseDevice(device_);
        device_ = nullptr;
        context_ = nullptr;
        source_ = 0;
        buffers_.fill(0);
    }

    bool connected() const {
        ALCint connected = ALC_TRUE;
        alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
        return connected == ALC_TRUE;
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

    std::vector<std::string> paths_;

    // The device and what is made on it: the opener's while it runs, else the window thread's.
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    ALuint source_ = 0;
    std::array<ALuint, kCueCount> buffers_{};

    std::mutex mutex_; // guards what follows
    std::thread opener_;
    bool opening_ = false;
    bool ready_ = false;
    std::optional<Cue> pending_; // the latest cue asked for while the device was opening
    Clock::time_point failedAt_;
    bool told_ = false; // that there is no sound: once a run
};

} // namespace

} // namespace tezzle::ui

extern "C" Q_DECL_EXPORT tezzle::ui::CuePlayer*
tezzleMakeModuleCuePlayer(const QStringList& files) {
    return new tezzle::ui::OpenAlCuePlayer(files);
}
