// The floor of key to audible for any Windows program under the same sound stack: one window
// ("peer") and one WASAPI stream, shared mode, event-driven, the device's float format and the
// game's 20 ms buffer, on a thread of the game's priority, started as the game starts its own
// (opened first, started half a second later, full of silence); an arrow key starts bola.wav
// from its first sample. Nothing else. With --at-start, the stream starts at once with the cue:
// the soonest a Windows program under the same sound stack can be heard, for the start-up's bench.
//   bare_wasapi.exe BOLA.WAV [--at-start]
#include <audioclient.h>
#include <mmdeviceapi.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <thread>
#include <vector>

namespace {

const CLSID EnumeratorClass = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const IID EnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const IID ClientInterface = {
    0x1CB9AD4C, 0xDBFA, 0x4C32, {0xB1, 0x78, 0xC2, 0xF5, 0x68, 0xA7, 0x03, 0xB2}};
const IID RenderInterface = {
    0xF294ACFC, 0x3146, 0x4483, {0xA7, 0xBF, 0xAD, 0xDC, 0xA7, 0xC2, 0x60, 0xE2}};

std::vector<float> cue;         // mono, at the device's rate (the recording's 48 kHz)
std::atomic<std::size_t> at{0}; // the next frame of the cue to play; cue.size(): none
bool atStart = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam >= VK_LEFT && wParam <= VK_DOWN) {
        at = 0;
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Play() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL); // as the game's
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IMMDeviceEnumerator* devices = nullptr;
    IMMDevice* device = nullptr;
    IAudioClient* client = nullptr;
    IAudioRenderClient* render = nullptr;
    WAVEFORMATEX* format = nullptr;
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    UINT32 frames = 0;
    if (FAILED(CoCreateInstance(EnumeratorClass, nullptr, CLSCTX_ALL, EnumeratorInterface,
                                reinterpret_cast<void**>(&devices))) ||
        FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &device)) ||
        FAILED(device->Activate(ClientInterface, CLSCTX_ALL, nullptr,
                                reinterpret_cast<void**>(&client))) ||
        FAILED(client->GetMixFormat(&format)) ||
        FAILED(client->Initialize(AUDCLNT_SHAREMODE_SHARED, AUDCLNT_STREAMFLAGS_EVENTCALLBACK,
                                  200000, 0, format, nullptr)) ||
        FAILED(client->SetEventHandle(ready)) || FAILED(client->GetBufferSize(&frames)) ||
        FAILED(client->GetService(RenderInterface, reinterpret_cast<void**>(&render)))) {
        std::fprintf(stderr, "bare_wasapi: no audio device\n");
        std::exit(1);
    }
    // The game opens its device, decodes its recordings (about half a second) and only then
    // starts the stream, with silence in the whole buffer, as Windows' own rendering example
    // does. Under Wine how full the queue stays depends on both, so this program does the same.
    if (atStart) {
        at = 0;
    } else {
        Sleep(500);
    }
    BYTE* first = nullptr;
    if (FAILED(render->GetBuffer(frames, &first)) ||
        FAILED(render->ReleaseBuffer(frames, AUDCLNT_BUFFERFLAGS_SILENT)) ||
        FAILED(client->Start())) {
        std::fprintf(stderr, "bare_wasapi: no audio device\n");
        std::exit(1);
    }
    const int channels = format->nChannels;
    for (;;) {
        WaitForSingleObject(ready, 500);
        UINT32 queued = 0;
        client->GetCurrentPadding(&queued);
        BYTE* buffer = nullptr;
        if (frames == queued || FAILED(render->GetBuffer(frames - queued, &buffer))) {
            continue;
        }
        auto* out = reinterpret_cast<float*>(buffer);
        for (UINT32 i = 0; i < frames - queued; ++i) {
            std::size_t frame = at.load();
            const float sample = frame < cue.size() ? cue[frame] : 0.0f;
            if (frame < cue.size()) {
                at.compare_exchange_strong(frame, frame + 1);
            }
            for (int c = 0; c < channels; ++c) {
                out[i * static_cast<UINT32>(channels) + static_cast<UINT32>(c)] = sample;
            }
        }
        render->ReleaseBuffer(frames - queued, 0);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::ifstream file(argc > 1 ? argv[1] : "bola.wav", std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) { // a plain 44-byte header, 16-bit mono
        cue.push_back(static_cast<float>(static_cast<std::int16_t>(
                          static_cast<unsigned char>(bytes[i]) |
                          static_cast<unsigned char>(bytes[i + 1]) << 8)) /
                      32768.0f);
    }
    at = cue.size();
    atStart = argc > 2 && std::string_view(argv[2]) == "--at-start";
    // The stream is made before the window, as the game's is.
    std::thread(Play).detach();
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.lpszClassName = L"peer";
    RegisterClassW(&type);
    CreateWindowW(L"peer", L"peer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                  nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
