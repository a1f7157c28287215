#include "report/model/TfrxReportParts.h"

TfrxReportParts& frxReportParts()
{
    static TfrxReportParts parts;
    return parts;
}
