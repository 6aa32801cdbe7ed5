#include "windows/wasapi_output.h"

#include "sound/startup_error.h"
#include "windows/wide_text.h"

#include <audioclient.h>
#include <mmdeviceapi.h>

#include <cstdio>
#include <vector>

// COM interfaces have no virtual destructor: an object ends through its own Release.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace tintineables {

namespace {

// As Windows' headers declare them, for a program linked without uuid libraries.
const CLSID MMDeviceEnumeratorClass = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const IID MMDeviceEnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const IID AudioClientInterface = {
    0x1CB9AD4C, 0xDBFA, 0x4C32, {0xB1, 0x78, 0xC2, 0xF5, 0x68, 0xA7, 0x03, 0xB2}};
const IID AudioRenderClientInterface = {
    0xF294ACFC, 0x3146, 0x4483, {0xA7, 0xBF, 0xAD, 0xDC, 0xA7, 0xC2, 0x60, 0xE2}};
const IID NotificationClientInterface = {
    0x7991EEC9, 0x7E89, 0x4D85, {0x83, 0x90, 0x6C, 0x70, 0x3C, 0xEC, 0x60, 0xC0}};
const GUID FloatSubFormat = {
    0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const GUID PcmSubFormat = {
    0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// How much the device keeps queued, asked in 100 ns units: 20 ms. Less is heard sooner, but
// with less in hand a late wake-up of this thread on a busy machine is a gap in the sound.
constexpr REFERENCE_TIME BufferDuration = 200000;

// The stream has run dry when the device asks for a period and nothing is left queued, or when
// it asks this long (in ms) after the period before: this thread, or the device's own, was held
// up (a busy machine, a swap). Windows plays on from where the sound resumes, but under Wine the
// sound server's queue is then refilled with silence that stays ahead of every later sound for
// as long as the stream lives (measured: every cue 10 ms later for the rest of a game after one
// hold of 300 ms, and more after more of them). So a new stream is started, which drops that
// silence, at the first moment when all that is queued is silence: nothing heard goes with it.
constexpr LONGLONG StallMilliseconds = 40;

template <class T> void Release(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

std::string Reason(HRESULT result) {
    char text[64];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    wchar_t* message = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string said = text;
    if (message != nullptr) {
        std::wstring wide(message);
        LocalFree(message);
        while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r')) {
            wide.pop_back();
        }
        said += " (" + Utf8(wide) + ")";
    }
    return said;
}

// Tells the output thread when Windows' default output device changes.
class DefaultDeviceWatch final : public IMMNotificationClient {
public:
    explicit DefaultDeviceWatch(HANDLE changed) : changed_(changed) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, NotificationClientInterface)) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; } // lives as long as the output
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) override {
        if (flow == eRender && role == eConsole) {
            SetEvent(changed_);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override {
        return S_OK;
    }

private:
    HANDLE changed_;
};

} // namespace

struct WasapiOutput::Device {
    IMMDeviceEnumerator* devices = nullptr;
    IAudioClient* client = nullptr;
    IAudioRenderClient* render = nullptr;
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr); // a period is due
    UINT32 bufferFrames = 0;
    std::size_t quietFrames = 0; // written since the last sound: all silence
    int channels = 0;
    bool floatSamples = true;
    std::vector<float> mixed;

    ~Device() {
        Close();
        Release(devices);
        CloseHandle(ready);
    }

    void Close() {
        if (client != nullptr) {
            client->Stop();
        }
        Release(render);
        Release(client);
    }

    // Opens the default device, not yet started. `rate`: 0 for the device's own, else the rate
    // Windows is to convert from (a device met later, after the mixer decoded at another's).
    HRESULT Open(int& rate) {
        IMMDevice* device = nullptr;
        HRESULT result = devices->GetDefaultAudioEndpoint(eRender, eConsole, &device);
        if (SUCCEEDED(result)) {
            result = device->Activate(AudioClientInterface, CLSCTX_ALL, nullptr,
                                      reinterpret_cast<void**>(&client));
            Release(device);
        }
        WAVEFORMATEX* format = nullptr;
        if (SUCCEEDED(result)) {
            result = client->GetMixFormat(&format);
        }
        if (FAILED(result)) {
            Close();
            return result;
        }
        DWORD flags = AUDCLNT_STREAMFLAGS_EVENTCALLBACK;
        WAVEFORMATEXTENSIBLE own{};
        const auto* extensible = reinterpret_cast<const WAVEFORMATEXTENSIBLE*>(format);
        const bool isFloat = format->wFormatTag == WAVE_FORMAT_IEEE_FLOAT ||
                             (format->wFormatTag == WAVE_FORMAT_EXTENSIBLE &&
                              IsEqualGUID(extensible->SubFormat, FloatSubFormat));
        const bool isPcm16 =
            format->wBitsPerSample == 16 && (format->wFormatTag == WAVE_FORMAT_PCM ||
                                             (format->wFormatTag == WAVE_FORMAT_EXTENSIBLE &&
                                              IsEqualGUID(extensible->SubFormat, PcmSubFormat)));
        const bool sameRate = rate == 0 || static_cast<int>(format->nSamplesPerSec) == rate;
        const WAVEFORMATEX* asked = format;
        if (!sameRate || (!(isFloat && format->wBitsPerSample == 32) && !isPcm16)) {
            // Floats at the mixer's rate, in the device's channels, and Windows converts.
            own.Format = {WAVE_FORMAT_EXTENSIBLE,
                          format->nChannels,
                          static_cast<DWORD>(rate != 0 ? rate : format->nSamplesPerSec),
                          0,
                          0,
                          32,
                          sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX)};
            own.Format.nBlockAlign = static_cast<WORD>(own.Format.nChannels * 4);
            own.Format.nAvgBytesPerSec = own.Format.nSamplesPerSec * own.Format.nBlockAlign;
            own.Samples.wValidBitsPerSample = 32;
            own.dwChannelMask =
                format->wFormatTag == WAVE_FORMAT_EXTENSIBLE ? extensible->dwChannelMask : 0;
            own.SubFormat = FloatSubFormat;
            asked = &own.Format;
            flags |= AUDCLNT_STREAMFLAGS_AUTOCONVERTPCM | AUDCLNT_STREAMFLAGS_SRC_DEFAULT_QUALITY;
        }
        channels = asked->nChannels;
        floatSamples = asked == &own.Format || isFloat;
        rate = static_cast<int>(asked->nSamplesPerSec);
        result =
            client->Initialize(AUDCLNT_SHAREMODE_SHARED, flags, BufferDuration, 0, asked, nullptr);
        CoTaskMemFree(format);
        if (SUCCEEDED(result)) {
            result = client->SetEventHandle(ready);
        }
        if (SUCCEEDED(result)) {
            result = client->GetBufferSize(&bufferFrames);
        }
        if (SUCCEEDED(result)) {
            result =
                client->GetService(AudioRenderClientInterface, reinterpret_cast<void**>(&render));
        }
        if (SUCCEEDED(result)) {
            mixed.resize(static_cast<std::size_t>(bufferFrames) *
                         static_cast<std::size_t>(channels));
        }
        if (FAILED(result)) {
            Close();
        }
        return result;
    }

    // Starts the open device with its buffer full of silence. How full the sound server's queue
    // stays for the whole stream is settled in its first moments (under Wine, a queue that runs
    // dry then keeps the silence refilled for it as extra delay), so the stream starts only when
    // nothing else of the game's start-up is left to compete with it.
    HRESULT Start() {
        HRESULT result = Fill(nullptr, 0); // a new stream holds nothing yet
        if (SUCCEEDED(result)) {
            result = client->Start();
        }
        if (FAILED(result)) {
            Close();
        }
        return result;
    }

    // A new stream on the default device, its buffer full of silence, as at the start: after the
    // device was lost, or after the stream ran dry. (Stopping, resetting and starting the same
    // stream was not enough under Wine: what its server queue kept came back with it.) `rate`:
    // the mixer's, at which its recordings are decoded.
    HRESULT Restart(int rate) {
        Close();
        HRESULT result = Open(rate);
        if (SUCCEEDED(result)) {
            result = Start();
        }
        return result;
    }

    // Writes every frame the device has room for, `queued` being what it still holds: the
    // mixer's sound, or silence.
    HRESULT Fill(CueMixer* mixer, UINT32 queued) {
        const UINT32 frames = bufferFrames - queued;
        if (frames == 0) {
            return S_OK;
        }
        BYTE* buffer = nullptr;
        HRESULT result = render->GetBuffer(frames, &buffer);
        if (FAILED(result)) {
            return result;
        }
        if (mixer == nullptr) {
            quietFrames += frames;
            return render->ReleaseBuffer(frames, AUDCLNT_BUFFERFLAGS_SILENT);
        }
        float* out = floatSamples ? reinterpret_cast<float*>(buffer) : mixed.data();
        mixer->Mix(out, frames, channels);
        const std::size_t samples = static_cast<std::size_t>(frames) * channels;
        std::size_t lastSound = samples;
        for (std::size_t i = samples; i > 0; --i) {
            if (out[i - 1] != 0.0f) {
                lastSound = i - 1;
                break;
            }
        }
        quietFrames = lastSound == samples
                          ? quietFrames + frames
                          : (samples - 1 - lastSound) / static_cast<std::size_t>(channels);
        if (!floatSamples) {
            auto* pcm = reinterpret_cast<std::int16_t*>(buffer);
            for (std::size_t i = 0; i < samples; ++i) {
                pcm[i] = static_cast<std::int16_t>(mixed[i] * 32767.0f);
            }
        }
        return render->ReleaseBuffer(frames, 0);
    }
};

WasapiOutput::WasapiOutput()
    : device_(std::make_unique<Device>()), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      changed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      play_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    // The device is opened on its own thread, in COM's multithreaded apartment, and the answer
    // waited for here: no window opens without a device.
    std::string problem;
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, &problem, opened] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        HRESULT result = CoCreateInstance(MMDeviceEnumeratorClass, nullptr, CLSCTX_ALL,
                                          MMDeviceEnumeratorInterface,
                                          reinterpret_cast<void**>(&device_->devices));
        if (SUCCEEDED(result)) {
            result = device_->Open(rate_);
        }
        if (FAILED(result)) {
            problem = "no audio device: " + Reason(result);
            SetEvent(opened);
            device_.reset();
            CoUninitialize();
            return;
        }
        SetEvent(opened);
        const HANDLE events[] = {stop_, play_};
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            Run();
        }
        device_.reset();
        CoUninitialize();
    });
    WaitForSingleObject(opened, INFINITE);
    CloseHandle(opened);
    if (!problem.empty()) {
        thread_.join();
        CloseHandle(stop_);
        CloseHandle(changed_);
        CloseHandle(play_);
        throw StartupError(problem);
    }
}

WasapiOutput::~WasapiOutput() {
    SetEvent(stop_);
    thread_.join();
    CloseHandle(stop_);
    CloseHandle(changed_);
    CloseHandle(play_);
}

void WasapiOutput::Play(CueMixer& mixer) {
    mixer_ = &mixer;
    SetEvent(play_);
}

void WasapiOutput::Run() {
    // The thread that feeds the device is the one a late wake-up of which is heard: Windows'
    // multimedia scheduler gives it what it gives audio threads.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    DefaultDeviceWatch watch(changed_);
    device_->devices->RegisterEndpointNotificationCallback(&watch);
    bool lost = FAILED(device_->Start());
    LARGE_INTEGER ticksPerSecond;
    QueryPerformanceFrequency(&ticksPerSecond);
    const LONGLONG stallTicks = ticksPerSecond.QuadPart * StallMilliseconds / 1000;
    LONGLONG lastPeriod = 0; // when the device last asked for a period; 0: not since a start
    bool dry = false;        // the stream ran dry and is to start afresh once quiet
    auto lose = [&lost] {
        std::fprintf(stderr, "tintineables: the sound device was lost; looking for one\n");
        lost = true;
    };
    for (;;) {
        if (lost) {
            if (FAILED(device_->Restart(rate_))) {
                if (WaitForSingleObject(stop_, 500) == WAIT_OBJECT_0) {
                    break;
                }
                continue;
            }
            std::fprintf(stderr, "tintineables: the sound device is back\n");
            lost = false;
            lastPeriod = 0;
            dry = false;
        }
        const HANDLE events[] = {stop_, changed_, device_->ready};
        const DWORD woke = WaitForMultipleObjects(3, events, FALSE, 500);
        if (woke == WAIT_OBJECT_0) {
            break;
        }
        if (woke == WAIT_OBJECT_0 + 1) {
            lost = true; // the default device changed: play on the new one
            continue;
        }
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        UINT32 queued = 0;
        if (FAILED(device_->client->GetCurrentPadding(&queued))) {
            lose();
            continue;
        }
        const bool asked = woke == WAIT_OBJECT_0 + 2;
        dry = dry ||
              (asked && lastPeriod != 0 && (queued == 0 || now.QuadPart - lastPeriod > stallTicks));
        lastPeriod = asked ? now.QuadPart : lastPeriod;
        if (dry && device_->quietFrames >= 2 * static_cast<std::size_t>(device_->bufferFrames)) {
            dry = false;
            ++restarts_;
            if (FAILED(device_->Restart(rate_))) {
                lose();
            }
            QueryPerformanceCounter(&now);
            lastPeriod = now.QuadPart;
            continue;
        }
        if (FAILED(device_->Fill(mixer_.load(), queued))) {
            lose();
        }
    }
    device_->devices->UnregisterEndpointNotificationCallback(&watch);
    device_->Close();
}

} // namespace tintineables
