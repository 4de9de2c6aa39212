#pragma once

#include <filesystem>

#include "generator/answers_file.h"
#include "generator/detection_page.h"
#include "ui/dialog.h"

// The save dialog, template 142: its one button, Save (also Enter), reads the
// answers, writes the detection page while the progress bar runs 0, 25, 50,
// 75, 100, removes the answers file and reports "File Saved". Cancel (Esc,
// the close box) touches nothing.
//
// The answers file is removed only once the page has been written and closed,
// so a page that cannot be written never costs the user the answers: after
// "Error Writing To File" and the quick exit they are still on disk. An answers
// file that cannot be removed after the page was written does not undo the
// save: "File Saved" comes, and then a stop box says the file stayed and why.

namespace generator {

struct SaveFiles {
    std::filesystem::path answers{answersFileName};
    std::filesystem::path page{detectionPageName};
};

class CSaveDlg : public ui::Dialog {
  public:
    explicit CSaveDlg(SaveFiles files = {});

    // Moves the progress bar; the page writer calls it with 50 and 75.
    void setProgress(int position);

  protected:
    void exchangeData(ui::DataExchange& dx) override;
    // The Save action.
    void onOk() override;

  private:
    SaveFiles files_;
    ui::ControlHandle progress_;
};

}  // namespace generator
