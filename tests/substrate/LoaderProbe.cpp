// A library the loader tests inject: it says from its constructor that it loaded.
#include "foundation/SystemLog.h"

__attribute__((constructor)) static void announce()
{
    systemlog::write(kCFLogLevelNotice, "probe " PROBE_NAME " loaded");
}
