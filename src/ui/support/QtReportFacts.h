// The problem report's facts as the running editor gathers them: the system's through the
// core's readers, and what only the Qt layer knows (the libraries, the window system, the
// fonts the views were given).
#pragma once

#include "core/support/CProblemReport.h"

#include <string>
#include <vector>

namespace velto {

class CQuorApp;

class QtReportFacts final : public ReportFactsSource {
public:
    explicit QtReportFacts(CQuorApp& app) : app_(app) {}
    SystemFacts Gather() override;
    // A wait cursor while the report is gathered and written.
    void Busy(bool busy) override;

    // What each kind of text asked for and the face it was given, one line each.
    [[nodiscard]] static std::vector<std::string> FontLines(CQuorApp& app);

private:
    CQuorApp& app_;
};

} // namespace velto
