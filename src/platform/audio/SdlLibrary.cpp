#include "platform/audio/SdlLibrary.h"

#include "platform/Log.h"

#include <dlfcn.h>

namespace audio {

namespace {

constexpr const char* kLibrary = "libSDL2-2.0.so.0";

struct TLoaded {
    TSdl Functions;
    bool Complete = false;
    QString Problem;
};

template <class TFunction>
bool Resolve(void* Library, const char* Name, TFunction& Out, QString& Problem)
{
    Out = reinterpret_cast<TFunction>(dlsym(Library, Name));
    if (!Out && Problem.isEmpty())
        Problem = QStringLiteral("%1 has no %2").arg(QLatin1String(kLibrary), QLatin1String(Name));
    return Out != nullptr;
}

TLoaded Load()
{
    TLoaded loaded;
    // RTLD_LOCAL: SDL's symbols stay out of the process's global scope, where nothing else wants them.
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.Problem = QString::fromLocal8Bit(dlerror());
        qCWarning(lcPlatform).noquote() << "no sound library:" << loaded.Problem;
        return loaded;
    }
    TSdl& f = loaded.Functions;
    QString& p = loaded.Problem;
    bool all = Resolve(library, "SDL_GetError", f.GetError, p);
    all = Resolve(library, "SDL_SetHint", f.SetHint, p) && all;
    all = Resolve(library, "SDL_SetHintWithPriority", f.SetHintWithPriority, p) && all;
    all = Resolve(library, "SDL_ResetHint", f.ResetHint, p) && all;
    all = Resolve(library, "SDL_InitSubSystem", f.InitSubSystem, p) && all;
    all = Resolve(library, "SDL_QuitSubSystem", f.QuitSubSystem, p) && all;
    all = Resolve(library, "SDL_GetCurrentAudioDriver", f.GetCurrentAudioDriver, p) && all;
    all = Resolve(library, "SDL_GetNumAudioDevices", f.GetNumAudioDevices, p) && all;
    all = Resolve(library, "SDL_GetAudioDeviceName", f.GetAudioDeviceName, p) && all;
    all = Resolve(library, "SDL_OpenAudioDevice", f.OpenAudioDevice, p) && all;
    all = Resolve(library, "SDL_CloseAudioDevice", f.CloseAudioDevice, p) && all;
    all = Resolve(library, "SDL_PauseAudioDevice", f.PauseAudioDevice, p) && all;
    all = Resolve(library, "SDL_DequeueAudio", f.DequeueAudio, p) && all;
    all = Resolve(library, "SDL_NewAudioStream", f.NewAudioStream, p) && all;
    all = Resolve(library, "SDL_AudioStreamPut", f.AudioStreamPut, p) && all;
    all = Resolve(library, "SDL_AudioStreamFlush", f.AudioStreamFlush, p) && all;
    all = Resolve(library, "SDL_AudioStreamAvailable", f.AudioStreamAvailable, p) && all;
    all = Resolve(library, "SDL_AudioStreamGet", f.AudioStreamGet, p) && all;
    all = Resolve(library, "SDL_FreeAudioStream", f.FreeAudioStream, p) && all;
    loaded.Complete = all;
    // An SDL older than 2.24 lacks some of them: no sound rather than a crash. The library stays
    // open either way; closing it could pull it from under a thread it has started.
    if (!all) qCWarning(lcPlatform).noquote() << "no sound library:" << p;
    return loaded;
}

const TLoaded& Loaded()
{
    static const TLoaded loaded = Load();
    return loaded;
}

}  // namespace

const TSdl* Sdl()
{
    const TLoaded& loaded = Loaded();
    return loaded.Complete ? &loaded.Functions : nullptr;
}

QString SdlProblem()
{
    return Loaded().Problem;
}

}  // namespace audio
