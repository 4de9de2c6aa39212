#include "ui/application.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "ui/dialog.h"
#include "ui/look.h"

namespace ui {

namespace {

Application*& registered() {
    static Application* app = nullptr;
    return app;
}

}  // namespace

Application::Application(Screen& screen) : screen_(&screen) {
    registerInstance();
}

Application::Application(std::unique_ptr<Screen> screen)
    : ownedScreen_(std::move(screen)), screen_(ownedScreen_.get()) {
    if (!screen_)
        throw std::invalid_argument("an application needs a screen");
    registerInstance();
}

void Application::registerInstance() {
    if (registered())
        throw std::logic_error("there is already an application object");
    registered() = this;
    // Each application starts in the plain look until it asks for the other.
    look() = Look{};
    // The name the program was started by; a link keeps its own name.
    setTitleFromProgramPath(program_invocation_name ? program_invocation_name : "");
}

Application::~Application() {
    if (registered() == this)
        registered() = nullptr;
}

Application& Application::instance() {
    if (!registered())
        throw std::logic_error("no application object exists");
    return *registered();
}

Application* Application::current() {
    return registered();
}

void Application::setTitleFromProgramPath(std::string_view programPath) {
    title_ = std::filesystem::path(programPath).stem().string();
}

int Application::run() {
    initInstance();
    const int exitCode = exitInstance();
    normalEnd();
    return exitCode;
}

bool Application::enable3dControls() {
    look().threeD = true;
    return true;
}

void Application::normalEnd() {
    if (ended_)
        return;
    ended_ = true;
    screen_->normalEnd();
}

void Application::quickExit(int exitCode) {
    screen_->quickExit(exitCode);
    std::_Exit(exitCode);  // a screen that returned after all
}

bool Application::onCommand(int) {
    return false;
}

void Application::onHelp() {
    messageBox("No help is available for this program.", MessageBoxIcon::information);
}

}  // namespace ui
