#include "app/TemplateFill.h"

#include "app/FillMap.h"
#include "app/FillValues.h"
#include "common/Exception.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"

void fillTemplate(TfrxReport& report, const CertificateControls& controls)
{
    for (const FillMapEntry& entry : fillMap()) {
        const QString name = QString::fromLatin1(entry.name);
        TfrxComponent* object = report.FindObject(name);
        if (!object) {
            if (name == QLatin1String("Memo1"))
                continue;
            throw Exception(QStringLiteral("В шаблоне печати нет поля %1: шаблон не подходит для "
                                           "печати свидетельства.").arg(name));
        }
        auto* memo = dynamic_cast<TfrxCustomMemoView*>(object);
        if (!memo)
            throw Exception(QStringLiteral("Invalid class typecast: в шаблоне печати %1 не является "
                                           "текстовым полем.").arg(name));
        memo->SetText(fillValue(entry, controls));
        // What the operator typed is printed as typed: a bracket in a school's name must not be
        // evaluated as an expression (it would stop the print with an error, or print a value).
        memo->SetAllowExpressions(false);
    }
}
