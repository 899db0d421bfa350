#pragma once
// Records the screen on the main run loop's clock: at each frame instant, from
// the moment it starts until it finishes, the compositor's picture of the
// screen is written as FOLDER/frame-NNNN.png (the screen's pixels) and added
// to FOLDER/NAME.gif (one point a pixel, each frame's delay from the virtual
// times). Meant for virtual time, where every instant is met exactly.

#include "dispatch/RunLoop.h"

#include <memory>
#include <string>

namespace sim {

class GifWriter;

class ScreenRecorder {
public:
    // Starts recording, taking the first frame at once; the folder is made
    // when missing, and frames an earlier recording left in it are removed.
    // nullptr, with `error` set, when the folder or the GIF cannot be made or
    // `framesPerSecond` is not 1 to 1000.
    static std::unique_ptr<ScreenRecorder> start(const std::string& folder, const std::string& name, int framesPerSecond, std::string* error);
    ~ScreenRecorder();

    ScreenRecorder(const ScreenRecorder&) = delete;
    ScreenRecorder& operator=(const ScreenRecorder&) = delete;

    // Takes no more frames and ends the GIF. False, with `error` set, when
    // any frame or the GIF could not be written (recording stopped there).
    bool finish(std::string* error);

    int frameCount() const { return m_frames; }
    const std::string& folder() const { return m_folder; }
    const std::string& gifPath() const { return m_gifPath; }

private:
    ScreenRecorder() = default;
    int64_t frameInstant(int frame) const;
    void scheduleFrame();
    void takeFrame();
    bool recordFrame(std::string* error);

    std::string m_folder;
    std::string m_gifPath;
    int m_framesPerSecond = 30;
    int64_t m_startNanoseconds = 0;
    int m_frames = 0;
    std::unique_ptr<GifWriter> m_gif;
    int m_gifWidth = 0;
    int m_gifHeight = 0;
    dispatch::RunLoop::TimerId m_timer = 0;
    bool m_scheduled = false;
    std::string m_failure;
};

}
