// The script engine on untrusted text: a template's script and the expressions in its memos. The text
// is compiled and run as the report script, then evaluated as an expression against that script, the
// way preparation does; errors are reported as messages, limits end runaway scripts, nothing crashes.

#include "tests/fuzz/FuzzCheck.h"

#include "common/Exception.h"
#include "report/script/TfrxReportScript.h"
#include "report/script/TfsObject.h"
#include "report/script/TfsVariant.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

namespace {

// A report object with a few plain properties and a method, as memos offer them to scripts.
class FuzzObject : public TfsObject {
public:
    explicit FuzzObject(QString className) : FClassName(std::move(className))
    {
        FProperties[QStringLiteral("text")] = QStringLiteral("ИВАНОВ");
        FProperties[QStringLiteral("left")] = 10.5;
        FProperties[QStringLiteral("tag")] = 3;
    }

    QString GetClassName() const override { return FClassName; }
    bool InheritsFrom(const QString& className) const override
    {
        return className.compare(FClassName, Qt::CaseInsensitive) == 0 ||
               className.compare(QLatin1String("TfrxComponent"), Qt::CaseInsensitive) == 0;
    }
    bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) override
    {
        if (name.compare(QLatin1String("Add"), Qt::CaseInsensitive) == 0 && args.size() == 2) {
            result = args[0].ToInt64() + args[1].ToInt64();
            return true;
        }
        const auto found = FProperties.constFind(name.toLower());
        if (found == FProperties.cend() || !args.isEmpty())
            return false;
        result = found.value();
        return true;
    }
    bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) override
    {
        const auto found = FProperties.find(name.toLower());
        if (found == FProperties.end() || !args.isEmpty())
            return false;
        found.value() = value;
        return true;
    }

private:
    QString FClassName;
    QHash<QString, TfsVariant> FProperties;
};

// The report as the engine sees it: a data field, the system variables, report variables that scripts
// may add, and an error list.
class FuzzHost : public TfrxScriptHost {
public:
    std::optional<TfsVariant> GetDataFieldValue(const QString& name) override
    {
        if (name.compare(QLatin1String("Data.Name"), Qt::CaseInsensitive) == 0)
            return TfsVariant(QStringLiteral("ПЕТРОВА"));
        return std::nullopt;
    }
    TfsVariant GetSystemVariable(const QString& name) override
    {
        if (name == QLatin1String("Date") || name == QLatin1String("Time"))
            return TfsVariant::FromDate(46000.5);
        return 1;
    }
    std::optional<TfsVariant> GetHostValue(const QString&) override { return std::nullopt; }
    std::optional<TfsVariant> GetReportVariable(const QString& name) override
    {
        const auto found = FVariables.constFind(name.toLower());
        return found == FVariables.cend() ? std::nullopt : std::optional(found.value());
    }
    std::optional<TfsVariant> GetGlobalVariable(const QString&) override { return std::nullopt; }
    void SetReportVariable(const QString& name, const TfsVariant& value) override
    {
        FVariables[name.toLower()] = value;
    }
    TfsVariant GetAggregateValue(const QString&, const QString&, const QString&, int) override { return 0; }
    void AddError(const QString& message) override { FErrors.append(message); }
    QString GetCurrentObjectName() const override { return QStringLiteral("Memo1"); }
    bool GetIgnoreDevByZero() const override { return false; }
    bool GetCaseSensitiveExpressions() const override { return false; }

private:
    QHash<QString, TfsVariant> FVariables{{QStringLiteral("total"), QStringLiteral("2 + 3")}};
    QStringList FErrors;
};

// Errors raised to the caller carry a message; any other exception escapes and fails the run.
template <typename Action> void guarded(Action action)
{
    try {
        action();
    } catch (const Exception& error) {
        fuzzCheck(!error.message().isEmpty(), "an error has a message");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(fuzzBytes(data, size));

    FuzzHost host;
    FuzzObject memo(QStringLiteral("TfrxMemoView"));
    FuzzObject report(QStringLiteral("TfrxReport"));
    TfrxReportScript script(host);
    const QList<TfrxScriptObject> objects{{QStringLiteral("Memo1"), &memo},
                                          {QStringLiteral("Report"), &report}};

    const bool compiled = script.PrepareScript(objects, text.split(u'\n'), QStringLiteral("PascalScript"));
    fuzzCheck(compiled == script.GetScript().GetErrorMsg().isEmpty(), "a failed compile says why");
    if (compiled && script.GetScript().GetStatementCount() > 0)
        guarded([&] { script.GetScript().Execute(); });
    guarded([&] { VarToStr(script.Calc(text)); });
    // The second evaluation takes the compiled function from the cache.
    guarded([&] { VarToStr(script.Calc(text)); });
    return 0;
}
