// drawlet-app: one simulated application process.
#include "AppOptions.h"
#include "AppProcess.h"

int main(int argc, char** argv)
{
    apps::AppOptions options;
    if (auto status = apps::parseAppOptions(argc, argv, &options))
        return *status;
    return apps::runAppProcess(options);
}
