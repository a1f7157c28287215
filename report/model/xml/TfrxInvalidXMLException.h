#pragma once

#include "common/Exception.h"

// Every syntax error of a report XML document, and every breach of the reader's limits.
class TfrxInvalidXMLException : public Exception {
public:
    TfrxInvalidXMLException() : Exception(QStringLiteral("Invalid file format")) {}
};
