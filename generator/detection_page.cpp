#include "generator/detection_page.h"

#include <ostream>

#include "generator/escaping.h"
#include "generator/page_file.h"
#include "generator/page_line.h"
#include "generator/test_chain.h"
#include "generator/version.h"

namespace generator {
namespace {

constexpr std::string_view homePage = "http://www.navisift.example.com/";
constexpr std::string_view contactEmail = "navisift@example.com";

// Lines that end with a line end of their own, and so are followed by an empty line.
constexpr std::string_view ownLineEnd = pageLineEnd;

void writeHead(std::ostream& page) {
    writePageLine(page, {"<!--Begining of Navisift? Code-->"});
    writePageLine(page, {"<!--Code Created by: Navisift HTML Creator ", productVersion, "-->"});
    writePageLine(page, {"<!--HomePage: ", homePage, "-->"});
    writePageLine(page, {"<!--Email: ", contactEmail, "-->"});
    writePageLine(page, {});
    writePageLine(page, {"<html>"});
    writePageLine(page, {"     <head>"});
    writePageLine(page, {"          <title>Navisift? HTML Creator ", productVersion, "</title>"});
    writePageLine(page, {"     </head>"});
    writePageLine(page, {});
    writePageLine(page, {"<script language=\"JavaScript\">", ownLineEnd});
    writePageLine(page, {"function checkBrowser() {"});
    writePageLine(page, {});
}

// A plain link to one browser's page, for visitors whose browser runs no script.
void writeFallbackLink(std::ostream& page, const Answers& answers, const std::string& pagePath) {
    const std::string address = "http://" + answers.siteAddress + answers.baseDirectory + pagePath;
    writePageLine(page, {"<a href=\"", escapeAttributeValue(address), "\" target=\"",
                         escapeAttributeValue(answers.targetFrame), "\">"});
}

void writeTail(std::ostream& page, const Answers& answers) {
    writePageLine(page, {"alert('", unknownBrowserMessage, "');"});
    writePageLine(page, {"}"});
    writePageLine(page, {"</script>", ownLineEnd});
    writePageLine(page, {"<body OnLoad='checkBrowser();'>"});
    writePageLine(page, {"<!--End of Navisift? Code-->", ownLineEnd});
    writeFallbackLink(page, answers, answers.pageNetscape3);
    writePageLine(page, {"Click Here if You are using Netscape 3.0 or Higher</a>"});
    writePageLine(page, {"<p>"});
    writeFallbackLink(page, answers, answers.pageExplorer3);
    writePageLine(page, {"Click Here if You are using Internet Explorer 3.0 or Higher</a>"});
    writePageLine(page, {});
    writePageLine(page, {"</body>"});
    writePageLine(page, {"</html>"});
}

}  // namespace

void writeDetectionPageText(std::ostream& page, const Answers& answers,
                            const SetProgress& setProgress) {
    writeHead(page);
    writeTestChain(page, answers, setProgress);
    writeTail(page, answers);
}

PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file, PageFailure& failure) {
    failure = {};
    PageFile pageFile(file);
    if (pageFile.openError()) {
        failure.cause = pageFile.openError();
        return PageResult::creationFailed;
    }
    std::ostream page(&pageFile);
    writeDetectionPageText(page, answers, setProgress);
    failure.cause = pageFile.close();
    if (failure.cause) {
        failure.leftBehind = pageFile.leftBehind();
        return PageResult::writeFailed;
    }
    return PageResult::written;
}

PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file) {
    PageFailure ignored;
    return writeDetectionPage(answers, setProgress, file, ignored);
}

}  // namespace generator
