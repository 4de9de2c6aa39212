#include "generator/page_tool/preview.h"

#include "generator/page_file.h"
#include "generator/routing/historical_browsers.h"
#include "generator/routing/report.h"

namespace generator::page_tool {

routing::Visitor visitorToExplain(const Options& options) {
    routing::Visitor visitor =
        routing::visitorFromUserAgent(options.explain.value_or(""), options.appName);
    if (options.appVersion) {
        visitor.appVersion = *options.appVersion;
        if (!options.explain && !options.appName) {
            // As if the user agent were the version after a "/".
            visitor.appName = routing::visitorFromUserAgent("/" + *options.appVersion).appName;
        }
    }
    return visitor;
}

void writePreview(std::ostream& out, const Options& options, const Answers& answers) {
    const auto format =
        options.format == "tsv" ? routing::ReportFormat::tsv : routing::ReportFormat::text;
    if (options.report) {
        routing::writeReport(out, routing::historicalBrowsers(), answers, format);
    } else {
        routing::writeExplanation(out, visitorToExplain(options), answers, format,
                                  options.explain.value_or(""));
    }
}

PageResult writePreviewFile(const Options& options, const Answers& answers, PageFailure& failure) {
    PageFile file(options.output);
    failure = {file.openError(), PageLeftBehind::nothing};
    if (failure.cause) {
        return PageResult::creationFailed;
    }
    std::ostream out(&file);
    writePreview(out, options, answers);
    out.flush();
    failure.cause = file.close();
    if (failure.cause) {
        failure.leftBehind = file.leftBehind();
        return PageResult::writeFailed;
    }
    return PageResult::written;
}

}  // namespace generator::page_tool
