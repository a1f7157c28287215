#pragma once

// Puts the preview library's parts in the report's reach (frxReportParts): the prepared pages'
// Print runs the print dialog and the print job. Called once at start-up; calling it again
// changes nothing.
void frxRegisterPreview();
