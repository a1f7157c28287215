#pragma once

#include "app/CertificateControls.h"

#include <QString>
#include <optional>

// The first required value the certificate lacks, as the message that asks for it; nothing when
// the certificate can be printed.
std::optional<QString> findMissingValue(const CertificateControls& controls);
