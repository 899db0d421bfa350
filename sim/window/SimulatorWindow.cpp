#include "SimulatorWindow.h"

#include "Compositor.h"

#include "dispatch/RunLoop.h"
#include "uikit/TouchInput.h"
#include "uikit/UIScreen.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>

#include <cmath>

namespace sim {

namespace {

constexpr int64_t kFrameNanoseconds = 1'000'000'000 / 60;
// Two presses of home this close (milliseconds) are the phone's double press.
constexpr uint32_t kHomeDoublePressMilliseconds = 300;
constexpr const char* kHelpText = "Mouse: your finger    H: home, twice: switcher    L: lock    U: unlock    N: notify    \xe2\x86\x90 \xe2\x86\x92: rotate    Q: quit";
constexpr const char* kTypingHelpText = "Keys type    Ctrl+H: home    Ctrl+L: lock    Ctrl+U: unlock    Ctrl+N: notify    Ctrl+\xe2\x86\x90 \xe2\x86\x92: rotate    Ctrl+Q: quit";

// The display connection's file descriptor, or -1 when the video driver
// does not say (then the loop cannot sleep until input arrives).
int displayConnection(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info))
        return -1;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (info.subsystem == SDL_SYSWM_X11)
        return ConnectionNumber(info.info.x11.display);
#endif
    return -1;
}

}

// The display connection as a source of the run loop, so that input wakes it.
// Before each wait it lets SDL read what already arrived: events read from
// the connection into a queue while the window drew would not wake a poll.
class SimulatorWindow::InputSource final : public dispatch::PollSource {
public:
    InputSource(SimulatorWindow& window, int fd)
        : m_window(window)
        , m_fd(fd)
    {
    }
    int fileDescriptor() const override { return m_fd; }
    short events() const override { return POLLIN; }
    int64_t timeoutNanoseconds() const override
    {
        SDL_PumpEvents();
        return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) ? 0 : -1;
    }
    void dispatch(short) override { m_window.handleEvents(); }

private:
    SimulatorWindow& m_window;
    int m_fd;
};

std::unique_ptr<SimulatorWindow> SimulatorWindow::open(WindowKeys keys, std::string* error)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        *error = SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SimulatorWindow> window(new SimulatorWindow);
    window->m_keys = std::move(keys);
    SDL_DisplayMode desktop {};
    bool const knowsDesktop = SDL_GetDesktopDisplayMode(0, &desktop) == 0;
    CGSize const screen = uikit::mainScreenBounds().size;
    window->m_desktopWidth = knowsDesktop ? desktop.w : 0;
    window->m_desktopHeight = knowsDesktop ? desktop.h : 0;
    window->m_fittedScreen = screen;
    window->m_geometry = fitWindow(screen.width, screen.height, uikit::mainScreenScale(), window->m_desktopWidth, window->m_desktopHeight);
    auto const& geometry = window->m_geometry;
    window->m_window = SDL_CreateWindow("Drawlet", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, geometry.phoneWidth,
        geometry.phoneHeight + geometry.helpHeight, 0);
    if (!window->m_window) {
        *error = SDL_GetError();
        return nullptr;
    }
    window->m_renderer = SDL_CreateRenderer(window->m_window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!window->m_renderer)
        window->m_renderer = SDL_CreateRenderer(window->m_window, -1, SDL_RENDERER_SOFTWARE);
    if (!window->m_renderer) {
        *error = SDL_GetError();
        return nullptr;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // Typed text arrives as text events, in the computer's keyboard layout.
    SDL_StartTextInput();
    window->drawHelpLine(false);
    return window;
}

SimulatorWindow::~SimulatorWindow()
{
    auto& loop = dispatch::RunLoop::main();
    loop.setBeforeWaitingHook(nullptr);
    if (m_input)
        loop.removeSource(m_input.get());
    if (m_wake)
        loop.cancel(*m_wake);
    if (m_phone)
        SDL_DestroyTexture(m_phone);
    if (m_help)
        SDL_DestroyTexture(m_help);
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    if (m_window)
        SDL_DestroyWindow(m_window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SimulatorWindow::drawHelpLine(bool typing)
{
    m_helpForTyping = typing;
    if (m_help)
        SDL_DestroyTexture(m_help);
    m_help = nullptr;
    const char* const text = typing ? kTypingHelpText : kHelpText;
    int const width = m_geometry.phoneWidth;
    int const height = m_geometry.helpHeight;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(surface);
    cairo_set_source_rgb(cairo, 0.12, 0.12, 0.14);
    cairo_paint(cairo);
    cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, 12);
    cairo_text_extents_t extents {};
    cairo_text_extents(cairo, text, &extents);
    cairo_set_source_rgb(cairo, 0.85, 0.85, 0.88);
    cairo_move_to(cairo, std::max(6.0, (width - extents.width) / 2), height / 2.0 + extents.height / 2);
    cairo_show_text(cairo, text);
    cairo_destroy(cairo);
    cairo_surface_flush(surface);
    m_help = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
    if (m_help)
        SDL_UpdateTexture(m_help, nullptr, cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface));
    cairo_surface_destroy(surface);
}

void SimulatorWindow::followScreen()
{
    CGSize const screen = uikit::mainScreenBounds().size;
    if (screen == m_fittedScreen)
        return;
    m_fittedScreen = screen;
    m_geometry = fitWindow(screen.width, screen.height, uikit::mainScreenScale(), m_desktopWidth, m_desktopHeight);
    SDL_SetWindowSize(m_window, m_geometry.phoneWidth, m_geometry.phoneHeight + m_geometry.helpHeight);
    SDL_SetWindowPosition(m_window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    drawHelpLine(m_helpForTyping);
    m_presentWhole = true;
}

void SimulatorWindow::start()
{
    auto& loop = dispatch::RunLoop::main();
    if (int const fd = displayConnection(m_window); fd >= 0) {
        m_input = std::make_unique<InputSource>(*this, fd);
        loop.addSource(m_input.get());
    }
    loop.setBeforeWaitingHook([this] { beforeWaiting(); });
}

void SimulatorWindow::wakeAt(int64_t nanoseconds)
{
    auto& loop = dispatch::RunLoop::main();
    if (m_wake && m_wakeAt <= nanoseconds)
        return;
    if (m_wake)
        loop.cancel(*m_wake);
    m_wakeAt = nanoseconds;
    m_wake = loop.scheduleAt(nanoseconds, [this] { m_wake.reset(); });
}

void SimulatorWindow::beforeWaiting()
{
    handleEvents();
    auto& loop = dispatch::RunLoop::main();
    if (loop.isStopped())
        return;
    followScreen();
    bool const typing = m_keys.keyboardShown && m_keys.keyboardShown();
    if (typing != m_helpForTyping) {
        drawHelpLine(typing);
        m_presentWhole = true;
    }
    int64_t const now = loop.nowNanoseconds();
    if (now < m_nextFrameAt) {
        wakeAt(m_nextFrameAt);
        return;
    }
    if (present())
        m_nextFrameAt = now + kFrameNanoseconds;
    // Without input (a display that gives no connection to wait on), look
    // for it as often as frames could come. A forced full redraw draws every
    // frame, as the window did before it tracked damage, to compare.
    if (m_animating || !m_input || compositor::fullRedraw())
        wakeAt(std::max(m_nextFrameAt, now + kFrameNanoseconds));
}

void SimulatorWindow::handleEvents()
{
    auto& touches = uikit::TouchInput::shared();
    double const now = dispatch::RunLoop::main().now();
    auto toPoint = [this](int x, int y) { return CGPointMake(x / m_geometry.pixelsPerPoint, y / m_geometry.pixelsPerPoint); };
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            dispatch::RunLoop::main().stop();
            return;
        case SDL_WINDOWEVENT:
            // Uncovered or resized: the window's pixels are gone.
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                m_presentWhole = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT && event.button.y < m_geometry.phoneHeight) {
                m_fingerDown = true;
                touches.touchBegan(toPoint(event.button.x, event.button.y), now);
            }
            break;
        case SDL_MOUSEMOTION:
            if (m_fingerDown)
                touches.touchMoved(toPoint(event.motion.x, event.motion.y), now);
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT && m_fingerDown) {
                m_fingerDown = false;
                touches.touchEnded(toPoint(event.button.x, event.button.y), now);
            }
            break;
        case SDL_TEXTINPUT:
            // Text, as the computer's keyboard layout makes it; a key held
            // with Ctrl is the simulator's.
            if (m_keys.keyboardShown && m_keys.keyboardShown() && !(SDL_GetModState() & KMOD_CTRL) && m_keys.type)
                m_keys.type(event.text.text);
            break;
        case SDL_KEYDOWN:
            if (m_keys.keyboardShown && m_keys.keyboardShown())
                handleTypingKey(event.key);
            else if (!event.key.repeat)
                handleSimulatorKey(event.key);
            if (dispatch::RunLoop::main().isStopped())
                return;
            // The mouse events after a turn map onto the turned screen.
            followScreen();
            break;
        case SDL_KEYUP:
            // The lock button acts on its release, by how long it was held.
            if (event.key.keysym.sym == SDLK_l && m_lockKeyDownAt) {
                double const held = static_cast<double>(event.key.timestamp - *m_lockKeyDownAt) / 1000;
                m_lockKeyDownAt.reset();
                if (m_keys.lockButton)
                    m_keys.lockButton(held);
            }
            break;
        default:
            break;
        }
    }
}

bool SimulatorWindow::handleSimulatorKey(const SDL_KeyboardEvent& key)
{
    switch (key.keysym.sym) {
    case SDLK_q:
    case SDLK_ESCAPE:
        dispatch::RunLoop::main().stop();
        return true;
    case SDLK_h:
    case SDLK_HOME:
        pressHome(key.timestamp);
        return true;
    case SDLK_LEFT:
    case SDLK_RIGHT:
        if (m_keys.rotate)
            m_keys.rotate(key.keysym.sym == SDLK_LEFT ? -1 : 1);
        return true;
    case SDLK_l:
        m_lockKeyDownAt = key.timestamp;
        return true;
    case SDLK_u:
        if (m_keys.unlock)
            m_keys.unlock();
        return true;
    case SDLK_n:
        if (m_keys.notify)
            m_keys.notify();
        return true;
    default:
        return false;
    }
}

void SimulatorWindow::pressHome(uint32_t timestamp)
{
    if (m_lastHomePressAt && timestamp - *m_lastHomePressAt <= kHomeDoublePressMilliseconds) {
        // A third press starts afresh.
        m_lastHomePressAt.reset();
        if (m_keys.homeDoublePress)
            m_keys.homeDoublePress();
        return;
    }
    m_lastHomePressAt = timestamp;
    if (m_keys.home)
        m_keys.home();
}

void SimulatorWindow::handleTypingKey(const SDL_KeyboardEvent& key)
{
    if (key.keysym.mod & KMOD_CTRL) {
        if (!key.repeat)
            handleSimulatorKey(key);
        return;
    }
    // Held down, these repeat as the phone's keys do.
    if (!m_keys.type)
        return;
    if (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER)
        m_keys.type("\n");
    else if (key.keysym.sym == SDLK_BACKSPACE)
        m_keys.type("\b");
}

bool SimulatorWindow::present()
{
    compositor::ScreenUpdate update;
    if (!compositor::updateScreen(&update))
        return false;
    m_animating = update.animating;
    cairo_surface_t* screen = update.screen;
    int const width = cairo_image_surface_get_width(screen);
    int const height = cairo_image_surface_get_height(screen);
    if (!m_phone || width != m_phonePixelWidth || height != m_phonePixelHeight) {
        if (m_phone)
            SDL_DestroyTexture(m_phone);
        m_phone = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
        m_phonePixelWidth = width;
        m_phonePixelHeight = height;
        update.changed.assign(1, { 0, 0, width, height });
        m_presentWhole = true;
    }
    if (update.changed.empty() && !m_presentWhole)
        return false;
    unsigned char const* pixels = cairo_image_surface_get_data(screen);
    int const stride = cairo_image_surface_get_stride(screen);
    if (m_phone) {
        for (auto const& rect : update.changed) {
            SDL_Rect const area { rect.x, rect.y, rect.width, rect.height };
            SDL_UpdateTexture(m_phone, &area, pixels + static_cast<ptrdiff_t>(rect.y) * stride + static_cast<ptrdiff_t>(rect.x) * 4, stride);
        }
    }
    m_presentWhole = false;

    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    SDL_Rect const phone { 0, 0, m_geometry.phoneWidth, m_geometry.phoneHeight };
    SDL_RenderCopy(m_renderer, m_phone, nullptr, &phone);
    SDL_Rect const help { 0, m_geometry.phoneHeight, m_geometry.phoneWidth, m_geometry.helpHeight };
    if (m_help)
        SDL_RenderCopy(m_renderer, m_help, nullptr, &help);
    SDL_RenderPresent(m_renderer);
    return true;
}

}
