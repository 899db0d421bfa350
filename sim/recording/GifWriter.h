#pragma once
// Writes an animated GIF one frame at a time (giflib), looping for ever.
// Each frame is given as RGB pixels of the whole picture; only the rectangle
// that changed since the frame before is stored, with its own palette made
// for it (median cut, no dithering), so still parts of an animation cost
// almost nothing and colours stay close to the picture's.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct GifFileType;

namespace sim {

class GifWriter {
public:
    // A writer for a width × height animation at `path`, or nullptr with
    // `error` set.
    static std::unique_ptr<GifWriter> create(const std::string& path, int width, int height, std::string* error);
    // Closes the file when close() has not.
    ~GifWriter();

    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Adds a frame: `rgb` holds width × height × 3 bytes, row after row;
    // it shows for `delayCentiseconds` (0 to 65535).
    bool addFrame(const std::vector<uint8_t>& rgb, int delayCentiseconds, std::string* error);
    // Ends the file; nothing can be added afterwards.
    bool close(std::string* error);

    int frameCount() const { return m_frames; }

private:
    struct Rectangle {
        int left;
        int top;
        int width;
        int height;
    };

    GifWriter() = default;
    Rectangle changedRectangle(const std::vector<uint8_t>& rgb) const;
    bool putLoopExtension(std::string* error);
    bool putImage(const std::vector<uint8_t>& rgb, Rectangle area, int delayCentiseconds, std::string* error);
    bool failed(const char* step, std::string* error) const;

    GifFileType* m_file = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_frames = 0;
    std::vector<uint8_t> m_previous;
};

}
