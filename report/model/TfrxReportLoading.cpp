// Loading and saving of templates: the TfrxReport operations that bring a .fr3 file into the report
// and write it back.

#include "report/model/ReportErrors.h"
#include "report/model/SafeFileWrite.h"
#include "report/model/TfrxPasswordForm.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/xml/TfrxXMLItem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Templates keep the password with every code unit shifted down by this amount.
constexpr char16_t kPasswordShift = 10;

QString shiftCodeUnits(const QString& text, int shift)
{
    QString shifted = text;
    for (QChar& c : shifted)
        c = QChar(static_cast<char16_t>(c.unicode() + shift));
    return shifted;
}

bool sameText(const QString& a, QLatin1String b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// What a template cannot change: copies taken before a load and put back after it.
class SettingsKeptByLoad {
public:
    explicit SettingsKeptByLoad(TfrxReport& report)
        : FIniFile(report.GetIniFile()), FPreview(report.GetPreview()),
          FOldStyleProgress(report.GetOldStyleProgress()), FShowProgress(report.GetShowProgress()),
          FStoreInDFM(report.GetStoreInDFM())
    {
        FEngineOptions.Assign(*report.GetEngineOptions());
        FPreviewOptions.Assign(*report.GetPreviewOptions());
    }

    void Restore(TfrxReport& report) const
    {
        TfrxEngineOptions& engine = *report.GetEngineOptions();
        const bool convertNulls = engine.GetConvertNulls();
        const bool ignoreDevByZero = engine.GetIgnoreDevByZero();
        const bool doublePass = engine.GetDoublePass();
        engine.Assign(FEngineOptions);
        engine.SetConvertNulls(convertNulls);
        engine.SetIgnoreDevByZero(ignoreDevByZero);
        engine.SetDoublePass(doublePass);

        TfrxPreviewOptions& preview = *report.GetPreviewOptions();
        const bool outlineVisible = preview.GetOutlineVisible();
        const int outlineWidth = preview.GetOutlineWidth();
        const bool outlineExpand = preview.GetOutlineExpand();
        const int pagesInCache = preview.GetPagesInCache();
        const bool thumbnailVisible = preview.GetThumbnailVisible();
        preview.Assign(FPreviewOptions);
        preview.SetOutlineVisible(outlineVisible);
        preview.SetOutlineWidth(outlineWidth);
        preview.SetOutlineExpand(outlineExpand);
        preview.SetPagesInCache(pagesInCache);
        preview.SetThumbnailVisible(thumbnailVisible);

        report.SetIniFile(FIniFile);
        report.SetPreview(FPreview);
        report.SetOldStyleProgress(FOldStyleProgress);
        report.SetShowProgress(FShowProgress);
        report.SetStoreInDFM(FStoreInDFM);
    }

private:
    TfrxEngineOptions FEngineOptions;
    TfrxPreviewOptions FPreviewOptions;
    QString FIniFile;
    QObject* FPreview;
    bool FOldStyleProgress;
    bool FShowProgress;
    bool FStoreInDFM;
};

// The password in its stored form while the report is written, restored also when writing fails.
class StoredPassword {
public:
    explicit StoredPassword(TfrxReportOptions& options) : FOptions(options), FPassword(options.GetPassword())
    {
        FOptions.SetPassword(shiftCodeUnits(FPassword, -kPasswordShift));
    }
    ~StoredPassword() { FOptions.SetPassword(FPassword); }
    StoredPassword(const StoredPassword&) = delete;
    StoredPassword& operator=(const StoredPassword&) = delete;

private:
    TfrxReportOptions& FOptions;
    QString FPassword;
};

// The typed password must match exactly, letter case included.
bool passwordAccepted(const TfrxReportOptions& options)
{
    const QString& password = options.GetPassword();
    if (password.isEmpty() || password == options.GetHiddenPassword())
        return true;
    const std::optional<QString> typed = frxAskPassword();
    return typed && *typed == password;
}

} // namespace

bool TfrxReport::LoadFromFile(const QString& FileName, bool ExceptionIfNotFound)
{
    Clear();
    FFileName.clear();
    const bool exists = QFileInfo::exists(FileName);
    if (!exists && !ExceptionIfNotFound)
        return false;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(FileName), file.errorString()));
    FFileName = FileName;
    LoadFromStream(file);
    return exists;
}

void TfrxReport::LoadFromStream(QIODevice& Stream)
{
    FErrors.clear();
    const SettingsKeptByLoad kept(*this);
    try {
        Clear();
        TfrxXMLSerializer serializer(&Stream);
        serializer.ReadRootComponent(*this);
        for (const QString& error : serializer.GetErrors())
            AddError(error);
    } catch (const Exception& error) {
        AddError(error.message());
    } catch (const std::exception& error) {
        AddError(QString::fromLocal8Bit(error.what()));
    }
    CheckDataPage();
    kept.Restore(*this);
    FReportOptions.SetPassword(shiftCodeUnits(FReportOptions.GetPassword(), kPasswordShift));

    if (!FReloading && !FEngineOptions.GetEnableThreadSafe() && !passwordAccepted(FReportOptions)) {
        // Cleared before the errors are shown, so that an error raised to the caller cannot leave
        // the protected template loaded.
        Clear();
        AddError(QStringLiteral("Invalid password"));
    }
    if (!FErrors.isEmpty())
        frxShowErrors(*this);
}

void TfrxReport::SaveToFile(const QString& FileName)
{
    if (QDir::isAbsolutePath(FParentReport) || FParentReport.mid(1, 1) == QLatin1String(":"))
        FParentReport = QFileInfo(FileName).absoluteDir().relativeFilePath(FParentReport);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer, true, false, false);
    writeFileSafely(FileName, bytes);
}

void TfrxReport::SaveToStream(QIODevice& Stream, bool SaveChildren, bool SaveDefaultValues,
                              bool UseGetAncestor)
{
    const StoredPassword password(FReportOptions);
    TfrxComponent::SaveToStream(Stream, SaveChildren, SaveDefaultValues, false);
}

void TfrxReport::WriteNestedProperties(TfrxXMLItem& Item, const TfrxXMLSerializer& Serializer) const
{
    const auto write = [&](const QString& name, const auto& collection) {
        QList<const TfrxPersistent*> items;
        for (int i = 0; i < collection.Count(); ++i)
            items.append(collection.GetItem(i));
        if (!items.isEmpty())
            Serializer.WriteCollection(Item, name, items);
    };
    write(QStringLiteral("Datasets"), FDataSets);
    write(QStringLiteral("Variables"), FVariables);
    write(QStringLiteral("Styles"), FStyles);
}

bool TfrxReport::ReadNestedProperty(const TfrxXMLItem& Item, TfrxXMLSerializer& Serializer)
{
    const QString& name = Item.GetName();
    if (sameText(name, QLatin1String("Datasets")))
        Serializer.ReadCollection(Item, [this] { return FDataSets.Add(); });
    else if (sameText(name, QLatin1String("Variables")))
        Serializer.ReadCollection(Item, [this] { return FVariables.Add(); });
    else if (sameText(name, QLatin1String("Styles")))
        Serializer.ReadCollection(Item, [this] { return FStyles.Add(); });
    else
        return false;
    return true;
}
