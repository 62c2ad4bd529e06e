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
#include <condition_variable>
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

// Every OpenAL call is made on the player's own thread: opening a device can take a tenth of a
// second, resuming one a round trip to the sound server, and the window's thread only hands over
// the cue.
class OpenAlCuePlayer final : public CuePlayer {
public:
    explicit OpenAlCuePlayer(const QStringList& files) {
        for (const QString& file : files)
            paths_.push_back(QFile::encodeName(file).toStdString());
        useOurSettings();
        thread_ = std::thread([this] { run(); });
    }

    ~OpenAlCuePlayer() override {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    void play(Cue cue) override {
        {
            const std::lock_guard lock(mutex_);
            wanted_ = cue; // one not yet started is cut off before it begins
        }
        wake_.notify_one();
    }

private:
    using Clock = std::chrono::steady_clock;

    void run() {
        open();
        std::unique_lock lock(mutex_);
        while (!quit_) {
            // Idle, the device is paused: a running mixer wakes hundreds of times a second.
            if (!wanted_ && idleAt_ && Clock::now() >= *idleAt_) {
                idleAt_.reset();
                lock.unlock();
                pause();
                lock.lock();
                continue;
            }
            if (!wanted_) {
                const auto woken = [this] {
                    return quit_ || wanted_.has_value();
                };
                if (idleAt_)
                    wake_.wait_until(lock, *idleAt_, woken);
                else
                    wake_.wait(lock, woken);
                continue;
            }
            const Cue cue = *wanted_;
            wanted_.reset();
            lock.unlock();
            start(cue);
            lock.lock();
        }
        lock.unlock();
        close();
    }

    void open() {
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
        if (context_ == nullptr || alcMakeContextCurrent(context_) == ALC_FALSE) {
            close();
            openedAt_ = Clock::now();
            if (!told_)
                std::fputs("tezzle: no sound: no audio device can be opened\n", stderr);
            told_ = true;
            return;
        }
        if (alcIsExtensionPresent(device_, "ALC_SOFT_pause_device") == ALC_TRUE) {
            pause_ = reinterpret_cast<LPALCDEVICEPAUSESOFT>(
                alcGetProcAddress(device_, "alcDevicePauseSOFT"));
            resume_ = reinterpret_cast<LPALCDEVICERESUMESOFT>(
                alcGetProcAddress(device_, "alcDeviceResumeSOFT"));
        }
        alGenSources(1, &source_);
        // OpenAL keeps its own copy: ours is read anew if the device has to be opened again.
        for (std::size_t i = 0; i < paths_.size() && i < buffers_.size(); ++i) {
            const std::optional<std::vector<std::int16_t>> pcm = readCueWav(paths_[i]);
            if (!pcm || pcm->empty())
                continue; // a missing or damaged file: a silent cue
            alGenBuffers(1, &buffers_[i]);
            alBufferData(buffers_[i], AL_FORMAT_MONO16, pcm->data(),
                         static_cast<ALsizei>(pcm->size() * sizeof(std::int16_t)), kCueRate);
            lengths_[i] = std::chrono::milliseconds(pcm->size() * 1000 / kCueRate);
        }
        // Paused until the first cue, as after every cue.
        pause();
    }

    // Gives up the device and all that was made on it.
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
        paused_ = false;
    }

    // A new cue cuts off the one playing, as the game has always sounded.
    void start(Cue cue) {
        if (device_ != nullptr) {
            ALCint connected = ALC_TRUE;
            alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
            if (connected != ALC_TRUE)
                close(); // the server went away or restarted: open the device again
        }
        // A device may come later (a sound server started, a headset plugged in): tried again
        // while cues are wanted, but not at every cue.
        if (device_ == nullptr && Clock::now() - openedAt_ >= std::chrono::seconds(5))
            open();
        const auto index = static_cast<std::size_t>(cue);
        if (device_ == nullptr || index >= buffers_.size())
            return;
        if (paused_ && resume_ != nullptr)
            resume_(device_);
        paused_ = false;
        alSourceStop(source_);
        if (buffers_[index] != 0) {
            alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffers_[index]));
            alSourcePlay(source_);
        }
        // Paused only half a minute after the cue ends: a resumed stream can take a few hundred
        // milliseconds to sound on a busy machine (the server has let its latency grow), so the
        // cues of a game being played find the device running.
        const std::lock_guard lock(mutex_);
        idleAt_ = Clock::now() + lengths_[index] + std::chrono::seconds(30);
    }

    void pause() {
        if (device_ == nullptr || pause_ == nullptr || paused_)
            return;
        ALint state = AL_STOPPED;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) { // slower than its length: look again later
            const std::lock_guard lock(mutex_);
            idleAt_ = Clock::now() + std::chrono::milliseconds(500);
            return;
        }
        pause_(device_);
        paused_ = true;
    }

    std::vector<std::string> paths_;
    std::thread thread_;

    // The player thread's own.
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    ALuint source_ = 0;
    std::array<ALuint, kCueCount> buffers_{};
    std::array<Clock::duration, kCueCount> lengths_{};
    LPALCDEVICEPAUSESOFT pause_ = nullptr;
    LPALCDEVICERESUMESOFT resume_ = nullptr;
    bool paused_ = false;
    Clock::time_point openedAt_; // of the last failed attempt
    bool told_ = false;          // that there is no sound: once a run

    std::mutex mutex_; // guards what follows, shared with the window's thread
    std::condition_variable wake_;
    std::optional<Cue> wanted_;
    std::optional<Clock::time_point> idleAt_; // when to pause the device
    bool quit_ = false;
};

} // namespace

} // namespace tezzle::ui

extern "C" Q_DECL_EXPORT tezzle::ui::CuePlayer*
tezzleMakeModuleCuePlayer(const QStringList& files) {
    return new tezzle::ui::OpenAlCuePlayer(files);
}
