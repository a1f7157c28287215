#pragma once

#include "app/CertificateControls.h"

class TfrxReport;

// Writes the certificate into the named memos of the report's current template. A template
// without Memo1 is filled without it; any other memo of the fill map that is missing, or an
// object under such a name that is not a memo, stops the fill with an error naming it.
void fillTemplate(TfrxReport& report, const CertificateControls& controls);
