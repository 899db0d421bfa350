// drawlet-sim: the simulated shell process.
#include "BorrowedApplications.h"
#include "DevicePaths.h"
#include "InstalledApplications.h"
#include "Script.h"
#include "ShellProcess.h"
#include "SimulatorOptions.h"
#include "TerminationSignals.h"

#include "foundation/DevicePath.h"
#include "foundation/NSObject.h"

#include <cstdio>

int main(int argc, char** argv)
{
    sim::SimulatorOptions options;
    if (auto status = sim::parseSimulatorOptions(argc, argv, &options))
        return *status;

    if (options.listApps) {
        foundation::registerClasses();
        std::string const root = options.root.empty() ? sim::defaultDeviceRoot() : options.root;
        foundation::setDeviceRoot(root);
        sim::borrowApplicationsWhenMissing(root);
        for (auto const& application : apps::readInstalledApplications())
            std::printf("%s\n", application.bundleIdentifier.c_str());
        return 0;
    }

    // The whole scenario is checked before the device starts.
    sim::Script script;
    if (!options.script.empty()) {
        std::string text;
        std::string error;
        if (!sim::readScriptFile(options.script, &text, &error)) {
            std::fprintf(stderr, "drawlet-sim: %s\n", error.c_str());
            return 2;
        }
        script = sim::parseScript(text);
        for (auto const& scriptError : script.errors)
            std::fprintf(stderr, "%s:%d: %s\n", options.script.c_str(), scriptError.line, scriptError.message.c_str());
        if (!script.errors.empty())
            return 2;
    }
    int const status = sim::runShellProcess(options, script);
    // Wound down like `quit`; the parent still learns that a signal ended it.
    if (int const signal = sim::terminationSignal())
        sim::endBySignal(signal);
    return status;
}
