// The toolkit's entry point. The program's one application object is a
// global, built (and its splash shown) during static initialisation; here
// the toolkit runs its start routine and ends the program the normal way.

#include <cstdio>

#include "ui/application.h"

int main() {
    ui::Application* app = ui::Application::current();
    if (!app) {
        std::fputs("no application object was constructed\n", stderr);
        return 1;
    }
    return app->run();
}
