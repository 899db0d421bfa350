// What a frame costs each side within one process, 750 × 1334 pixels: the
// shell's take of the latest frame (in place), beside its copy as the
// reference, and the application's copy of a drawn frame into a slot.

#include "FrameDrawing.h"

#include "quartz/SharedFrameBuffer.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int64_t kFrameBytes = int64_t { bench::kFrameWidth } * bench::kFrameHeight * 4;

// An application's frames and the shell's mapping of them.
struct SharedFrames {
    std::unique_ptr<quartz::SharedFrameBuffer> application;
    std::unique_ptr<quartz::SharedFrameBuffer> shell;
    cairo_surface_t* drawn = nullptr;

    explicit SharedFrames(benchmark::State& state)
    {
        std::string error;
        application = quartz::SharedFrameBuffer::create(bench::kFrameWidth, bench::kFrameHeight, &error);
        if (application)
            shell = quartz::SharedFrameBuffer::map(application->fileDescriptor(), &error);
        if (!shell) {
            state.SkipWithError(("cannot share frames: " + error).c_str());
            return;
        }
        drawn = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bench::kFrameWidth, bench::kFrameHeight);
        bench::fillFrame(drawn, bench::colourOfFrame(1));
        if (!application->publish(drawn)) {
            state.SkipWithError("cannot publish a frame");
            shell.reset();
        }
    }
    ~SharedFrames()
    {
        if (drawn)
            cairo_surface_destroy(drawn);
    }
    SharedFrames(const SharedFrames&) = delete;
    SharedFrames& operator=(const SharedFrames&) = delete;

    bool ready() const { return shell != nullptr; }
};

void BM_TakeLatestFrame(benchmark::State& state)
{
    SharedFrames frames(state);
    if (!frames.ready())
        return;
    for (auto _ : state) {
        cairo_surface_t* frame = frames.shell->takeLatestFrame();
        if (!frame) {
            state.SkipWithError("no frame to take");
            return;
        }
        cairo_surface_destroy(frame);
    }
}

void BM_CopyLatestFrame(benchmark::State& state)
{
    SharedFrames frames(state);
    if (!frames.ready())
        return;
    for (auto _ : state) {
        cairo_surface_t* frame = frames.shell->copyLatestFrame();
        if (!frame) {
            state.SkipWithError("no frame to copy");
            return;
        }
        cairo_surface_destroy(frame);
    }
    state.SetBytesProcessed(state.iterations() * kFrameBytes);
}

void BM_PublishFrame(benchmark::State& state)
{
    SharedFrames frames(state);
    if (!frames.ready())
        return;
    for (auto _ : state) {
        if (!frames.application->publish(frames.drawn)) {
            state.SkipWithError("cannot publish a frame");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * kFrameBytes);
}

BENCHMARK(BM_TakeLatestFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyLatestFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PublishFrame)->Unit(benchmark::kMicrosecond);

}
