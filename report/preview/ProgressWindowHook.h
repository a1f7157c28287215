#pragma once

#include "report/model/TfrxReportParts.h"

#include <memory>

class TfrxReport;

// The report's own progress window (old-style preparation progress, exports): the preview's
// progress window, its Cancel stopping the report. None without a widget application.
std::unique_ptr<TfrxProgressDisplay> frxCreateProgressWindow(TfrxReport& Report);
