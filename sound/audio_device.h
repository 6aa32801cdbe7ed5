#pragma once
#include <string>

namespace tintineables {

// The mixer's output device: the driver chosen, the device opened through SDL2_mixer, and the
// threads that carry its sound given real-time priority where the system allows it.
// The format is fixed (16-bit) and SDL converts if the device differs.
struct DeviceSettings {
    int frequency;
    int channels;
    int bufferFrames;
};

// Opens the default device of `driver`, or when `driver` is empty, of the driver the game
// prefers: PipeWire's own when PipeWire serves a default sink, else SDL's first that works.
// An SDL_AUDIODRIVER set by the user always wins. Returns the driver's name; throws nothing,
// but returns an empty name and fills `problem` when no device could be opened.
std::string OpenAudioDevice(const DeviceSettings& settings, const std::string& driver,
                            std::string& problem);

// SDL's own mixing thread sets its priority as it starts, perhaps after the open has made it
// real-time; the mixer calls this from that thread once it runs, to make it real-time again.
void MakeMixingThreadRealTime();

// Closes the device and SDL's audio, so that the next open starts from the sound server again.
void CloseAudioDevice();

} // namespace tintineables
