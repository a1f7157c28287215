#include "ScriptTestSupport.h"

#include "report/script/TfsVariant.h"

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const TfsVariant& value, std::ostream* out)
{
    *out << value.GetTypeName().toStdString();
    if (!value.IsArray() && !value.IsSet() && !value.IsObject() && !value.IsNull())
        *out << " " << value.ToString().toStdString();
}

FakeObject::FakeObject(QString className, QStringList ancestors)
    : FClassName(std::move(className)), FAncestors(std::move(ancestors))
{
}

bool FakeObject::InheritsFrom(const QString& className) const
{
    if (className.compare(FClassName, Qt::CaseInsensitive) == 0)
        return true;
    return FAncestors.contains(className, Qt::CaseInsensitive);
}

bool FakeObject::GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result)
{
    if (name.isEmpty() && args.size() == 1) {
        result = properties.value(args[0].ToString().toLower());
        return true;
    }
    if (name.compare(QLatin1String("Add"), Qt::CaseInsensitive) == 0 && args.size() == 2) {
        result = args[0].ToInt64() + args[1].ToInt64();
        return true;
    }
    const auto found = properties.constFind(name.toLower());
    if (found == properties.cend() || !args.isEmpty())
        return false;
    result = found.value();
    return true;
}

bool FakeObject::SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value)
{
    const QString key = name.isEmpty() && args.size() == 1 ? args[0].ToString().toLower() : name.toLower();
    if (!properties.contains(key))
        return false;
    properties[key] = value;
    return true;
}

std::optional<TfsVariant> FakeHost::GetDataFieldValue(const QString& name)
{
    const auto found = dataFields.constFind(name);
    return found == dataFields.cend() ? std::nullopt : std::optional(found.value());
}

TfsVariant FakeHost::GetSystemVariable(const QString& name)
{
    systemVariableQueries.append(name);
    return systemVariables.value(name, TfsVariant::Null());
}

namespace {
std::optional<TfsVariant> lookup(const QList<std::pair<QString, TfsVariant>>& list, const QString& name)
{
    for (const auto& [itemName, value] : list)
        if (itemName.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}
} // namespace

std::optional<TfsVariant> FakeHost::GetReportVariable(const QString& name)
{
    return lookup(variables, name);
}

std::optional<TfsVariant> FakeHost::GetGlobalVariable(const QString& name)
{
    return lookup(globals, name);
}

void FakeHost::SetReportVariable(const QString& name, const TfsVariant& value)
{
    for (auto& [itemName, itemValue] : variables) {
        if (itemName.compare(name, Qt::CaseInsensitive) == 0) {
            itemValue = value;
            return;
        }
    }
    variables.append({name, value});
}

TfsVariant FakeHost::GetAggregateValue(const QString& function, const QString& expression,
                                       const QString& band, int flags)
{
    aggregateCalls.append(QStringLiteral("%1|%2|%3|%4").arg(function, expression, band).arg(flags));
    return 42;
}

void FakeHost::AddError(const QString& message)
{
    if (!errors.contains(message)) {
        errors.append(message);
        errors.sort();
    }
}

OutputScript::OutputScript()
{
    script.AddMethod(QStringLiteral("procedure Out(V: Variant)"), [this](QList<TfsVariant>& args) {
        output.append(VarToStr(args[0]));
        return TfsVariant();
    });
}

QString OutputScript::Run(const QStringList& lines)
{
    script.SetLines(lines);
    if (!script.Compile())
        return script.GetErrorPos() + u' ' + script.GetErrorMsg();
    script.Execute();
    return QString();
}
