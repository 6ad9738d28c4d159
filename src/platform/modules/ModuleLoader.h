#pragma once
// Finding and loading the grown-ups' corner's module (platform/modules/CornerModule.h) the first
// time the corner needs it.
//
// The module is looked for at one absolute path made from the program's own folder: beside the
// program in a build tree (where the test programs and benchmarks find it too), otherwise in the
// program's library folder of an install (<prefix>/lib/<multiarch triplet>/kvarnel beside <prefix>/bin). Never through
// Qt's plugin folders or QT_PLUGIN_PATH, which would let another file stand in for it. Once loaded
// it stays for the whole run: nothing it made outlives it by mistake, and the second use is free.
#include "platform/modules/CornerModule.h"

#include <QString>

#include <optional>

namespace modules {

// The module's file name, the same in a build tree and an install.
inline constexpr const char* kCornerModuleFile = "libkvarnel-corner.so";

// Where the program looks for the module: beside the program when it is there, otherwise its
// installed place seen from the program's folder.
QString CornerModulePath();

// The module, loaded from CornerModulePath() on the first call (from any thread); null when it is
// missing, is not a module of this program or is of another version. Logged once; CornerModuleProblem
// then says why.
const ICornerModule* CornerModule();
QString CornerModuleProblem();

// Where the module is looked for from now on (empty: CornerModulePath()), and forgets what an
// earlier call found, so that tests can see the program without its module. A module already
// loaded stays in the process.
void SetCornerModulePath(const QString& Path);

// Loads the module and has it draw a small picture and encode a short sound, as the corner would;
// the problem in a sentence for the log when it cannot (the installed program's smoke test).
std::optional<QString> TryCornerModule();

}  // namespace modules
