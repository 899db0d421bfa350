#include "FrameToHostView.h"
#include "ApplicationSide.h"
#include "FrameDrawing.h"
#include "HostViewStandIn.h"

#include "notifications/ReceiverProcesses.h"
#include "quartz/SharedFrameBuffer.h"
#include "support/LatencyPool.h"

#include <algorithm>
#include <vector>

namespace bench {

namespace {

constexpr int kFrameTimeoutMilliseconds = 5'000;

}

void measureFrameToHostView(benchmark::State& state, const std::string& address, Arrivals& finished, Arrivals& goAhead)
{
    // The application's frames, made before it is forked; the shell maps
    // them from the file as it would from one handed over the bus.
    std::string error;
    auto applicationFrames = quartz::SharedFrameBuffer::create(kFrameWidth, kFrameHeight, &error);
    auto shellFrames = applicationFrames ? quartz::SharedFrameBuffer::map(applicationFrames->fileDescriptor(), &error) : nullptr;
    if (!shellFrames) {
        state.SkipWithError(("cannot share frames: " + error).c_str());
        return;
    }
    HostViewStandIn hostView(*shellFrames);
    goAhead.expect(1);
    ReceiverProcesses application(finished, 1, [&](int) { runApplication(address, *applicationFrames, finished, goAhead); });
    if (!application.ready()) {
        state.SkipWithError("the application process did not join the bus");
        return;
    }
    std::vector<double> microseconds;
    microseconds.reserve(static_cast<size_t>(state.max_iterations));
    for (auto _ : state) {
        finished.expect(1);
        goAhead.answer();
        if (!hostView.waitForFrame(kFrameTimeoutMilliseconds) || !finished.waitForAnswers(kFrameTimeoutMilliseconds)) {
            state.SkipWithError("a frame was not announced, or not taken");
            return;
        }
        auto const frame = static_cast<uint64_t>(finished.value(0));
        int64_t const latency = hostView.heldAt() - finished.receivedAt(0);
        if (hostView.announcedCount() != frame || firstPixel(hostView.heldFrame()) != colourOfFrame(frame) || latency < 0) {
            state.SkipWithError("the host view holds another frame than the one finished last");
            return;
        }
        microseconds.push_back(static_cast<double>(latency) / 1000.0);
        state.SetIterationTime(static_cast<double>(latency) / 1e9);
    }
    reportLatencyPool(state, microseconds);
}

}
