#include "report/model/TfrxReportComponent.h"

void TfrxReportComponent::BeforePrint()
{
    FSavedLeft = GetLeft();
    FSavedTop = GetTop();
    FSavedWidth = GetWidth();
    FSavedHeight = GetHeight();
}

void TfrxReportComponent::AfterPrint()
{
    SetBounds(FSavedLeft, FSavedTop, FSavedWidth, FSavedHeight);
}
