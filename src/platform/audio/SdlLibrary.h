#pragma once
// SDL2 opened when the sound first needs it instead of linked to the program. On Debian 12 the
// library pulls in 27 others (PulseAudio, ALSA, libsndfile and its codecs, LAME among them, X11,
// Wayland, DRM...), which a linked program maps and relocates before its first frame and even for
// `kvarnel --version`; opened here, they arrive with the sound, right after the first frame.
//
// Only SDL's declarations are used (its header); every function is called through the table below,
// resolved by name from the library's stable name, libSDL2-2.0.so.0. The library is never closed:
// its threads and the engine's mixing callback live in it until the process ends.
#include <SDL.h>

#include <QString>

namespace audio {

// The SDL functions the sound output, the microphone and the resampler call.
struct TSdl {
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_SetHintWithPriority) SetHintWithPriority = nullptr;
    decltype(&SDL_ResetHint) ResetHint = nullptr;  // the newest of them: SDL 2.24
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_GetCurrentAudioDriver) GetCurrentAudioDriver = nullptr;
    decltype(&SDL_GetNumAudioDevices) GetNumAudioDevices = nullptr;
    decltype(&SDL_GetAudioDeviceName) GetAudioDeviceName = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_DequeueAudio) DequeueAudio = nullptr;
    // The resampler, for sounds at another rate than the device's.
    decltype(&SDL_NewAudioStream) NewAudioStream = nullptr;
    decltype(&SDL_AudioStreamPut) AudioStreamPut = nullptr;
    decltype(&SDL_AudioStreamFlush) AudioStreamFlush = nullptr;
    decltype(&SDL_AudioStreamAvailable) AudioStreamAvailable = nullptr;
    decltype(&SDL_AudioStreamGet) AudioStreamGet = nullptr;
    decltype(&SDL_FreeAudioStream) FreeAudioStream = nullptr;
};

// SDL's functions, the library opened on the first call (from any thread); null when it cannot be
// opened or lacks one of them, and SdlProblem() then says why.
const TSdl* Sdl();
QString SdlProblem();

}  // namespace audio
