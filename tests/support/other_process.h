#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>

// A second process for tests about what one process keeps from another: a forked child runs
// an action (take a lock, claim a file), reports whether it worked, and then holds whatever it
// took until this object goes away. It ends with _exit, so nothing it holds is given back by a
// destructor: the kernel releases it, as it would for a program that was killed.

namespace navisift_testing {

class OtherProcess {
  public:
    explicit OtherProcess(const std::function<bool()>& action) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            throw std::runtime_error("pipe");
        }
        child_ = ::fork();
        if (child_ < 0) {
            throw std::runtime_error("fork");
        }
        if (child_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const char outcome = action() ? 'y' : 'n';
            [[maybe_unused]] auto written = ::write(ready[1], &outcome, 1);
            char done;
            [[maybe_unused]] auto got = ::read(release[0], &done, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char outcome = 'n';
        [[maybe_unused]] auto got = ::read(ready[0], &outcome, 1);
        ::close(ready[0]);
        succeeded_ = outcome == 'y';
    }
    ~OtherProcess() { end(); }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;

    // Whether the action worked in the other process.
    bool succeeded() const { return succeeded_; }

    // Lets the other process end, and waits until it has.
    void end() {
        if (release_ < 0) {
            return;
        }
        ::close(release_);
        release_ = -1;
        ::waitpid(child_, nullptr, 0);
    }

  private:
    pid_t child_ = -1;
    int release_ = -1;
    bool succeeded_ = false;
};

}  // namespace navisift_testing
