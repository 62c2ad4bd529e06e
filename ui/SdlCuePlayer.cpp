// The sound module: the cues played through SDL's audio, one cue at a time, mixed by ourselves.

#include "CueWav.h"
#include "SoundModule.h"

#include <SDL.h>

#include <QFile>

#include <dlfcn.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tezzle::ui {

namespace {

// 1,024 frames, 23 ms at 44.1 kHz: a cue starts within a buffer or two of its click, and SDL's
// thread, which it raises as far as the system lets it, fills one in time with both cores busy
// (2,048 heard every cue too, but 46 ms late; OpenAL's 17 ms ran dry now and then).
constexpr Uint16 kBufferFrames = 1024;

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA, under SDL when no sound server answers, fills a screen with its messages on a machine
// without a sound card: the game says once why it is silent. And SDL leaves the program's
// signals to Qt.
void quietLibraries() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Tezzle!");
    if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
            set(&ignoreAlsaError);
        dlclose(alsa); // only the reference taken here: SDL keeps it loaded
    }
}

// SDL's own thread takes the cue wanted at its next buffer and plays it, from mix(): nothing else
// stands between the click and the sound. The device is opened, and given up when idle, on the
// player's own thread, since opening one takes a round trip to the sound server.
class SdlCuePlayer final : public CuePlayer {
public:
    explicit SdlCuePlayer(const QStringList& files) {
        for (const QString& file : files)
            paths_.push_back(QFile::encodeName(file).toStdString());
        quietLibraries();
        thread_ = std::thread([this] { run(); });
    }

    ~SdlCuePlayer() override {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    void play(Cue cue) override {
        requested_.store(static_cast<int>(cue)); // one not yet started is cut off before it begins
        {
            const std::lock_guard lock(mutex_);
            wanted_ = cue;
        }
        wake_.notify_one();
    }

private:
    using Clock = std::chrono::steady_clock;

    void run() {
        for (std::size_t i = 0; i < paths_.size() && i < cues_.size(); ++i)
            cues_[i] = readCueWav(paths_[i]).value_or(std::vector<std::int16_t>{});
        open(); // before the first cue, so that it is not late
        std::unique_lock lock(mutex_);
        if (device_ != 0 && !wanted_)
            idleAt_ = Clock::now() + kKeptOpen; // and given up, as after a cue, if none comes
        while (!quit_) {
            if (!wanted_ && idleAt_ && Clock::now() >= *idleAt_) {
                idleAt_.reset();
                lock.unlock();
                closeDevice();
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
        closeDevice();
        if (audio_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // Connects to the sound server (or whatever SDL finds) and opens its output at the cues' own
    // format, which spares a conversion.
    void open() {
        if (!audio_)
            audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (audio_) {
            SDL_AudioSpec wanted{};
            wanted.freq = kCueRate;
            wanted.format = AUDIO_S16SYS;
            wanted.channels = 1;
            wanted.samples = kBufferFrames;
            wanted.callback = &SdlCuePlayer::fill;
            wanted.userdata = this;
            device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        }
        if (device_ == 0) {
            if (audio_)
                SDL_QuitSubSystem(SDL_INIT_AUDIO); // to look for a server anew next time
            audio_ = false;
            openedAt_ = Clock::now();
            if (!told_)
                std::fputs("tezzle: no sound: no audio device can be opened\n", stderr);
            told_ = true;
            return;
        }
        SDL_PauseAudioDevice(device_, 0);
    }

    void closeDevice() {
        if (device_ != 0)
            SDL_CloseAudioDevice(device_);
        device_ = 0;
        playing_ = nullptr;
    }

    // A new cue cuts off the one playing, as the game has always sounded.
    void start(Cue cue) {
        if (device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
            // The server went away or restarted: connect again.
            closeDevice();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            audio_ = false;
        }
        // A device may come later (a sound server started, a headset plugged in): tried again
        // while cues are wanted, but not at every cue.
        if (device_ == 0 && (audio_ || Clock::now() - openedAt_ >= std::chrono::seconds(5)))
            open();
        if (device_ == 0) {
            requested_.store(kNone); // not played later, out of its time
            return;
        }
        const auto index = static_cast<std::size_t>(cue);
        const std::size_t length = index < cues_.size() ? cues_[index].size() : 0;
        const std::lock_guard lock(mutex_);
        idleAt_ = Clock::now() + std::chrono::milliseconds(length * 1000 / kCueRate) + kKeptOpen;
    }

    static void SDLCALL fill(void* self, Uint8* out, int bytes) {
        static_cast<SdlCuePlayer*>(self)->mix(out, static_cast<std::size_t>(bytes));
    }

    // On SDL's thread.
    void mix(Uint8* out, std::size_t bytes) {
        if (const int cue = requested_.exchange(kNone); cue >= 0 && cue < kCueCount) {
            const auto& samples = cues_[static_cast<std::size_t>(cue)];
            playing_ = samples.empty() ? nullptr : &samples;
            position_ = 0;
        }
        std::size_t done = 0;
        if (playing_ != nullptr) {
            const std::size_t left = (playing_->size() - position_) * sizeof(std::int16_t);
            done = std::min(left, bytes);
            std::memcpy(out, playing_->data() + position_, done);
            position_ += done / sizeof(std::int16_t);
            if (position_ >= playing_->size())
                playing_ = nullptr;
        }
        std::memset(out + done, 0, bytes - done);
    }

    std::vector<std::string> paths_;
    std::thread thread_;

    // The player thread's own.
    std::array<std::vector<std::int16_t>, kCueCount> cues_; // a refused file is a silent cue
    bool audio_ = false;                                    // SDL's audio is set up
    SDL_AudioDeviceID device_ = 0;
    Clock::time_point openedAt_; // of the last failed attempt
    bool told_ = false;          // that there is no sound: once a run

    // SDL's thread's own while the device is open.
    const std::vector<std::int16_t>* playing_ = nullptr;
    std::size_t position_ = 0;

    // A running device streams silence between cues; given up only half a minute after the last,
    // since opening it again makes the next cue late on a busy machine.
    static constexpr std::chrono::seconds kKeptOpen{30};

    static constexpr int kNone = -1;
    std::atomic<int> requested_{kNone}; // the cue to start, from the window's thread

    std::mutex mutex_; // guards what follows, shared with the window's thread
    std::condition_variable wake_;
    std::optional<Cue> wanted_;
    std::optional<Clock::time_point> idleAt_; // when to give up the device
    bool quit_ = false;
};

} // namespace

} // namespace tezzle::ui

extern "C" Q_DECL_EXPORT tezzle::ui::CuePlayer*
tezzleMakeModuleCuePlayer(const QStringList& files) {
    return new tezzle::ui::SdlCuePlayer(files);
}
