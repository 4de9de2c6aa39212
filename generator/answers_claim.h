#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

#include "generator/answers.h"

// A wizard run owns the answers file of its folder from Question 1's Next until the run ends, so
// that two runs in one folder never mix their answers: the other run's Question 1, its Quit and
// navisift-page are refused the file meanwhile. The claim is an advisory lock on the folder
// itself, not on the file: it holds while Save deletes the file and while Question 1 makes it
// again, and the kernel drops it when the process ends, however it ends.

namespace generator {

class AnswersFileClaim {
  public:
    // Claims the answers file that `file` names for this run. Throws `FileError` naming the file,
    // with the cause "in use by another run", when another run owns it.
    explicit AnswersFileClaim(const std::filesystem::path& file = answersFileName);
    ~AnswersFileClaim();
    AnswersFileClaim(const AnswersFileClaim&) = delete;
    AnswersFileClaim& operator=(const AnswersFileClaim&) = delete;

  private:
    int folder_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// Throws `FileError` (the operation, the file, "in use by another run") when `file` is the
// answers file of a folder that a run of another process owns. The run of this process passes.
void refuseIfOwnedByAnotherRun(std::string_view operation, const std::filesystem::path& file);

}  // namespace generator
