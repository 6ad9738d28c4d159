// Prints what the generated build-info header says, one value a line, for the install tests to
// compare with the installed files: the app id, the version, the content folder seen from the
// program's folder. Compiling it also proves the header and the kvarnel_build_info target work.
#include <kvarnel_build_info.h>

#include <cstdio>

int main()
{
    std::printf("%s\n%s\n%s\n", KV_APP_ID, KV_VERSION, KV_CONTENT_DIR_FROM_BINDIR);
    return 0;
}
