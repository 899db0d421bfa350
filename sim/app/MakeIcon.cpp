// drawlet-make-icon KIND FILE: draws a demo application's icon (notes, clock,
// grid or settings) as a 120 x 120 PNG (60 points at scale 2); run by the build to put the
// icons into the device root.
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kSize = 120;

void roundedSquare(cairo_t* cairo, double red, double green, double blue)
{
    double const radius = 26;
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, kSize - radius, radius, radius, -M_PI / 2, 0);
    cairo_arc(cairo, kSize - radius, kSize - radius, radius, 0, M_PI / 2);
    cairo_arc(cairo, radius, kSize - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cairo, radius, radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cairo);
    cairo_set_source_rgb(cairo, red, green, blue);
    cairo_fill_preserve(cairo);
    cairo_clip(cairo);
}

void drawNotes(cairo_t* cairo)
{
    roundedSquare(cairo, 1.0, 0.99, 0.94);
    cairo_set_source_rgb(cairo, 0.98, 0.85, 0.35);
    cairo_rectangle(cairo, 0, 0, kSize, 34);
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.7, 0.7, 0.65);
    for (int line = 0; line < 4; ++line) {
        cairo_rectangle(cairo, 18, 50 + line * 17, kSize - 36, 3);
        cairo_fill(cairo);
    }
}

void drawClock(cairo_t* cairo)
{
    roundedSquare(cairo, 0.05, 0.05, 0.08);
    double const middle = kSize / 2.0;
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_arc(cairo, middle, middle, 44, 0, 2 * M_PI);
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.05, 0.05, 0.08);
    cairo_set_line_width(cairo, 6);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cairo, middle, middle);
    cairo_line_to(cairo, middle, middle - 32);
    cairo_move_to(cairo, middle, middle);
    cairo_line_to(cairo, middle + 22, middle + 10);
    cairo_stroke(cairo);
    cairo_set_source_rgb(cairo, 1, 0.6, 0.1);
    cairo_arc(cairo, middle, middle, 5, 0, 2 * M_PI);
    cairo_fill(cairo);
}

void drawGrid(cairo_t* cairo)
{
    roundedSquare(cairo, 0.93, 0.93, 0.95);
    double const colours[9][3] = { { 0.9, 0.2, 0.2 }, { 0.95, 0.6, 0.1 }, { 0.95, 0.85, 0.1 }, { 0.3, 0.8, 0.3 }, { 0.1, 0.7, 0.7 },
        { 0.2, 0.4, 0.9 }, { 0.5, 0.3, 0.8 }, { 0.85, 0.3, 0.7 }, { 0.4, 0.4, 0.4 } };
    for (int index = 0; index < 9; ++index) {
        int const column = index % 3;
        int const row = index / 3;
        cairo_set_source_rgb(cairo, colours[index][0], colours[index][1], colours[index][2]);
        cairo_rectangle(cairo, 14 + column * 32, 14 + row * 32, 28, 28);
        cairo_fill(cairo);
    }
}

void drawSettings(cairo_t* cairo)
{
    roundedSquare(cairo, 0.55, 0.56, 0.6);
    double const middle = kSize / 2.0;
    // A gear: twelve teeth around a ring, a hole in the middle.
    cairo_set_source_rgb(cairo, 0.93, 0.93, 0.95);
    cairo_set_line_width(cairo, 12);
    for (int tooth = 0; tooth < 12; ++tooth) {
        double const angle = tooth * M_PI / 6;
        cairo_move_to(cairo, middle + 30 * std::cos(angle), middle + 30 * std::sin(angle));
        cairo_line_to(cairo, middle + 44 * std::cos(angle), middle + 44 * std::sin(angle));
    }
    cairo_stroke(cairo);
    cairo_arc(cairo, middle, middle, 34, 0, 2 * M_PI);
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.55, 0.56, 0.6);
    cairo_arc(cairo, middle, middle, 14, 0, 2 * M_PI);
    cairo_fill(cairo);
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: drawlet-make-icon notes|clock|grid|settings FILE\n");
        return 2;
    }
    std::string const kind = argv[1];
    void (*draw)(cairo_t*) = kind == "notes" ? drawNotes
        : kind == "clock"                    ? drawClock
        : kind == "grid"                     ? drawGrid
        : kind == "settings"                 ? drawSettings
                                             : nullptr;
    if (!draw) {
        std::fprintf(stderr, "drawlet-make-icon: unknown icon %s\n", argv[1]);
        return 2;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize);
    cairo_t* cairo = cairo_create(surface);
    draw(cairo);
    cairo_destroy(cairo);
    cairo_status_t status = cairo_surface_write_to_png(surface, argv[2]);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "drawlet-make-icon: cannot write %s: %s\n", argv[2], cairo_status_to_string(status));
        return 1;
    }
    return 0;
}
